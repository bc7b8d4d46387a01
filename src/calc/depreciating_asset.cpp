#include "calc/depreciating_asset.h"

#include "base/numbers.h"
#include "calc/asset_fields.h"
#include "calc/calc_inputs.h"
#include "calc/item_notices.h"
#include "store/field_store.h"

namespace {

// The fields of one column of the depreciating asset view.
struct ColumnFields {
    int terminationValue, cost, unadjusted, adjusted, result, costBase;
};
constexpr ColumnFields IndexedFields{fIndexedProceeds, fCostShownIndexed, fUnadjustedIndexed,
                                     fAdjustedIndexed, fIndexedGain,      fIndexedCostBase};
constexpr ColumnFields DiscountFields{fDiscountProceeds, fCostShownDiscount, fUnadjustedDiscount, 0,
                                      fDiscountGain,     fDiscountCostBase};
constexpr ColumnFields OtherFields{fOtherProceeds, fCostShownOther, fUnadjustedOther, 0,
                                   fOtherGain,     fOtherCostBase};
constexpr ColumnFields LossFields{fLossProceeds, fCostShownLoss, fUnadjustedLoss, 0,
                                  fCapitalLoss,  fLossCostBase};

void Write(const MethodColumn& column, const DepreciatingColumn& use, const ColumnFields& f) {
    if (!column.enabled) {
        for (int field : {f.terminationValue, f.cost, f.unadjusted, f.adjusted, f.result})
            if (field) SetFieldVal(field, 0);
        ClearField(f.costBase);
        return;
    }
    SetFieldVal(f.terminationValue, column.proceeds);
    SetFieldVal(f.cost, use.cost);
    SetFieldVal(f.unadjusted, use.unadjusted);
    if (f.adjusted) SetFieldVal(f.adjusted, use.adjusted);
    SetFieldVal(f.result, column.result);
    SetFieldVal(f.costBase, column.costBase);
}

void BlankColumn(MethodColumn& column, DepreciatingColumn& use) {
    Blank(column);
    use = DepreciatingColumn{};
}

// The part of the asset's use that was not taxable, as a percentage.
long double NonTaxableUse() {
    // A typed zero or a negative decline is no decline to divide by.
    const long double decline = NonNegativeAmount(fTotalDecline, true);
    if (FieldEmpty(fTaxableUsePercent) && FieldNotEmpty(fSumOfReductions) && decline > 0)
        return NonNegativeAmount(fSumOfReductions, true) / decline * 100;
    return 100 - FieldNumber(fTaxableUsePercent);
}

}  // namespace

void DepreciatingMethods(AssetSummary& s, const CostBaseFigures& f) {
    // 1, 2, 3: indexation component, cost, termination value.
    s.indexationComponent = RoundEven(f.adjustedIndexed) - RoundEven(f.adjustedNonIndexed);
    const long double cost = RoundEven(NonNegativeAmount(fDepreciatingCost));
    const long double termination = s.state.proceeds > 0 ? s.state.proceeds : 0;
    // 4, 5: unadjusted and adjusted results.
    long double unadjustedLoss = RoundEven(cost - termination);
    if (unadjustedLoss == 0) unadjustedLoss = ZeroMarker;
    const long double unadjustedGain = GainOrZero(termination - cost);
    const long double adjustedIndexed =
        unadjustedGain == ZeroMarker ? ZeroMarker : unadjustedGain - s.indexationComponent;
    // 6, 7: scaled by the non-taxable use.
    const long double use = NonTaxableUse();
    auto scaledGain = [&](long double adjusted) { return GainOrZero(use * adjusted / 100); };
    s.indexedUse = {cost, unadjustedGain, adjustedIndexed, use};
    s.discountUse = {cost, unadjustedGain, unadjustedGain, use};
    s.otherUse = {cost, unadjustedGain, unadjustedGain, use};
    s.lossUse = {cost, unadjustedLoss, unadjustedLoss, use};
    const long double indexedGain =
        unadjustedGain == ZeroMarker ? ZeroMarker : scaledGain(adjustedIndexed);
    s.indexed = MethodColumn{true, termination, cost + s.indexationComponent, indexedGain};
    s.discount = MethodColumn{true, termination, cost, scaledGain(unadjustedGain)};
    s.other = MethodColumn{true, termination, cost, scaledGain(unadjustedGain)};
    // A loss of nothing stays a result of nothing rather than vanishing in the scaling.
    const long double loss =
        unadjustedLoss == ZeroMarker ? ZeroMarker : RoundEven(use * unadjustedLoss / 100);
    s.loss = MethodColumn{true, termination, cost, loss};
    // 8, 9: no event date blanks every column; then availability as for other assets.
    if (!f.eventValid) {
        BlankColumn(s.indexed, s.indexedUse);
        BlankColumn(s.discount, s.discountUse);
        BlankColumn(s.other, s.otherUse);
    }
    if (!f.eventValid || s.loss.result < 0) BlankColumn(s.loss, s.lossUse);
    if (f.availability.noIndexation) {
        BlankColumn(s.indexed, s.indexedUse);
        s.indexationComponent = 0;
    } else {
        BlankColumn(s.other, s.otherUse);
    }
    if (f.availability.noDiscount)
        BlankColumn(s.discount, s.discountUse);
    else
        BlankColumn(s.other, s.otherUse);
    if (s.loss.enabled && s.loss.result > 0) BlankColumn(s.other, s.otherUse);

    Write(s.indexed, s.indexedUse, IndexedFields);
    Write(s.discount, s.discountUse, DiscountFields);
    Write(s.other, s.otherUse, OtherFields);
    Write(s.loss, s.lossUse, LossFields);
}
