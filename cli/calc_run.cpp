#include "calc_run.h"

#include <cstring>
#include <optional>

#include "base/latin1_text.h"
#include "base/module_state.h"
#include "calc/item_notices.h"
#include "calc/return_calculation.h"
#include "calc_json.h"
#include "command_support.h"
#include "screens/core/item_date_checks.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/file_bytes.h"
#include "store/lodgment.h"
#include "store/return_lock.h"

namespace {

// The return read completely into a fresh store, or the one line that says why not.
std::string OpenForCalculation(const CalcJob& job) {
    State().IdentifierText = job.tfn;
    AllocateFieldStore();
    const int32_t result = OpenDataFile(job.file);
    if (result == OpenReadCompletely) return {};
    return WithFirstCoreMessage(OpenProblem(result, Latin1ToUtf8(job.file)));
}

CalcOutcome Failed(int status, std::string error) {
    CalcOutcome outcome;
    outcome.status = status;
    outcome.error = std::move(error);
    return outcome;
}

CalcOutcome Calculate(const CalcJob& job) {
    const std::string shown = Latin1ToUtf8(job.file);
    // Held from the read to the write, so that no other writer's change is lost.
    const ReturnLock lock(shown);
    if (lock.Error())
        return Failed(ExitFileProblem, shown + ": the return is in use by another program");
    if (const std::string problem = OpenForCalculation(job); !problem.empty())
        return Failed(ExitFileProblem, problem);
    if (!job.dryRun && (IsFileLodged() || GetFieldText(FrozenMarkField) == LodgedMark))
        return Failed(ExitFileProblem, shown + ": the return has been lodged and is locked");
    CoreMessages().clear();
    // Dates a screen would refuse give no figure, or a wrong one: the item is named instead.
    if (const std::optional<ItemNotice> fault = FirstItemDateFault())
        return Failed(ExitRefused, NoticeLine(*fault) + "; nothing was written");

    ChoiceTable table;
    if (const CalculationRefusal refusal = RecalculateReturn(table, job.automatic))
        return Failed(ExitRefused, OneLine(refusal.message) + "; nothing was written");
    if (!job.dryRun)
        if (const int32_t result = SaveDataFile(job.file))
            return Failed(ExitFileProblem, shown + ": " + FileProblemText(result, job.file));
    const std::vector<ItemNotice> notices = CollectItemNotices();
    CalcOutcome outcome;
    outcome.result = CalcResultJson(table, notices, job.assetResults);
    for (const ItemNotice& notice : notices) outcome.notices.push_back(NoticeLine(notice));
    return outcome;
}

}  // namespace

CalcOutcome CalculateReturn(const CalcJob& job) {
    CalcOutcome outcome = Calculate(job);
    outcome.messages = CoreMessages();
    CoreMessages().clear();
    ReleaseFieldStore();
    return outcome;
}
