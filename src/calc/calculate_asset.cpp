// CalculateAsset: the cost base of each method, the gains or the loss, which methods are
// available, and the messages.

#include "base/numbers.h"
#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/asset_types.h"
#include "calc/depreciating_asset.h"
#include "calc/summary_steps.h"
#include "store/field_store.h"

namespace {

bool PartialDisposal(long double percent) { return percent != 0 && percent != 100; }

// The part disposed of takes its share of the cost base and the event's own costs in full.
long double Share(long double percent, long double adjusted, long double eventCosts) {
    return RoundEven(percent * (adjusted - eventCosts) / 100 + eventCosts);
}

void GeneralMethods(AssetSummary& s, const CostBaseFigures& f) {
    // 8: cost base of each method.
    const bool partial = PartialDisposal(f.percent);
    s.indexed.costBase = partial ? Share(f.percent, f.adjustedIndexed, f.eventCostsIndexed)
                                 : RoundEven(f.adjustedIndexed);
    s.discount.costBase = partial ? Share(f.percent, f.adjustedNonIndexed, f.eventCostsNonIndexed)
                                  : RoundEven(f.adjustedNonIndexed);
    s.loss.costBase = partial ? Share(f.percent, f.adjustedReduced, f.eventCostsReduced)
                              : RoundEven(f.adjustedReduced);
    s.other.costBase = s.discount.costBase;
    // 9: gains.
    const long double proceeds = RoundEven(f.proceeds);
    for (MethodColumn* column : {&s.indexed, &s.discount, &s.other, &s.loss}) {
        column->proceeds = proceeds;
        if (column != &s.loss) column->result = GainOrZero(proceeds - column->costBase);
    }
    if (!f.eventValid) {
        Blank(s.indexed);
        Blank(s.discount);
        Blank(s.other);
    }
    // 10: loss; a loss on a personal use asset is disregarded.
    long double loss = RoundEven(s.loss.costBase - proceeds);
    if (loss == 0 || (loss > 0 && IsPersonalUseType(ItemAssetType()))) loss = ZeroMarker;
    s.loss.result = loss;
    if (!f.eventValid || loss < 0) Blank(s.loss);
    // 11: cost bases carried forward to the part not disposed of.
    s.partialDisposal = partial;
    if (partial) {
        const long double kept = 100 - f.percent;
        s.carriedIndexed = RoundEven(kept * (f.adjustedIndexed - f.eventCostsIndexed) / 100);
        s.carriedNonIndexed =
            RoundEven(kept * (f.adjustedNonIndexed - f.eventCostsNonIndexed) / 100);
        s.carriedReduced = RoundEven(kept * (f.adjustedReduced - f.eventCostsReduced) / 100);
    }
    // 12: availability; the other method is left only when neither of the others applies.
    if (f.availability.noIndexation)
        Blank(s.indexed);
    else
        Blank(s.other);
    if (f.availability.noDiscount)
        Blank(s.discount);
    else
        Blank(s.other);
    if (s.loss.enabled && s.loss.result > ZeroMarker) Blank(s.other);
}

}  // namespace

long double GainOrZero(long double amount) {
    const long double gain = RoundEven(amount);
    return gain < 1 ? ZeroMarker : gain;
}

void Blank(MethodColumn& column) { column = MethodColumn{false}; }

void WriteMethodColumn(const MethodColumn& column, int proceedsField, int costBaseField,
                       int resultField) {
    SetFieldVal(proceedsField, column.proceeds);
    SetFieldVal(costBaseField, column.costBase);
    SetFieldVal(resultField, column.result);
}

AssetSummary CalculateAsset(TGridModel& worksheet, const SummaryInputs& inputs,
                            const SummaryState& state) {
    AssetSummary s;
    s.state = state;
    CostBaseFigures f = CalculateCostBases(worksheet, state);
    if (!f.held) f.availability.noIndexation = f.availability.noDiscount = true;
    s.held = f.held;
    if (inputs.screen == SummaryScreen::Depreciating) {
        DepreciatingMethods(s, f);
    } else {
        GeneralMethods(s, f);
        WriteMethodColumn(s.indexed, fIndexedProceeds, fIndexedCostBase, fIndexedGain);
        WriteMethodColumn(s.discount, fDiscountProceeds, fDiscountCostBase, fDiscountGain);
        WriteMethodColumn(s.other, fOtherProceeds, fOtherCostBase, fOtherGain);
        WriteMethodColumn(s.loss, fLossProceeds, fLossCostBase, fCapitalLoss);
    }
    WriteSummaryMessages(s, inputs);
    return s;
}
