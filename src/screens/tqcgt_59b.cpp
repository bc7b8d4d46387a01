#include "screens/tqcgt_59b.h"

TQCGT_59b::TQCGT_59b() : TPaymentSummaryScreen(PaymentScreen::Trusts) {
    setObjectName(QStringLiteral("TQCGT_59b"));
}
