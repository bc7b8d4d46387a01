// A shares asset typed through its whole path in the loaded module, with real keys and
// clicks, reaches its calculation summary; the gains shown there are the gains saved.

#include <QLineEdit>

#include "store/worksheet_items.h"
#include "temp_dir.h"
#include "typed_asset.h"

namespace {

QString FieldText(QWidget* window, const char* name) {
    auto* edit = window->findChild<QLineEdit*>(QLatin1String(name));
    return edit ? edit->text() : QStringLiteral("(missing)");
}

}  // namespace

TEST(SummaryPath, SharesTypedThroughThePathShowAndSaveTheirGains) {
    TempDir dir;
    const std::string file = dir.File("SHARES.TAX");
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, file, 2006);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);

    Press(window, "BtnYes");
    ASSERT_EQ(ScreenId(window), "Screen 2007");
    Press(window, "BtnYes");
    ASSERT_EQ(ScreenId(window), "Screen 2009");
    // One cost, the purchase; no payments.
    TypeAssetThroughPath(window, Bought("widget shares", nullptr, "15/08/1990", "10000",
                                        "20/10/2005", "30000", {"Q2NoCheckBox"}));
    ASSERT_EQ(ScreenId(window), "Screen 2016");

    EXPECT_EQ(FieldText(window, "IndGainEdit").toStdString(), "18050");
    EXPECT_EQ(FieldText(window, "DisGainEdit").toStdString(), "20000");
    EXPECT_EQ(FieldText(window, "OthGainEdit").toStdString(), "");
    EXPECT_EQ(module.freeResources(), 1);

    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    ASSERT_EQ(WorksheetItemCount(451), 1);
    GetWorksheetItem(451, 1);
    EXPECT_EQ(GetFieldStr(710), "Widget Shares");
    EXPECT_EQ(GetFieldVal(1132), 18050);
    EXPECT_EQ(GetFieldVal(1135), 20000);
}
