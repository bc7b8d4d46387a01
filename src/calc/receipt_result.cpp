#include "calc/receipt_result.h"

#include "base/numbers.h"
#include "store/field_store.h"
#include "store/zero_marker.h"

ReceiptResult ReceiptGainLoss(long double proceeds, long double costs) {
    // Whole dollars of the amounts entered: a typed zero adds no fraction.
    const long double gain = RoundEven(WithoutZeroMarker(proceeds) - WithoutZeroMarker(costs));
    if (gain > 0) return {gain, 0};
    if (gain < 0) return {0, -gain};
    // A result of nothing from a typed zero stays the typed zero, so that it is told from an
    // untouched screen.
    const long double typed = proceeds - costs;
    if (typed > 0) return {ZeroMarker, 0};
    if (typed < 0) return {0, ZeroMarker};
    return {0, 0};
}
