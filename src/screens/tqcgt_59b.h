#pragma once
// The non-assessable payments summary of trust interests: tax-deferred and similar amounts
// paid on one date of CGT event count as one payment.

#include "screens/tpaymentsummaryscreen.h"

class TQCGT_59b : public TPaymentSummaryScreen {
    Q_OBJECT
public:
    TQCGT_59b();
};
