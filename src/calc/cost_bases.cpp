// CalculateAsset steps 1 to 7: availability, event data, the CGT worksheet rows and the
// cost bases they add up to.

#include "base/dates.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/asset_types.h"
#include "calc/calc_inputs.h"
#include "calc/indexation.h"
#include "calc/opening_cost_base.h"
#include "calc/summary_steps.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

enum WorksheetColumn {
    wcDate = 0,
    wcDescription = 1,
    wcAmount = 2,
    wcExcluded = 3,
    wcNonIndexed = 4,
    wcIndexedAmount = 5,
    wcCpi = 6,
    wcEventCpi = 7,
    wcFactor = 8,
    wcCostBase = 9,
    wcReducedExcluded = 10,
    wcReduced = 11,
};

struct Adjustments {
    long double nonIndexed = 0, indexed = 0, reduced = 0;
};

int OpeningRow(TGridModel& ws, RowAppender& rows, const OpeningCostBase& base,
               const char* description, long double amount) {
    const int row = rows.Append();
    ws.SetCell(wcDate, row, base.date);
    ws.SetCell(wcDescription, row, description);
    ws.SetCell(wcAmount, row, Str(amount));
    return row;
}

void AddOpeningRows(TGridModel& ws, RowAppender& rows, CostBaseFigures& f) {
    const OpeningCostBase base = ReadOpeningCostBase();
    if (!base.present) return;
    const bool after = base.afterPayments;
    int row =
        OpeningRow(ws, rows, base, after ? "Adjusted cost base - indexed" : "Cost base - indexed",
                   base.indexed);
    long double cpi = 100, factor = 1;
    if (f.held) {
        cpi = CpiForDate(DateOfText(base.date));
        if (cpi == 0) cpi = f.eventCpi;
        factor = IndexFactor(f.eventCpi, cpi);
    }
    ws.SetCell(wcIndexedAmount, row, Str(base.indexed));
    ws.SetCell(wcEventCpi, row, Str(f.eventCpi));
    ws.SetCell(wcCpi, row, Str(cpi));
    ws.SetCell(wcFactor, row, Str(factor, 10, 3));
    ws.SetCell(wcCostBase, row, Str(RoundEven(base.indexed * factor)));

    row = OpeningRow(
        ws, rows, base,
        after ? "Adjusted cost base - discount/non-indexed" : "Cost base - discount/non-indexed",
        base.nonIndexed);
    ws.SetCell(wcNonIndexed, row, Str(base.nonIndexed));
    row = OpeningRow(ws, rows, base, after ? "Adjusted reduced cost base" : "Reduced cost base",
                     base.reduced);
    ws.SetCell(wcReduced, row, Str(base.reduced));
}

void AddCostRows(TGridModel& ws, RowAppender& rows, CostBaseFigures& f, Adjustments& adj) {
    const std::string type = ItemAssetType();
    for (const CostElement& cost : ReadCostElements(fCostElements)) {
        if (TrimmedText(cost.element).empty() || !CostElementCounts(cost, f.baseDate)) continue;
        const std::string code = cost.Code();
        const long double q = NumberOfText(cost.amount), x = NumberOfText(cost.excludedCost);
        if (code == "3B" || code == "6R") {
            adj.reduced = RoundEven(adj.reduced + q - x);
            continue;
        }
        if (code == "6C") {
            adj.nonIndexed = adj.indexed = RoundEven(adj.nonIndexed + q - x);
            continue;
        }
        if (code == "3A" && (IsPersonalUseType(type) || IsCollectableType(type))) continue;
        const int row = rows.Append();
        ws.SetCell(wcDate, row, cost.incurred);
        ws.SetCell(wcDescription, row, cost.description);
        ws.SetCell(wcAmount, row, Str(q));
        ws.SetCell(wcExcluded, row, Str(x));
        if (code == "3A") {
            // Non-capital costs of ownership: not indexed, not in the reduced cost base.
            ws.SetCell(wcNonIndexed, row, Str(q - x));
            ws.SetCell(wcCostBase, row, Str(q - x));
            continue;
        }
        const long double net = RoundEven(q - x);
        long double cpi =
            IsDateText(cost.incurred) ? CpiForDate(DateOfText(cost.incurred)) : f.eventCpi;
        if (cpi == 0) cpi = f.eventCpi;
        const long double factor = IndexFactor(f.eventCpi, cpi);
        const long double indexed = RoundEven(net * factor);
        ws.SetCell(wcNonIndexed, row, Str(net));
        ws.SetCell(wcCpi, row, Str(cpi));
        ws.SetCell(wcFactor, row, Str(factor, 10, 3));
        ws.SetCell(wcCostBase, row, Str(indexed));
        ws.SetCell(wcReducedExcluded, row, Str(x));
        ws.SetCell(wcReduced, row, Str(q - x));
        if (code == "2B") {
            f.eventCostsNonIndexed += net;
            f.eventCostsIndexed += indexed;
            f.eventCostsReduced += q - x;
        }
    }
}

