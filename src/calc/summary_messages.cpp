// The two sentences that tell the taxpayer what happens to the asset's result.

#include "calc/asset_fields.h"
#include "calc/asset_types.h"
#include "calc/summary_steps.h"
#include "store/field_store.h"

namespace {

bool ActiveAsset() { return IsActiveAssetType(ItemAssetType()); }

std::string FirstMessage(const AssetSummary& s, SummaryScreen screen) {
    const bool result = s.indexed.result >= 1 || s.discount.result >= 1 || s.other.result >= 1 ||
                        s.loss.result >= 1;
    if (!result) return "You have no gain or loss in respect of this CGT event";
    if (FieldChecked(fMarriageBreakdownYes)) return "This gain or loss is disregarded this year";
    if (ActiveAsset() && FieldChecked(fFifteenYearExemption))
        return "This gain is exempt as it qualifies for the 15 year active asset exemption";
    if (ActiveAsset())
        return screen == SummaryScreen::Depreciating
                   ? "This gain may qualify for a small business concession. You will be asked "
                     "about this later in the interview."
                   : "This gain may qualify for a small business concession. You will asked "
                     "about this later in the interview.";
    if (FieldChecked(fMarriageBreakdownNo))
        return "You will be able to choose if you want this gain or loss included this year or "
               "deferred to another year";
    return {};
}

void WriteMessage(int field, const std::string& text) {
    if (text.empty()) {
        ClearField(field);
    } else {
        SetFieldStr(field, text);
    }
}

}  // namespace

void WriteSummaryMessages(AssetSummary& s, const SummaryInputs& inputs) {
    for (int field : {fMessage1, fMessage2}) {
        if (GetFieldType(field) != dtString) {
            ClearField(field);
            SetFieldType(field, dtString);
        }
    }
    s.message1 = FirstMessage(s, inputs.screen);
    WriteMessage(fMessage1, s.message1);
    const bool choose = inputs.year.Contains(s.state.eventDate) && s.indexed.result > ZeroMarker &&
                        s.discount.result > ZeroMarker;
    s.message2 = choose ? "Later in the interview you will be required to choose between the "
                          "indexed and discount gain."
                        : std::string();
    WriteMessage(fMessage2, s.message2);
}
