#pragma once
// The calculation summary of a share, trust interest, real estate, personal use or other
// asset: its capital proceeds, cost base and gain under each method, or the capital loss.

#include "screens/tsummaryscreen.h"

class TQCGT_58 : public TSummaryScreen {
    Q_OBJECT
public:
    TQCGT_58();
    AmountTable& Methods() { return methods_; }

protected:
    void ShowResults(const AssetSummary& summary) override;

private:
    void AddPaymentGains();
    void AddCarriedForward();

    AmountTable methods_;
    QLabel* message1_ = nullptr;
    QLabel* message2_ = nullptr;
    QWidget* paymentGains_ = nullptr;
    QWidget* carriedForward_ = nullptr;
    TTaxEdit* carried_[3] = {};
};
