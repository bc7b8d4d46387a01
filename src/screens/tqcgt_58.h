#pragma once
// The calculation summary of a share, trust interest, real estate, personal use or other
// asset: its capital proceeds, cost base and gain under each method, or the capital loss.

#include "screens/tsummaryscreen.h"

class TQCGT_58 : public TSummaryScreen {
    Q_OBJECT
public:
    TQCGT_58();

protected:
    void ShowMoreResults(const AssetSummary& summary) override;

private:
    void AddPaymentGains();
    void AddCarriedForward();

    QWidget* paymentGains_ = nullptr;
    QWidget* carriedForward_ = nullptr;
    TTaxEdit* carried_[3] = {};
};
