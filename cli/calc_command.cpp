#include "calc_command.h"

#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/latin1_text.h"
#include "base/module_state.h"
#include "calc/item_notices.h"
#include "calc/return_calculation.h"
#include "calc_json.h"
#include "command_support.h"
#include "screens/core/item_date_checks.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/lodgment.h"
#include "store/return_lock.h"

namespace {

struct CalcArguments {
    std::string file, tfn;
    bool haveTfn = false, automatic = false, dryRun = false, json = false;
};

bool Parse(int argc, char** argv, CalcArguments& args, std::string& error) {
    std::vector<std::string> positional;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--tfn") {
            if (i + 1 >= argc) {
                error = "--tfn needs a value";
                return false;
            }
            args.tfn = argv[++i];
            args.haveTfn = true;
        } else if (arg == "--auto") {
            args.automatic = true;
        } else if (arg == "--dry-run") {
            args.dryRun = true;
        } else if (arg == "--json") {
            args.json = true;
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1) {
        error = "usage: orvana-tax calc FILE --tfn ID [--auto] [--dry-run] [--json]";
        return false;
    }
    if (!args.haveTfn) {
        error = "--tfn ID is needed: its digits are the file's key";
        return false;
    }
    std::string file, tfn;
    if (!Utf8ToLatin1(positional[0], file) || !Utf8ToLatin1(args.tfn, tfn) || file.size() > 255 ||
        tfn.size() > 255) {
        error = "file name and TFN must be at most 255 Latin-1 characters";
        return false;
    }
    args.file = file;
    args.tfn = tfn;
    return true;
}

// The return read completely into a fresh store, or the one line that says why not.
std::string OpenForCalculation(const CalcArguments& args) {
    State().IdentifierText = args.tfn;
    AllocateFieldStore();
    const int32_t result = OpenDataFile(args.file);
    if (result == OpenReadCompletely) return {};
    return WithFirstCoreMessage(OpenProblem(result, Latin1ToUtf8(args.file)));
}

int Calculate(const CalcArguments& args) {
    const std::string shown = Latin1ToUtf8(args.file);
    // Held from the read to the write, so that no other writer's change is lost.
    const ReturnLock lock(shown);
    if (lock.Error())
        return Fail(ExitFileProblem, shown + ": the return is in use by another program");
    if (const std::string problem = OpenForCalculation(args); !problem.empty())
        return Fail(ExitFileProblem, problem);
    if (!args.dryRun && (IsFileLodged() || GetFieldText(FrozenMarkField) == LodgedMark))
        return Fail(ExitFileProblem, shown + ": the return has been lodged and is locked");
    CoreMessages().clear();
    // Dates a screen would refuse give no figure, or a wrong one: the item is named instead.
    if (const std::optional<ItemNotice> fault = FirstItemDateFault())
        return Fail(ExitRefused, NoticeLine(*fault) + "; nothing was written");

    ChoiceTable table;
    if (const CalculationRefusal refusal = RecalculateReturn(table, args.automatic))
        return Fail(ExitRefused, OneLine(refusal.message) + "; nothing was written");

    if (!args.dryRun) {
        if (const int32_t result = SaveDataFile(args.file))
            return Fail(ExitFileProblem, shown + ": " + std::strerror(result));
    }
    const std::vector<ItemNotice> notices = CollectItemNotices();
    if (args.json)
        std::cout << CalcResultJson(table, notices).dump(2) << '\n';
    else
        for (const ItemNotice& notice : notices) std::cout << NoticeLine(notice) << '\n';
    return ExitOk;
}

}  // namespace

int RunCalcCommand(int argc, char** argv) {
    CalcArguments args;
    std::string error;
    if (!Parse(argc, argv, args, error)) return Fail(ExitUsage, error);
    InstallResponder();
    const int status = Calculate(args);
    FlushCoreMessages();
    return status;
}
