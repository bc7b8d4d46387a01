#pragma once
// The non-assessable payments worksheet of a shares or trust interest item: every capital
// receipt, in date order, reduces the cost bases incurred up to it; what it exceeds them by
// is a capital gain of the year it was received.

#include "calc/calc_inputs.h"

class TGridModel;

enum class PaymentScreen { Shares, Trusts };

struct PaymentInputs {
    PaymentScreen screen = PaymentScreen::Shares;
    TaxYearDates year;
};

// Which gain columns of the payments view are available.
struct PaymentOutcome {
    bool stepRan = false;  // at least one payment was applied
    bool indexedEnabled = true;
    bool discountEnabled = true;
};

// Fills the worksheet (set up with SetUpPaymentWorksheet, cleared) from the item's cost
// elements and payments, sorted by date and code.
void BuildPaymentWorksheet(TGridModel& grid, const PaymentInputs& inputs);

// Works through the payments of a built worksheet and writes the cost bases after them and
// the gains from them into the item's fields.
PaymentOutcome ApplyPayments(TGridModel& grid, const PaymentInputs& inputs);

// Both steps on a fresh worksheet; the worksheet is also saved into the item.
PaymentOutcome RefreshPayments(TGridModel& grid, const PaymentInputs& inputs);

// The loaded item lists at least one payment (field 738).
bool PaymentsListed();
// Results of an earlier payment step (1151 to 1160, its worksheet 1199) cleared and 1198
// unticked, so that no stale cost base after payments or payment gain outlives the payments.
void ClearPaymentResults();
