#include "calc/cgt_schedule.h"

#include <algorithm>
#include <array>

#include "base/numbers.h"
#include "calc/asset_types.h"

#include "calc/choice_columns.h"
#include "calc/choice_steps.h"
#include "calc/return_labels.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

using Columns = std::array<long double, 3>;  // index, discount, other
enum { Index = 0, Discount = 1, OtherMethod = 2 };

// Half the discount gains in whole dollars, the odd half dollar to the taxpayer: the net
// capital gain then equals the choice table's total net gain without its cents.
long double CgtDiscount(long double gains) {
    const long double whole = Trunc(gains);
    return whole - Trunc(whole / 2);
}

// Whole dollars throughout: every sum is cut to dollars as it is taken.
void Add(long double& sum, long double amount) { sum = Trunc(sum + amount); }

struct Totals {
    // Part A by type group, in the order of their fields.
    std::array<Columns, 7> gains{};
    Columns nonActive{}, active{};                  // Part E
    Columns collectable{}, other{}, transferred{};  // losses applied
    long double lossShares = 0, lossRealEstate = 0, lossOther = 0;
};

// The Part A group of a type, -1 for a type outside the schedule's lists.
int GainGroup(const std::string& t) {
    if (IsAssetType(t, {"SN", "UN"})) return 0;
    if (IsAssetType(t, {"RN"})) return 1;
    if (IsAssetType(t, {"P", "ON"})) return 2;
    if (IsCollectableType(t)) return 3;
    if (IsAssetType(t, {"SA", "UA"})) return 4;
    if (IsAssetType(t, {"RA"})) return 5;
    if (IsAssetType(t, {"G", "OA"})) return 6;
    return -1;
}

void AddLoss(Totals& totals, const ChoiceRow& r) {
    const std::string& t = r.type;
    if (IsAssetType(t, {"SN", "UN", "SA", "UA"}))
        Add(totals.lossShares, r.loss);
    else if (IsAssetType(t, {"RN", "RA"}))
        Add(totals.lossRealEstate, r.loss);
    else if (IsAssetType(t, {"P", "ON", "A", "G", "OA"}))
        Add(totals.lossOther, r.loss);
}

void AddGain(Totals& totals, const ChoiceRow& r, int col, long double gain) {
    const int group = GainGroup(r.type);
    if (group >= 0) {
        Add(totals.gains[static_cast<size_t>(group)][col], gain);
        const long double afterLosses =
            gain - r.collectableApplied - r.otherApplied - r.transferredApplied;
        Add(group < 4 ? totals.nonActive[col] : totals.active[col], afterLosses);
    }
    if (r.collectableApplied > 0) Add(totals.collectable[col], r.collectableApplied);
    if (r.otherApplied > 0) Add(totals.other[col], r.otherApplied);
    if (r.transferredApplied > 0) Add(totals.transferred[col], r.transferredApplied);
}

void AddRow(Totals& totals, const ChoiceRow& r) {
    if (r.choiceRequired == "Yes") {
        if (r.loss > 0)
            AddLoss(totals, r);
        else if (r.method == "Indexed")
            AddGain(totals, r, Index, r.indexed);
        else if (r.method == "Discount")
            AddGain(totals, r, Discount, r.discount);
    } else if (r.choiceRequired == "No") {
        if (r.loss > 0)
            AddLoss(totals, r);
        else if (r.indexed > 0)
            AddGain(totals, r, Index, r.indexed);
        else if (r.discount > 0)
            AddGain(totals, r, Discount, r.discount);
        else if (r.other > 0)
            AddGain(totals, r, OtherMethod, r.other);
    }
}

void SetThree(int first, const Columns& values) {
    for (int col = 0; col < 3; ++col) SetFieldVal(first + col, values[col]);
}

// Sets the three columns and their total in the fourth field (or in `totalField`).
void SetFour(int first, const Columns& values, int totalField = 0) {
    SetThree(first, values);
    SetFieldVal(totalField ? totalField : first + 3,
                Trunc(Trunc(values[0] + values[1]) + values[2]));
}

long double UnappliedCarried(const ChoiceTable& table, int col) {
    return Trunc(CellValue(table.unapplied, col, 1) + CellValue(table.unapplied, col, 2));
}

}  // namespace

