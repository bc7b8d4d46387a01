#include "screens/core/parcel_items.h"

#include <map>

#include "base/dates.h"
#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "import/parcel_item_text.h"
#include "store/entered_amount.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr size_t CostColumns = 8, CommentsColumn = 7;
// The cost element table's amount cells hold ten characters: "9999999.99".
constexpr Cents LargestCostAmount = 999999999;

// A cost element row: element, date incurred, date paid (hidden), description, amount,
// the two excluded amounts, comments.
void AddRow(std::vector<std::string>& cells, const std::string& element, double date,
            const std::string& description, Cents amount, const std::string& comments = "") {
    cells.insert(cells.end(), {element, FormatDate(date), "", description, FormatCents(amount), "",
                               "", comments});
}

std::vector<std::string> CostRows(const MatchedPart& part) {
    std::vector<std::string> cells;
    AddRow(cells, "1 - Purchase/Acquisition cost", part.buy->date,
           std::to_string(part.quantity) + " of " + std::to_string(part.buy->quantity) +
               " bought, line " + std::to_string(part.buy->line),
           part.cost, PartImportMark(part));
    if (part.buyBrokerage != 0)
        AddRow(cells, "2A - Incidentals re holding & acquisition", part.buy->date,
               "Brokerage on purchase", part.buyBrokerage);
    if (part.sellBrokerage != 0)
        AddRow(cells, "2B - Incidentals re specific CGT event", part.sell->date,
               "Brokerage on sale", part.sellBrokerage);
    return cells;
}

}  // namespace

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

void WritePartItem(const MatchedPart& part, int key, bool active) {
    GetWorksheetItem(SharesWorksheet, key);
    SetFieldStr(fAssetName, PartItemName(part));
    SetFieldStr(fAssetType, active ? "SA" : "SN");
    SetFieldStr(fAcquisitionDate, FormatDate(part.buy->date));
    SetFieldLst(fCostElements, CostRows(part));
    SetFieldStr(fEventDate, FormatDate(part.sell->date));
    // Whole dollars, as the share path's proceeds field keeps them.
    FieldSlotAt(fCapitalProceeds)->type = dtCurrency;
    SetEnteredAmount(fCapitalProceeds, static_cast<long double>(part.proceedsDollars));
    SetFieldChecked(fRollOverNo);
    PutWorksheetItem(SharesWorksheet, key);
}

std::set<std::string> ListImportMarks(const TradeList& list) {
    std::map<std::string, std::vector<const Trade*>> buys;
    for (const Trade& trade : list.trades)
        if (trade.kind == TradeKind::Buy) buys[trade.code].push_back(&trade);
    std::set<std::string> marks;
    MatchedPart pair;
    for (const Trade& sale : list.trades) {
        if (sale.kind != TradeKind::Sell) continue;
        pair.sell = &sale;
        for (const Trade* buy : buys[sale.code]) {
            pair.buy = buy;
            marks.insert(PartImportMark(pair));
        }
    }
    return marks;
}

std::vector<int> ItemsWithMarks(const std::set<std::string>& marks) {
    std::vector<int> keys;
    const int count = WorksheetItemCount(SharesWorksheet);
    for (int key = 1; key <= count; ++key) {
        const FieldSlot* costs = StoredItemField(SharesWorksheet, key, fCostElements);
        if (!costs || costs->type != dtList || !costs->list) continue;
        const TextList& cells = *costs->list;
        for (size_t i = CommentsColumn; i < cells.size(); i += CostColumns) {
            if (!marks.count(cells[i])) continue;
            keys.push_back(key);
            break;
        }
    }
    return keys;
}

void DeleteShareItems(const std::vector<int>& keys) {
    ModuleState& state = State();
    const int worksheet = state.CurrentWorksheet;
    state.CurrentWorksheet = SharesWorksheet;
    // From the last, so the keys still to delete do not move.
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) DeleteWorksheetItem(*key);
    state.CurrentWorksheet = worksheet;
}
