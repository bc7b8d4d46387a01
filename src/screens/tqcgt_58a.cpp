#include "screens/tqcgt_58a.h"

#include <QBoxLayout>

#include "controls/ttaxedit.h"

namespace {
// Rows of the view whose amounts are shown unbound.
enum Row { Adjusted = 3, Component = 4, NonTaxableUse = 5 };
}  // namespace

TQCGT_58A::TQCGT_58A()
    : TSummaryScreen(SummaryScreen::Depreciating, {"DataViewRadioGroup", "CGTWorsheetXGrid"}) {
    setObjectName(QStringLiteral("TQCGT_58A"));
    // Only the indexed result is kept in the item once adjusted; the others equal their
    // unadjusted results. The indexation component is shown, never saved.
    AddMethodsView({{QStringLiteral("Termination value:"),
                     {{"ProceedsIndGainEdit", 1130},
                      {"ProceedsDisGainEdit", 1133},
                      {"ProceedsOthGainEdit", 1136},
                      {"ProceedsLossEdit", 1140}}},
                    {QStringLiteral("Less cost:"),
                     {{"CostIndEdit", 716},
                      {"CostDisEdit", 717},
                      {"CostOthEdit", 718},
                      {"CostLossEdit", 747}}},
                    {QStringLiteral("Gain/Loss"),
                     {{"UnadjIndEdit", 749},
                      {"UnadjDisEdit", 1127},
                      {"UnadjOthEdit", 1128},
                      {"UnadjLossEdit", 1144}}},
                    {QStringLiteral("Adjusted gain/loss:"),
                     {{"AdjIndEdit", 1166}, {"AdjDisEdit"}, {"AdjOthEdit"}, {"AdjLossEdit"}}},
                    {QStringLiteral("Less indexation component"), {{"CostbaseIndComEdit"}}},
                    {QStringLiteral("Non-taxable use percentage:"),
                     {{"UseIndEdit", 0, ntNumeric},
                      {"UseDisEdit", 0, ntNumeric},
                      {"UseOthEdit", 0, ntNumeric},
                      {"UseLossEdit", 0, ntNumeric}}},
                    {QStringLiteral("Capital gain/loss:"),
                     {{"IndGainEdit", 1132},
                      {"DisGainEdit", 1135},
                      {"OthGainEdit", 1138},
                      {"LossEdit", 1141}}}});
    TaxpayerLayout()->addStretch(1);
}

void TQCGT_58A::ShowMoreResults(const AssetSummary& summary) {
    const DepreciatingColumn* uses[] = {&summary.indexedUse, &summary.discountUse,
                                        &summary.otherUse, &summary.lossUse};
    for (int col = 0; col < 4; ++col) {
        if (col > 0) Methods().Cell(Adjusted, col)->SetNumValue(uses[col]->adjusted);
        Methods().Cell(NonTaxableUse, col)->SetNumValue(uses[col]->nonTaxableUse);
    }
    Methods().Cell(Component, 0)->SetNumValue(summary.indexationComponent);
}
