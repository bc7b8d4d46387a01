#include "screens/core/event_checks.h"

#include <algorithm>

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "screens/core/asset_tables.h"
#include "screens/core/money_entry.h"

const char* const AfterJune2001Message =
    "As the date of receipt of your non-assessable amount is after 30 June 2001,\r"
    "you do not have to enter the CGT concession amount";

const char* const ProceedsMissingMessage =
    "You must enter the proceeds for this event.\rIf gain or loss is being deferred you can "
    "enter 0";

namespace {

const char* const DisposalBeforeExpense =
    "The date asset disposed of cannot be earlier than date an expense was incurred.";
const char* const EventBeforeAcquisition =
    "Check dates. A CGT event cannot occur prior to acquisition.";
const char* const EventBeforeEffective =
    "Check dates. You cannot have a CGT event date prior to cost base effective date.";
const char* const EventDateMissing = "You must enter the date of the CGT event.";
const char* const PaymentsIncomplete =
    "If either dates and amount are present then all must be completed.";

std::string Cell(const std::vector<std::string>& cells, size_t row, int columns, int col) {
    const size_t at = row * static_cast<size_t>(columns) + static_cast<size_t>(col);
    return at < cells.size() ? cells[at] : std::string();
}

size_t RowCount(const std::vector<std::string>& cells, int columns) {
    return (cells.size() + static_cast<size_t>(columns) - 1) / static_cast<size_t>(columns);
}

// The scan both payment tables share: `detail` is the column that must come with a date.
std::optional<Refusal> PaymentsCheck(const std::vector<std::string>& cells, int columns, int detail,
                                     bool cgtStartRule, double acquired, double effective) {
    for (size_t r = 0; r < RowCount(cells, columns); ++r) {
        const double paid = ReadDateText(Cell(cells, r, columns, 0));
        std::optional<std::string> message;
        if (DateBefore(paid, acquired))
            message =
                "Check dates. A non-assessable receipt cannot be received before the date "
                "of acquisition.";
        else if (DatePresent(paid) && DatePresent(effective) && paid <= effective)
            message =
                "Check dates. A non-assessable receipt cannot be received before the cost "
                "base effective date.";
        else if (DatePresent(paid) != HasText(Cell(cells, r, columns, detail)))
            message = PaymentsIncomplete;
        else if (cgtStartRule &&
                 (DateBefore(paid, CgtStartDate()) ||
                  DateBefore(ReadDateText(Cell(cells, r, columns, 1)), CgtStartDate())))
            message = PreCgtDateMessage;
        if (message) return Refusal{std::move(*message), 0, static_cast<int>(r) + 1, 0};
    }
    return std::nullopt;
}

bool EarlierThanAnExpense(double event, const std::vector<double>& incurred) {
    return DatePresent(event) &&
           std::any_of(incurred.begin(), incurred.end(), [event](double d) { return event < d; });
}

}  // namespace

std::optional<Refusal> SharePaymentsLeaveCheck(const std::vector<std::string>& cells,
                                               double acquired, double effective) {
    return PaymentsCheck(cells, SharePaymentColumns, 3, true, acquired, effective);
}

std::optional<Refusal> TrustPaymentsLeaveCheck(const std::vector<std::string>& cells,
                                               double acquired, double effective) {
    return PaymentsCheck(cells, TrustPaymentColumns, 2, false, acquired, effective);
}

TrustPaymentRule TrustPaymentRuleFor(const std::string& paymentDate) {
    TrustPaymentRule rule;
    const double paid = ReadDateText(paymentDate);
    if (!DatePresent(paid)) return rule;
    const CivilDate civil = DecodeDate(paid);
    const int incomeYear = civil.month > 6 ? civil.year + 1 : civil.year;
    rule.eventDate =
        paid <= EncodeDate(1998, 6, 30) ? FormatDate(paid) : "30/06/" + std::to_string(incomeYear);
    if (paid < IndexationCutOff()) rule.concessionReadOnly = rule.blankConcession = true;
    if (paid > EncodeDate(2001, 6, 30)) rule.blankConcession = rule.afterJune2001 = true;
    rule.taxFreeReadOnly = paid < EncodeDate(1986, 12, 18);
    rule.taxExemptedReadOnly = paid < EncodeDate(1990, 7, 1);
    return rule;
}

std::vector<double> CostElementIncurredDates(const std::vector<std::string>& cells) {
    std::vector<double> dates;
    for (const CostElementRow& row : CostElementRows(cells, 8)) {
        if (row.element.empty()) continue;
        if (const double date = ReadDateText(row.incurred); DatePresent(date))
            dates.push_back(date);
    }
    return dates;
}

