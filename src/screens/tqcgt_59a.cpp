#include "screens/tqcgt_59a.h"

#include "controls/txgrid.h"
#include "screens/core/summary_rules.h"
#include "screens/grid_focus.h"

TQCGT_59a::TQCGT_59a() : TPaymentSummaryScreen(PaymentScreen::Shares) {
    setObjectName(QStringLiteral("TQCGT_59a"));
}

void TQCGT_59a::CheckPaymentDates() {
    const auto row = RowWithPreCgtDate(Grid()->Model());
    if (!row) return;
    Refuse(PaymentDateMessage, nullptr);
    SelectView(WorksheetView);
    FocusGridCell(Grid(), 0, *row);
}