long double TotalInto(int field, const TGridModel& ws, int col) {
    SetFieldType(field, dtCurrencyCnt);
    SetFieldVal(field, ws.ColumnTotal(col));
    return GetFieldVal(field);
}

}  // namespace

CostBaseFigures CalculateCostBases(TGridModel& ws, const SummaryState& state) {
    CostBaseFigures f;
    // 1, 2: dates and availability of the methods.
    f.baseDate = DateOfText(GetFieldStr(fBaseDate));
    f.eventDate = state.eventDate;
    f.eventValid = FieldIsDate(fEventDate);
    f.availability = DateAvailability(f.baseDate);
    if (SectionTwoAmountsEntered()) {
        if (FieldEmpty(fSection2Indexed)) f.availability.noIndexation = true;
        if (FieldEmpty(fSection2NonIndexed)) f.availability.noDiscount = true;
    }
    // 3: event data.
    const std::string eventText = f.eventValid ? FormatDate(f.eventDate) : std::string();
    SetFieldStr(fEventDateShown, eventText);
    f.eventCpi = f.eventValid ? CpiForDate(f.eventDate) : FrozenCpi;
    SetFieldVal(fEventCpi, f.eventCpi);
    if (state.proceeds > 0) SetFieldVal(fProceedsShown, RoundEven(state.proceeds));
    f.proceeds = GetFieldVal(fProceedsShown);
    f.percent = FieldNumber(fPercentDisposed);
    SetFieldVal(fPercentShown, f.percent);
    SetFieldVal(fDaysNotExemptShown, RoundEven(GetFieldVal(fDaysNotExempt)));
    SetFieldVal(fTotalDaysShown, RoundEven(GetFieldVal(fTotalDays)));
    for (int k = 0; k < 3; ++k) SetFieldVal(fNonAssessableAdjustment + k, ZeroMarker);
    // 4: the 12-month test.
    f.held = HeldTwelveMonths(f.baseDate, f.eventDate) > 0;
    // 5, 6: worksheet rows.
    RowAppender rows(ws);
    AddOpeningRows(ws, rows, f);
    Adjustments adj;
    AddCostRows(ws, rows, f, adj);
    SetFieldVal(fBalancingAdjustment, adj.nonIndexed);
    SetFieldVal(fBalancingAdjustment + 1, adj.indexed);
    SetFieldVal(fBalancingAdjustment + 2, adj.reduced);
    // 7: totals and cost bases.
    const long double totals[3] = {TotalInto(fTotalNonIndexed, ws, wcNonIndexed),
                                   TotalInto(fTotalIndexed, ws, wcCostBase),
                                   TotalInto(fTotalReduced, ws, wcReduced)};
    const long double adjustments[3] = {adj.nonIndexed, adj.indexed, adj.reduced};
    long double adjusted[3];
    for (int k = 0; k < 3; ++k) {
        const long double costBase = RoundEven(adjustments[k] + totals[k]);
        SetFieldVal(fCostBase + k, costBase);
        adjusted[k] = RoundEven(costBase - GetFieldVal(fNonAssessableAdjustment + k));
        SetFieldVal(fAdjustedCostBase + k, adjusted[k]);
    }
    f.adjustedNonIndexed = adjusted[0];
    f.adjustedIndexed = adjusted[1];
    f.adjustedReduced = adjusted[2];
    return f;
}