std::optional<Refusal> EventLeaveCheck(const EventInput& in) {
    const bool beforeExpense = EarlierThanAnExpense(in.event, in.incurred);
    if (DateBefore(in.event, CgtStartDate())) return RefuseAt(efEventDate, PreCgtDateMessage);
    if (beforeExpense) return RefuseAt(efEventDate, DisposalBeforeExpense);
    if (!DatePresent(in.event) && in.proceedsEntered)
        return RefuseAt(efEventDate, EventDateMissing);
    if (DateBefore(in.event, in.acquired)) return RefuseAt(efEventDate, EventBeforeAcquisition);
    if (DateBefore(in.event, in.effective)) return RefuseAt(efEventDate, EventBeforeEffective);
    if (DatePresent(in.event) && !in.proceedsEntered)
        return RefuseAt(efProceeds, ProceedsMissingMessage);
    return std::nullopt;
}

namespace {

const char* const PercentageName = "\"Taxable use percentage\"";

std::optional<Refusal> DepreciatingMissing(const DepreciatingInput& in) {
    const bool anything = HasText(in.termination) || HasText(in.cost) || HasText(in.eventText) ||
                          HasText(in.percentage) || HasText(in.sum) || HasText(in.decline);
    if (!anything) return std::nullopt;
    const std::string amounts =
        "You must enter amounts in \"Cost\", \"Termination value\" and \"Date of CGT event\" "
        "before moving on.";
    if (!HasText(in.cost)) return RefuseAt(dfCost, amounts);
    if (!HasText(in.termination)) return RefuseAt(dfTermination, amounts);
    if (!HasText(in.eventText)) return RefuseAt(dfEventDate, amounts);
    if (!in.poolYes && !in.poolNo)
        return RefuseAt(dfPool,
                        "You must enter whether the asset belongs to a low-value pool and complete "
                        "further details.");
    if (in.poolNo && !HasText(in.percentage) && !HasText(in.sum) && !HasText(in.decline))
        return RefuseAt(dfPercentage,
                        std::string("You must fill in either ") + PercentageName +
                            " or both \"Sum of reductions\" and \"Total decline\" before "
                            "moving on.");
    if (in.poolYes && !HasText(in.percentage))
        return RefuseAt(dfPercentage,
                        std::string("You must fill in ") + PercentageName + " before moving on.");
    return std::nullopt;
}

}  // namespace

std::optional<Refusal> DepreciatingLeaveCheck(const DepreciatingInput& in) {
    if (auto missing = DepreciatingMissing(in)) return missing;
    const double event = ReadDateText(in.eventText);
    if (EarlierThanAnExpense(event, in.incurred))
        return RefuseAt(dfEventDate, DisposalBeforeExpense);
    const bool nothingToDate = !DatePresent(event) && in.terminationValue == 0 && in.costValue == 0;
    if (!nothingToDate && (!DatePresent(event) || !HasText(in.termination) || !HasText(in.cost)))
        return RefuseAt(
            dfCost, "Asset cost, Termination value and date of the CGT event must all be entered.");
    const bool percentage = HasText(in.percentage), sum = HasText(in.sum),
               decline = HasText(in.decline);
    const bool terminated = in.terminationValue != 0;
    if (terminated && !percentage && !sum && !decline)
        return RefuseAt(
            dfPercentage,
            "Either taxable use percentage or sum of reductions and total decline must be "
            "entered.");
    if (terminated && percentage && (sum || decline))
        return RefuseAt(
            dfPercentage,
            "Only one of taxable use percentage or sum of reductions and total decline can "
            "be present.");
    if (terminated && sum != decline)
        return RefuseAt(dfSum, "Both sum of reductions and total decline amount are required.");
    if ((sum || decline) && RoundEven(TextAmount(in.decline)) < RoundEven(TextAmount(in.sum)))
        return RefuseAt(
            dfDecline,
            "Total decline amount must be greater than or equal to the sum of reductions "
            "amount.");
    if (!DatePresent(event) && terminated) return RefuseAt(dfEventDate, EventDateMissing);
    if (DateBefore(event, in.acquired)) return RefuseAt(dfEventDate, EventBeforeAcquisition);
    if (DateBefore(event, in.effective)) return RefuseAt(dfEventDate, EventBeforeEffective);
    if (!terminated && DatePresent(event)) return RefuseAt(dfTermination, ProceedsMissingMessage);
    return std::nullopt;
}

std::optional<Refusal> DeferralLeaveCheck(const DeferralInput& in) {
    const char* const either = "You must select either 'Yes' or 'No'.";
    if (!in.q2Yes && !in.q2No && in.eventDated)
        return RefuseAt(xfQ2Yes,
                        "You must advise if the gain or loss for this event can be deferred");
    if (in.q2Yes && !in.q3Yes && !in.q3No) return RefuseAt(xfQ3Yes, either);
    if (in.scripAsked && in.q2Yes && !in.scripYes && !in.scripNo)
        return RefuseAt(xfScripYes, either);
    if (in.exemption && !IsActiveAssetType(in.assetType))
        return RefuseAt(xfExemption,
                        "Asset must be of an Active type to claim 15 year active asset exemption.");
    return std::nullopt;
}
