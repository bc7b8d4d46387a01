#include "calc/return_labels.h"

#include "base/numbers.h"
#include "store/field_store.h"

namespace {

void UpdateEventLabels() {
    const bool event = FieldChecked(fModuleHasCgtRecords) || FieldChecked(fHostCgtEvent);
    if (event) {
        SetFieldChecked(fCgtEventYes);
        SetFieldUnchecked(fCgtEventNo);
    } else {
        SetFieldUnchecked(fCgtEventYes);
        SetFieldChecked(fCgtEventNo);
    }
}

}  // namespace

void SetCgtPresent(bool present) {
    if (present)
        SetFieldChecked(fModuleHasCgtRecords);
    else
        SetFieldUnchecked(fModuleHasCgtRecords);
    UpdateEventLabels();
}

void UpdateReturnLabels() {
    UpdateEventLabels();
    // Four decimals, so an explicit zero of either amount survives the rounding.
    long double scaled =
        RoundEven((GetFieldVal(fHostNetGain, true) + GetFieldVal(fModuleNetGain, true)) * 10000);
    if (scaled == 0 && (IsZeroMarker(fHostNetGain) || IsZeroMarker(fModuleNetGain))) scaled = 11;
    SetFieldVal(fNetGainLabel, scaled / 10000);
    SetFieldVal(fTotalGainsLabel,
                GetFieldVal(fHostTotalGains, true) + GetFieldVal(fModuleTotalGains, true));
}

void SetNetCapitalGain(long double amount) {
    SetFieldVal(fModuleNetGain, amount);
    if (GetFieldVal(fModuleTotalGains, true) > 0 && GetFieldVal(fModuleNetGain, true) == 0)
        SetFieldVal(fModuleNetGain, ZeroMarker);
    UpdateReturnLabels();
}
