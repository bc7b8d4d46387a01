#pragma once
// The non-assessable payments summary of a share or trust interest: the cost bases after
// the payments and the gains the payments made, with the worksheet of every step.

#include "calc/payment_worksheet.h"
#include "interview/tassetscreen.h"
#include "screens/summary_widgets.h"

class QButtonGroup;
class QLabel;
class QWidget;
class TXGrid;

class TPaymentSummaryScreen : public TAssetScreen {
    Q_OBJECT
public:
    explicit TPaymentSummaryScreen(PaymentScreen kind);

    void FormShow() override;

    enum View { TaxpayerView = 0, WorksheetView = 1 };
    void SelectView(int view);
    int CurrentView() const;
    TXGrid* Grid() const { return grid_; }
    AmountTable& Gains() { return gains_; }

private:
    void RefreshPayments();

    PaymentScreen kind_;
    QLabel* descLabel_ = nullptr;
    QButtonGroup* viewSelector_ = nullptr;
    QWidget* taxpayerPanel_ = nullptr;
    QWidget* worksheetPanel_ = nullptr;
    EventDataControls eventData_;
    TXGrid* grid_ = nullptr;
    AmountTable gains_;
};
