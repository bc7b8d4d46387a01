#pragma once
// The non-assessable payments summary of shares: capital returns reduce the cost bases, and
// it refuses to be left while a worksheet date lies before CGT started.

#include "screens/tpaymentsummaryscreen.h"

class TQCGT_59a : public TPaymentSummaryScreen {
    Q_OBJECT
public:
    TQCGT_59a();

    // The leave check.
    void CheckPaymentDates();

protected:
    void CheckLeave() override { CheckPaymentDates(); }
};
