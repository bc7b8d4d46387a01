// Cents and minus signs typed with real keys into the loaded module's tables and fields: the
// cents of whole-dollar cells and the minus of amounts that cannot be negative are refused,
// and the saved return gives the net capital gain of the dollars typed.

#include <QLineEdit>

#include "orvana_tax_tool.h"
#include "temp_dir.h"
#include "typed_asset.h"

namespace {

// One session of the module on `file`, from screen `start` until the host frees it.
template <typename Walk>
void Session(const std::string& file, int32_t start, Walk walk) {
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, file, start);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    MessageWatch messages;
    walk(window);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.Shown().toStdString();
    EXPECT_EQ(module.freeResources(), 1);
}

}  // namespace

TEST(EntryRulesWalk, CentsInTheTrustAndManualTablesGiveDollarsToTheNetGain) {
    TempDir dir;
    const std::string file = dir.File("CENTS.TAX");
    Session(file, 2019, [](QWidget* window) {
        if (!EnterTable(window)) return;
        Keys("Growth Fund");
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        Keys("1234.56");  // the discounted gain
        Press(window, "BtnNext");
        EXPECT_EQ(ScreenNumber(window), 2020);
    });
    Session(file, 2101, [](QWidget* window) {
        if (!EnterTable(window)) return;
        Keys("Option fee");
        Key(Qt::Key_Tab);
        Keys("ON");
        for (int col = 2; col < 5; ++col) Key(Qt::Key_Tab);
        Keys("9000.50");  // the other gain
        Key(Qt::Key_Tab);
        Key(Qt::Key_Tab);
        Keys("No");
        Press(window, "BtnNext");
        EXPECT_EQ(ScreenNumber(window), 2102);
    });
    {
        SavedReturn saved(file);
        ASSERT_EQ(saved.result, OpenReadCompletely);
        ASSERT_NE(GetFieldLst(1215), nullptr);
        EXPECT_EQ((*GetFieldLst(1215))[2], "1234");
        ASSERT_NE(GetFieldLst(1201), nullptr);
        EXPECT_EQ((*GetFieldLst(1201))[7], "9000");
    }
    const nlohmann::json tool = CalcAuto(file, Tfn, dir.File("calc.json"));
    EXPECT_EQ(tool["netCapitalGain"]["value"], 1234 + 9000);
}

TEST(EntryRulesWalk, AMinusTypedIntoTheProceedsIsRefusedSoTheGainIsTheGainTyped) {
    TempDir dir;
    const std::string file = dir.File("MINUS.TAX");
    Session(file, 2006, [](QWidget* window) {
        Press(window, "BtnYes");
        ASSERT_EQ(ScreenId(window), "Screen 2007");
        Press(window, "BtnYes");
        ASSERT_EQ(ScreenId(window), "Screen 2009");
        TypeAssetThroughPath(window, Bought("minus shares", nullptr, "01/07/2000", "10000",
                                            "01/03/2006", "-5000", {"Q2NoCheckBox"}));
        ASSERT_EQ(ScreenId(window), "Screen 2016");
        // Proceeds of 5,000 on a cost of 10,000: a loss.
        auto* loss = window->findChild<QLineEdit*>(QStringLiteral("LossEdit"));
        ASSERT_NE(loss, nullptr);
        EXPECT_EQ(loss->text().toStdString(), "5000");
    });
    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    GetWorksheetItem(451, 1);
    EXPECT_EQ(GetFieldVal(742), 5000);
    EXPECT_TRUE(FieldChecked(1196));
    EXPECT_EQ(GetFieldVal(1141), 5000);
}
