#include "screens/tqcgt_58a.h"

#include <QBoxLayout>
#include <QLabel>

#include "controls/ttaxedit.h"

namespace {
enum Row { Termination, Cost, Result, Adjusted, Component, NonTaxableUse, Gain };
}  // namespace

TQCGT_58A::TQCGT_58A()
    : TSummaryScreen(SummaryScreen::Depreciating, {"DataViewRadioGroup", "CGTWorsheetXGrid"}),
      methods_(TaxpayerContent(), {QStringLiteral("Indexed gain"), QStringLiteral("Discount gain"),
                                   QStringLiteral("Other gain"), QStringLiteral("Capital loss")}) {
    setObjectName(QStringLiteral("TQCGT_58A"));
    QVBoxLayout* layout = TaxpayerLayout();
    auto* heading = new QLabel(
        QStringLiteral("The calculated capital gain(s) or capital loss for this asset/event are "
                       "as follows:"),
        TaxpayerContent());
    heading->setWordWrap(true);
    layout->addWidget(heading);
    methods_.AddRow(QStringLiteral("Termination value:"), {{"ProceedsIndGainEdit", 1130},
                                                           {"ProceedsDisGainEdit", 1133},
                                                           {"ProceedsOthGainEdit", 1136},
                                                           {"ProceedsLossEdit", 1140}});
    methods_.AddRow(
        QStringLiteral("Less cost:"),
        {{"CostIndEdit", 716}, {"CostDisEdit", 717}, {"CostOthEdit", 718}, {"CostLossEdit", 747}});
    methods_.AddRow(QStringLiteral("Gain/Loss"), {{"UnadjIndEdit", 749},
                                                  {"UnadjDisEdit", 1127},
                                                  {"UnadjOthEdit", 1128},
                                                  {"UnadjLossEdit", 1144}});
    // Only the indexed result is kept in the item once adjusted; the others equal their
    // unadjusted results.
    methods_.AddRow(QStringLiteral("Adjusted gain/loss:"),
                    {{"AdjIndEdit", 1166}, {"AdjDisEdit"}, {"AdjOthEdit"}, {"AdjLossEdit"}});
    methods_.AddRow(QStringLiteral("Less indexation component"), {{"CostbaseIndComEdit"}});
    methods_.AddRow(QStringLiteral("Non-taxable use percentage:"), {{"UseIndEdit", 0, ntNumeric},
                                                                    {"UseDisEdit", 0, ntNumeric},
                                                                    {"UseOthEdit", 0, ntNumeric},
                                                                    {"UseLossEdit", 0, ntNumeric}});
    methods_.AddRow(
        QStringLiteral("Capital gain/loss:"),
        {{"IndGainEdit", 1132}, {"DisGainEdit", 1135}, {"OthGainEdit", 1138}, {"LossEdit", 1141}});
    layout->addWidget(methods_.Widget());
    message1_ = AddMessageLabel("MsgLabel1");
    message2_ = AddMessageLabel("MsgLabel2");
    layout->addStretch(1);
}

void TQCGT_58A::ShowResults(const AssetSummary& summary) {
    const MethodColumn* columns[] = {&summary.indexed, &summary.discount, &summary.other,
                                     &summary.loss};
    const DepreciatingColumn* uses[] = {&summary.indexedUse, &summary.discountUse,
                                        &summary.otherUse, &summary.lossUse};
    for (int col = 0; col < 4; ++col) {
        if (col > 0) methods_.Cell(Adjusted, col)->SetNumValue(uses[col]->adjusted);
        methods_.Cell(NonTaxableUse, col)->SetNumValue(uses[col]->nonTaxableUse);
        methods_.SetColumnEnabled(col, columns[col]->enabled);
    }
    methods_.Cell(Component, 0)->SetNumValue(summary.indexationComponent);
    ShowMessage(message1_, summary.message1);
    ShowMessage(message2_, summary.message2);
}
