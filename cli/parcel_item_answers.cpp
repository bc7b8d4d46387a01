#include "parcel_item_answers.h"

#include <set>

#include "base/dates.h"
#include "calc/asset_fields.h"
#include "import/parcel_item_text.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int CostColumns = 8, CommentsColumn = 7;
// The cost element table's amount cells hold ten characters: "9999999.99".
constexpr Cents LargestCostAmount = 999999999;

FieldAssignment Answer(int key, int field, FieldAssignment::Kind kind) {
    FieldAssignment answer;
    answer.field = SharesItemsField();
    answer.itemKey = key;
    answer.itemField = field;
    answer.kind = kind;
    return answer;
}

FieldAssignment Text(int key, int field, const std::string& text) {
    FieldAssignment answer = Answer(key, field, FieldAssignment::Text);
    answer.text = text;
    return answer;
}

// A cost element row: element, date incurred, date paid (hidden), description, amount,
// the two excluded amounts, comments.
void AddRow(std::vector<std::string>& cells, const std::string& element, double date,
            const std::string& description, Cents amount, const std::string& comments = "") {
    cells.insert(cells.end(), {element, FormatDate(date), "", description, FormatCents(amount), "",
                               "", comments});
}

}  // namespace

int SharesItemsField() { return SharesWorksheet + WorksheetFieldOffset; }

std::vector<FieldAssignment> PartItemAnswers(const MatchedPart& part, int key, bool active) {
    std::vector<FieldAssignment> answers;
    answers.push_back(Text(key, fAssetName, PartItemName(part)));
    answers.push_back(Text(key, fAssetType, active ? "SA" : "SN"));
    answers.push_back(Text(key, fAcquisitionDate, FormatDate(part.buy->date)));
    FieldAssignment costs = Answer(key, fCostElements, FieldAssignment::Lines);
    AddRow(costs.lines, "1 - Purchase/Acquisition cost", part.buy->date,
           std::to_string(part.quantity) + " of " + std::to_string(part.buy->quantity) +
               " bought, line " + std::to_string(part.buy->line),
           part.cost, PartImportMark(part));
    if (part.buyBrokerage != 0)
        AddRow(costs.lines, "2A - Incidentals re holding & acquisition", part.buy->date,
               "Brokerage on purchase", part.buyBrokerage);
    if (part.sellBrokerage != 0)
        AddRow(costs.lines, "2B - Incidentals re specific CGT event", part.sell->date,
               "Brokerage on sale", part.sellBrokerage);
    answers.push_back(costs);
    answers.push_back(Text(key, fEventDate, FormatDate(part.sell->date)));
    FieldAssignment proceeds = Answer(key, fCapitalProceeds, FieldAssignment::Currency);
    proceeds.number = static_cast<long double>(part.proceedsDollars);
    answers.push_back(proceeds);
    answers.push_back(Answer(key, fRollOverNo, FieldAssignment::Check));
    return answers;
}

// The share path takes no cost dated before capital gains tax began.
bool BoughtBeforeCgt(const MatchedPart& part) {
    return part.buy->date < static_cast<double>(EncodeDate(1985, 9, 20));
}

std::string PartItemProblem(const MatchedPart& part) {
    for (Cents amount : {part.cost, part.buyBrokerage, part.sellBrokerage})
        if (amount > LargestCostAmount)
            return "the amount " + FormatCents(amount) +
                   " is more than a cost element holds (9999999.99)";
    return {};
}

bool AnyPartImported(const std::vector<MatchedPart>& parts) {
    std::set<std::string> marks;
    for (const MatchedPart& part : parts) marks.insert(PartImportMark(part));
    const int count = WorksheetItemCount(SharesWorksheet);
    for (int key = 1; key <= count; ++key) {
        GetWorksheetItem(SharesWorksheet, key);
        const TextList* cells = GetFieldLst(fCostElements);
        if (!cells) continue;
        for (size_t i = CommentsColumn; i < cells->size(); i += CostColumns)
            if (marks.count((*cells)[i])) return true;
    }
    return false;
}
