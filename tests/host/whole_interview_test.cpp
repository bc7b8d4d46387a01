// A whole return walked through the loaded module from the introduction to the end, as a
// taxpayer walks it with real keys and clicks: losses of earlier years, two share sales (one
// bought before indexation ended and held for years, so its method must be chosen; one
// rolled over for new shares), a trust distribution with a gain from an active asset, an
// active real estate sale, a collectable sold at a loss; the module makes every choice; the
// small business elections are typed. The host is told the interview ended, and the saved
// return holds the schedule and return labels that orvana-tax calc makes of the same answers.

#include <QCheckBox>
#include <QLineEdit>
#include <QToolButton>

#include "base/text_encoding.h"
#include "orvana_tax_tool.h"
#include "temp_dir.h"
#include "typed_asset.h"

namespace {

void ExpectScreen(QWidget* window, int number) { ASSERT_EQ(ScreenNumber(window), number); }

// Presses the button and checks where the interview went.
void PressTo(QWidget* window, const char* button, int number) {
    Press(window, button);
    ExpectScreen(window, number);
}

// The answers typed, kept to be given to the tool as well.
constexpr const char* RealEstateReduction = "20000";
constexpr const char* TrustReduction = "100";

// An asset typed through its path to its summary, whose Next asks about another.
void AssetToClosingQuestion(QWidget* window, const TypedAsset& asset, int summary) {
    TypeAssetThroughPath(window, asset);
    ExpectScreen(window, summary);
    PressTo(window, "BtnNext", summary + 1);
}

void LossesOfEarlierYears(QWidget* window) {
    PressTo(window, "BtnNext", 2125);
    PressTo(window, "BtnYes", 2005);
    TypeInto(window, "ProceedsEdit", "200");
    TypeInto(window, "CostsEdit", "3000");
    PressTo(window, "BtnNext", 2126);
    PressTo(window, "BtnNo", 2006);
}

void Shares(QWidget* window) {
    PressTo(window, "BtnYes", 2007);
    PressTo(window, "BtnYes", 2009);
    // Bought before indexation ended and held for years: indexed or discounted.
    AssetToClosingQuestion(window,
                           Bought("widget shares", "SN", "15/08/1990", "10000", "20/10/2005",
                                  "30000", {"Q2NoCheckBox"}),
                           2016);
    PressTo(window, "BtnYes", 2009);
    // Exchanged for new shares and some cash, rolled over.
    AssetToClosingQuestion(window,
                           Bought("gadget shares", "SN", "01/07/2000", "8000", "01/03/2006",
                                  "12000", {"Q2YesCheckBox", "ScripforScripYesCheckBox"}),
                           2016);
    PressTo(window, "BtnNo", 2018);
}

// One trust's distribution: a discounted gain and one from an active asset.
void TrustDistribution(QWidget* window) {
    PressTo(window, "BtnYes", 2019);
    if (!EnterTable(window)) return;
    Keys("Growth Fund");
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    Keys("600");
    for (int col = 2; col < 8; ++col) Key(Qt::Key_Tab);
    Keys("400");
    PressTo(window, "BtnNext", 2020);
    PressTo(window, "BtnNo", 2031);
}

void RealEstate(QWidget* window) {
    PressTo(window, "BtnYes", 2032);
    PressTo(window, "BtnNext", 2033);
    PressTo(window, "BtnYes", 2035);
    AssetToClosingQuestion(window,
                           Bought("corner shop", "RA", "01/07/2000", "200000", "01/03/2006",
                                  "300000", {"Q2NoCheckBox"}),
                           2040);
    PressTo(window, "BtnNo", 2042);
}

void CollectableLoss(QWidget* window) {
    PressTo(window, "BtnNo", 2052);
    PressTo(window, "BtnYes", 2053);
    PressTo(window, "BtnYes", 2055);
    AssetToClosingQuestion(
        window, Bought("coin", "A", "15/08/2001", "2000", "15/10/2005", "1000", {"Q2NoCheckBox"}),
        2060);
    PressTo(window, "BtnNo", 2062);
}

// No other assets, created rights or receipts; nothing calculated by hand.
void NoOtherSections(QWidget* window) {
    PressTo(window, "BtnNo", 2072);
    PressTo(window, "BtnNo", 2096);
    PressTo(window, "BtnNo", 2101);
    PressTo(window, "BtnNext", 2102);
}

// The first shares need their method chosen, so the table cannot be left as it comes;
// "Let Orvana make all choices", answered Yes, chooses; Next builds the schedule.
void AllChoices(QWidget* window, MessageWatch& messages) {
    PressTo(window, "BtnNext", 2103);
    PressTo(window, "BtnNext", 2103);
    ASSERT_EQ(messages.texts, QStringList{"You must choose the method you wish to use."});
    messages.Answer(QMessageBox::Yes);
    Press(window, "ApplyLossBtn");
    PressTo(window, "BtnNext", 2104);
}

// The small business active asset reduction on the real estate gain and on the trust's
// gain from an active asset, in the rows the choice table made in that order.
void Elections(QWidget* window) {
    if (!EnterTable(window)) return;
    Keys(RealEstateReduction);
    Key(Qt::Key_Down);
    Keys(TrustReduction);
    PressTo(window, "BtnNext", 2105);
}

// The replacement shares' market value and the cash received, which make up the proceeds of
// the exchange rolled over.
constexpr const char* ReplacementValue = "11000";
constexpr const char* CashReceived = "1000";

void NoFifteenYearExemption(QWidget* window) { PressTo(window, "BtnNext", 2106); }

void ScripForScrip(QWidget* window) {
    if (!EnterTable(window)) return;
    Keys(ReplacementValue);
    Key(Qt::Key_Tab);
    Keys(CashReceived);
    PressTo(window, "BtnNext", 2107);
}

// What the schedule screen shows in a box of the schedule record.
QString Shown(QWidget* window, int field) {
    auto* box = window->findChild<QLineEdit*>(QStringLiteral("Amount%1").arg(field));
    return box ? box->text().trimmed() : QStringLiteral("(missing)");
}

// The copy of the answers given what was typed after the choices, where the module keeps
// it: the real estate item's elections, the trust record's column of its active discounted
// gain (39) and the scrip for scrip entries of the second shares.
void GiveLaterAnswers(const std::string& copy, const std::string& out) {
    std::string trust;
    {
        SavedReturn answers(copy);
        ASSERT_EQ(answers.result, OpenReadCompletely);
        const TextList* cells = GetFieldLst(1215);
        ASSERT_NE(cells, nullptr);
        ASSERT_EQ(cells->size(), 41u);
        TextList record = *cells;
        record[39] = std::string(TrustReduction) + ";;";
        const char* between = "";
        for (const std::string& cell : record) {
            trust += between + cell;
            between = "|";
        }
    }
    EXPECT_EQ(RunOrvanaTax(
                  {"set", copy, "--tfn", Tfn,
                   std::string("1205.1.719=lines:SBAA concessions|") + RealEstateReduction + "||",
                   "1215=lines:" + trust, std::string("1202.2.1146=currency:") + ReplacementValue,
                   std::string("1202.2.1147=currency:") + CashReceived},
                  out),
              0);
}

}  // namespace