void BuildSchedule(const ChoiceTable& table) {
    GetWorksheetItem(ScheduleWorksheet, 1);
    Totals totals;
    for (int row = 1; row < table.grid.RowCount(); ++row) {
        const ChoiceRow r = LoadChoiceRow(table, row);
        if (!r.Deferred()) AddRow(totals, r);
    }
    Columns gross{}, current{}, prior{}, applied{}, afterLosses{};
    for (const Columns& group : totals.gains)
        for (int col = 0; col < 3; ++col) Add(gross[col], group[col]);
    // This year's other losses are taken as used first, index column first.
    long double currentLeft = table.currentOtherUsed;
    for (int col = 0; col < 3; ++col) {
        current[col] = Trunc(std::min(currentLeft, totals.other[col]));
        currentLeft -= current[col];
        prior[col] = totals.other[col] - current[col];
        applied[col] = Trunc(current[col] + prior[col]);
        afterLosses[col] = Trunc(totals.nonActive[col] + totals.active[col]);
    }

    SetFieldStr(ItemNameField, ScheduleName);
    const int groupFields[] = {
        fSchedNonActiveShares, fSchedNonActiveRealEstate, fSchedNonActiveOther, fSchedCollectables,
        fSchedActiveShares,    fSchedActiveRealEstate,    fSchedActiveOther};
    for (size_t group = 0; group < totals.gains.size(); ++group)
        SetThree(groupFields[group], totals.gains[group]);
    Columns collectablesNet{}, totalGains{};
    for (int col = 0; col < 3; ++col) {
        collectablesNet[col] = Trunc(totals.gains[3][col] - totals.collectable[col]);
        totalGains[col] = Trunc(gross[col] - totals.collectable[col]);
    }
    SetThree(fSchedCollectables, collectablesNet);
    SetThree(fSchedTotalGains, totalGains);
    SetFieldVal(fSchedLossShares, totals.lossShares);
    SetFieldVal(fSchedLossRealEstate, totals.lossRealEstate);
    SetFieldVal(fSchedLossOther, totals.lossOther);
    SetFieldVal(fSchedLossTotal,
                Trunc(Trunc(totals.lossShares + totals.lossRealEstate) + totals.lossOther));
    SetFour(fSchedCurrentApplied, current);
    SetFour(fSchedPriorApplied, prior);
    SetFour(fSchedTransferredApplied, totals.transferred, fSchedTransferredTotal);
    SetFour(fSchedTotalApplied, applied);
    SetThree(fSchedNonActiveAfterLosses, totals.nonActive);
    SetThree(fSchedActiveAfterLosses, totals.active);
    SetThree(fSchedAfterLosses, afterLosses);

    long double moduleGains = Trunc(Trunc(totalGains[0] + totalGains[1]) + totalGains[2]);
    const bool anyGross = gross[0] > 0 || gross[1] > 0 || gross[2] > 0;
    // Gains that the collectable losses used up still make a year with gains.
    SetFieldVal(fModuleTotalGains, moduleGains == 0 && anyGross ? ZeroMarker : moduleGains);
    UpdateReturnLabels();

    const long double discountNonActive = CgtDiscount(totals.nonActive[Discount]);
    const long double discountActive = CgtDiscount(totals.active[Discount]);
    SetFieldVal(fSchedDiscountNonActive, discountNonActive);
    SetFieldVal(fSchedDiscountActive, discountActive);
    const long double collectableCarried = UnappliedCarried(table, 1);
    const long double otherCarried = UnappliedCarried(table, 2);
    SetFieldVal(fSchedCollectableCarried, collectableCarried);
    SetFieldVal(fSchedOtherCarried, otherCarried);
    SetFieldVal(fLossesCarriedLabel, Trunc(collectableCarried + otherCarried));

    auto stored = [](int field) { return GetFieldVal(field, true); };
    Columns reductions{}, net{};
    for (int col = 0; col < 3; ++col)
        reductions[col] =
            Trunc(Trunc(stored(fSchedActiveReduction + col) + stored(fSchedRetirement + col)) +
                  stored(fSchedRollOver + col));
    reductions[Discount] = Trunc(reductions[Discount] + Trunc(discountNonActive + discountActive));
    for (int col = 0; col < 3; ++col) net[col] = Trunc(afterLosses[col] - reductions[col]);
    SetThree(fSchedReductions, reductions);
    SetThree(fSchedNetGainByColumn, net);
    const long double netGain = Trunc(Trunc(net[0] + net[1]) + net[2]);
    SetFieldVal(fSchedNetGain, netGain);
    SetNetCapitalGain(netGain);
    PutWorksheetItem(ScheduleWorksheet, 1);
}
