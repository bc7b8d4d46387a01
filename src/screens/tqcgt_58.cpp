#include "screens/tqcgt_58.h"

#include <QBoxLayout>
#include <QLabel>

#include "controls/ttaxedit.h"
#include "screens/core/summary_rules.h"

TQCGT_58::TQCGT_58()
    : TSummaryScreen(SummaryScreen::General,
                     {"CalculationSelectorRadioGroup", "CGTWorksheetXGrid"}) {
    setObjectName(QStringLiteral("TQCGT_58"));
    AddMethodsView({{QStringLiteral("Capital proceeds:"),
                     {{"ProceedsIndGainEdit", 1130},
                      {"ProceedsDisGainEdit", 1133},
                      {"ProceedsOthGainEdit", 1136},
                      {"ProceedsLossEdit", 1140}}},
                    {QStringLiteral("Less cost base:"),
                     {{"CostbaseIndGainEdit", 1131},
                      {"CostbaseDisGainEdit", 1134},
                      {"CostbaseOthGainEdit", 1137},
                      {"CostbaseLossEdit", 1139}}},
                    {QStringLiteral("Capital gain/loss:"),
                     {{"IndGainEdit", 1132},
                      {"DisGainEdit", 1135},
                      {"OthGainEdit", 1138},
                      {"LossEdit", 1141}}}});
    AddPaymentGains();
    AddCarriedForward();
    TaxpayerLayout()->addStretch(1);
}

void TQCGT_58::AddPaymentGains() {
    paymentGains_ = new QWidget(TaxpayerContent());
    paymentGains_->setObjectName(QStringLiteral("NonAssPaymentsPanel"));
    auto* layout = new QVBoxLayout(paymentGains_);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addWidget(new QLabel(
        QStringLiteral("Capital gains transferred from non-assessable payments worksheet:"),
        paymentGains_));
    AmountTable gains(paymentGains_,
                      {QStringLiteral("Indexed gain"), QStringLiteral("Discount gain"),
                       QStringLiteral("Other gain")});
    gains.AddRow(
        QStringLiteral("Gain for this year"),
        {{"NonAssIndGainEdit", 1157}, {"NonAssDisGainEdit", 1155}, {"NonAssOthGainEdit", 1159}});
    gains.AddRow(QStringLiteral("Gain for prior years"), {{"NonAssPYIndGainEdit", 1158},
                                                          {"NonAssPYDisGainEdit", 1156},
                                                          {"NonAssPYOthGainEdit", 1160}});
    layout->addWidget(gains.Widget());
    TaxpayerLayout()->addWidget(paymentGains_);
}

void TQCGT_58::AddCarriedForward() {
    carriedForward_ = new QWidget(TaxpayerContent());
    carriedForward_->setObjectName(QStringLiteral("CarriedForwardPanel"));
    auto* layout = new QVBoxLayout(carriedForward_);
    layout->setContentsMargins(0, 8, 0, 0);
    auto* label = new QLabel(
        QStringLiteral("You have only partly disposed of this asset.  Your cost bases and reduced "
                       "cost base for the\nremaining assets are:"),
        carriedForward_);
    label->setObjectName(QStringLiteral("CostBaseCFLbl"));
    layout->addWidget(label);
    AmountTable amounts(carriedForward_, {});
    amounts.AddRow(QStringLiteral("Cost base - indexed: "), {{"CFIndCostBaseEdit"}});
    amounts.AddRow(QStringLiteral("Cost base - discount/non-indexed: "), {{"CFDisCostBaseEdit"}});
    amounts.AddRow(QStringLiteral("Reduced cost base: "), {{"CFRedCostBaseEdit"}});
    amounts.Widget()->setMaximumWidth(420);
    for (int row = 0; row < 3; ++row) carried_[row] = amounts.Cell(row, 0);
    layout->addWidget(amounts.Widget());
    TaxpayerLayout()->addWidget(carriedForward_);
}

void TQCGT_58::ShowMoreResults(const AssetSummary& summary) {
    paymentGains_->setVisible(ShowsPaymentGains(Worksheet()));
    carriedForward_->setVisible(summary.partialDisposal);
    const long double carried[] = {summary.carriedIndexed, summary.carriedNonIndexed,
                                   summary.carriedReduced};
    for (int row = 0; row < 3; ++row) carried_[row]->SetNumValue(carried[row]);
}
