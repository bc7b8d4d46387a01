#include "calc/opening_cost_base.h"

#include "calc/asset_fields.h"
#include "calc/item_notices.h"
#include "store/field_store.h"

OpeningCostBase ReadOpeningCostBase() {
    OpeningCostBase base;
    if (GetFieldVal(fPaymentNonIndexed) > 0 || GetFieldVal(fPaymentIndexed) > 0 ||
        GetFieldVal(fPaymentReduced) > 0) {
        base.present = base.afterPayments = true;
        base.date = GetFieldStr(fPaymentCostBaseDate);
        // A cost base used up exactly is kept as the typed zero: present, but worth 0.
        base.indexed = GetFieldVal(fPaymentIndexed, true);
        base.nonIndexed = GetFieldVal(fPaymentNonIndexed, true);
        base.reduced = GetFieldVal(fPaymentReduced, true);
    } else if (SectionTwoAmountsEntered()) {
        base.present = true;
        base.date = SectionTwoDateText();
        base.indexed = NonNegativeAmount(fSection2Indexed, true);
        base.nonIndexed = NonNegativeAmount(fSection2NonIndexed, true);
        base.reduced = NonNegativeAmount(fSection2Reduced, true);
    }
    return base;
}

bool CostElementCounts(const CostElement& cost, double baseDate) {
    const double incurred = DateOfText(cost.incurred);
    if (FieldIsDate(fPaymentCostBaseDate)) return incurred > FieldDate(fPaymentCostBaseDate);
    return incurred >= baseDate;
}
