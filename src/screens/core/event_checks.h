#pragma once
// The leave checks of the payments, event and deferral screens, on plain values, and the
// rule that derives a trust payment's event date and the columns that apply to it.

#include <optional>
#include <string>
#include <vector>

#include "base/dates.h"
#include "screens/core/acquisition_checks.h"

// Non-assessable payments. Shares: column 0 the event date, 1 the receipt date, 3 the
// amount. Trusts: column 0 the payment date, 2 the description.
std::optional<Refusal> SharePaymentsLeaveCheck(const std::vector<std::string>& cells,
                                               double acquired, double effective);
std::optional<Refusal> TrustPaymentsLeaveCheck(const std::vector<std::string>& cells,
                                               double acquired, double effective);
constexpr int SharePaymentColumns = 6;
constexpr int TrustPaymentColumns = 8;

// What clicking a trust payment row does to it.
struct TrustPaymentRule {
    std::string eventDate;  // column 1
    bool concessionReadOnly = false, blankConcession = false, afterJune2001 = false;
    bool taxFreeReadOnly = false, taxExemptedReadOnly = false;
};
// Nothing but a blank event date for a row without a readable payment date.
TrustPaymentRule TrustPaymentRuleFor(const std::string& paymentDate);
extern const char* const AfterJune2001Message;

// Incurred dates of the cost elements list (first cell not empty, second cell readable).
std::vector<double> CostElementIncurredDates(const std::vector<std::string>& cells);

// Event and proceeds.
enum EventFocus { efEventDate = 1, efProceeds };
struct EventInput {
    double event = NoDate, acquired = NoDate, effective = NoDate;
    bool proceedsEntered = false;  // a typed zero counts
    std::vector<double> incurred;
};
std::optional<Refusal> EventLeaveCheck(const EventInput& in);

// Depreciating asset event.
enum DepreciatingFocus {
    dfCost = 1,
    dfTermination,
    dfEventDate,
    dfPool,
    dfPercentage,
    dfSum,
    dfDecline
};
struct DepreciatingInput {
    std::string termination, cost, eventText, percentage, sum, decline;
    long double terminationValue = 0, costValue = 0;
    bool poolYes = false, poolNo = false;
    double acquired = NoDate, effective = NoDate;
    std::vector<double> incurred;
};
std::optional<Refusal> DepreciatingLeaveCheck(const DepreciatingInput& in);

// Deferral and exemption.
enum DeferralFocus { xfQ2Yes = 1, xfQ3Yes, xfScripYes, xfExemption };
struct DeferralInput {
    bool q2Yes = false, q2No = false, q3Yes = false, q3No = false;
    bool scripAsked = false, scripYes = false, scripNo = false;
    bool eventDated = false, exemption = false;
    std::string assetType;
};
std::optional<Refusal> DeferralLeaveCheck(const DeferralInput& in);

extern const char* const ProceedsMissingMessage;