TEST(WholeInterview, AReturnWalkedToTheEndIsTheReturnTheToolCalculates) {
    TempDir dir;
    const std::string file = dir.File("WALK.TAX");
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, file, 2004);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    MessageWatch messages;

    ASSERT_NO_FATAL_FAILURE(LossesOfEarlierYears(window));
    ASSERT_NO_FATAL_FAILURE(Shares(window));
    ASSERT_NO_FATAL_FAILURE(TrustDistribution(window));
    ASSERT_NO_FATAL_FAILURE(RealEstate(window));
    ASSERT_NO_FATAL_FAILURE(CollectableLoss(window));
    ASSERT_NO_FATAL_FAILURE(NoOtherSections(window));
    ASSERT_NO_FATAL_FAILURE(SaveCopyAs(window, QStringLiteral("ANSWERS.TAX")));
    ASSERT_NO_FATAL_FAILURE(AllChoices(window, messages)) << messages.Shown().toStdString();
    ASSERT_NO_FATAL_FAILURE(Elections(window)) << messages.Shown().toStdString();
    ASSERT_NO_FATAL_FAILURE(NoFifteenYearExemption(window));
    ASSERT_NO_FATAL_FAILURE(ScripForScrip(window)) << messages.Shown().toStdString();
    const QString netGain = Shown(window, 1131), replacement = Shown(window, 1138);
    auto* rollOver = window->findChild<QCheckBox*>(QStringLiteral("RollOverCheckBox"));
    ASSERT_NE(rollOver, nullptr);
    EXPECT_TRUE(rollOver->isChecked());
    Press(window, "BtnNext");
    ASSERT_TRUE(WaitUntil([&] { return host.lastMessage != 0; }));
    EXPECT_EQ(host.lastMessage, ORVANA_MSG_INTERVIEW_FINISHED);
    EXPECT_EQ(module.failedScreen(), 2201);
    EXPECT_EQ(messages.texts.size(), 2) << messages.Shown().toStdString();
    EXPECT_EQ(module.freeResources(), 1);

    const std::string copy = dir.File("ANSWERS.TAX");
    GiveLaterAnswers(copy, dir.File("set.txt"));
    const nlohmann::json tool = CalcAuto(copy, Tfn, dir.File("calc.json"));
    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    ExpectScheduleAndLabelsAsCalculated(tool);
    // What the walk was meant to reach: a method chosen, a roll-over deferred, the elections
    // where they belong, losses carried forward, the schedule shown as saved.
    EXPECT_FALSE(TrimmedText(ItemField(451, 1145, 1)).empty());
    EXPECT_EQ(TrimmedText(ItemField(451, 1148, 2)), "Yes");
    EXPECT_EQ(ItemField(454, 719), "SBAA concessions|20000.00||");
    ASSERT_NE(GetFieldLst(1215), nullptr);
    EXPECT_EQ(TrimmedText((*GetFieldLst(1215))[39]), "100.00;;");
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_GT(GetFieldVal(1131), 0);
    EXPECT_GT(GetFieldVal(1132), 0);  // the collectable losses, this year's and earlier ones
    EXPECT_TRUE(FieldChecked(1136));
    EXPECT_EQ(GetFieldVal(1138), 11000);
    EXPECT_EQ(netGain, QString::number(static_cast<double>(GetFieldVal(1131)), 'f', 0));
    EXPECT_EQ(replacement, QStringLiteral("11000"));
}
