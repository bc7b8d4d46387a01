#include "calc/page_figures.h"

#include <utility>

#include "base/currency_format.h"
#include "base/text_variables.h"
#include "calc/asset_fields.h"
#include "calc/choice_columns.h"
#include "calc/choice_steps.h"
#include "calc/indexation.h"
#include "store/field_store.h"

namespace {

std::string Money(long double value, int decimals) {
    return FormatCurrency({"$", ',', NegativeCurrencyStyle::MinusBeforeSymbol}, value, decimals,
                          15);
}

// The method's name and its gain's.
std::pair<const char*, const char*> MethodWords(NetFrom from) {
    switch (from) {
        case NetFrom::Indexed:
            return {"indexation", "Indexed gain "};
        case NetFrom::Discount:
            return {"discount", "Discount gain "};
        case NetFrom::Other:
            return {"other", "Other gain "};
        case NetFrom::None:
            break;
    }
    return {"", ""};
}

long double GainOf(const ChoiceRow& r, NetFrom from) {
    return from == NetFrom::Indexed ? r.indexed : from == NetFrom::Discount ? r.discount : r.other;
}

}  // namespace

std::string WorksheetChoiceNote() {
    const std::string stored = GetFieldText(fMessage2);
    // Only a disposal is in the choice table, and the table keeps the losses of each item
    // it saved; an item it has not saved has nothing chosen yet.
    if (!FieldChecked(fProceedsAboveZero) || !GetFieldLst(fItemLossesApplied)) return stored;
    ChoiceTable table;
    BuildDisposalRow(table);
    const ChoiceRow r = LoadChoiceRow(table, 1);
    if (r.Deferred())
        return "In the choice table this gain was deferred: it is not counted this year.";
    const NetFrom from = NetSource(r);
    if (from == NetFrom::None) return stored;
    const long double losses = r.collectableApplied + r.otherApplied + r.transferredApplied;
    const long double net = NetGain(r, from);
    std::string note = r.choiceRequired == "Yes" ? "Method chosen in the choice table: "
                                                 : "Method used in the choice table: ";
    const auto [method, gain] = MethodWords(from);
    note += std::string(method) + ". " + gain + Money(GainOf(r, from), 0) +
            " less capital losses applied " + Money(losses, 0);
    if (from == NetFrom::Discount)
        note += " = " + Money(GainOf(r, from) - losses, 0) + ", less the CGT discount of 50% (" +
                Money(GainOf(r, from) - losses - net, 2) + ")";
    return note + " = net capital gain " + Money(net, 2) + ".";
}

PageFigureLines PageFigures(const std::string& scriptName) {
    if (SameTextIgnoringCase(scriptName, "CGTCHOICE"))
        return {{figChoiceSummary, ChoiceSummaryLines()}};
    if (SameTextIgnoringCase(scriptName, "CGTWSHT"))
        return {{figWorksheetChoiceNote, {WorksheetChoiceNote()}}};
    if (SameTextIgnoringCase(scriptName, "SCHEDCGT"))
        return {{figScheduleCollectableLosses, {Str(CollectableLossesOfTheYear(), 0, 0)}}};
    return {};
}
