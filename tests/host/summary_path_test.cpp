// A shares asset typed through its whole path in the loaded module, with real keys and
// clicks, reaches its calculation summary; the gains shown there are the gains saved.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "module_session.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"

namespace {

QWidget* Named(QWidget* window, const char* name) {
    QWidget* widget = window->findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void TypeInto(QWidget* window, const char* name, const char* text) {
    QWidget* field = Named(window, name);
    ASSERT_NE(field, nullptr);
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    QTest::keyClicks(QApplication::focusWidget(), QLatin1String(text));
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    Settle();
}

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
    TypeInto(window, "DescEdit", "widget shares");
    Key(Qt::Key_Tab);
    TypeInto(window, "DateofAcqEdit", "15/08/1990");
    Press(window, "BtnNext");
    ASSERT_EQ(ScreenId(window), "Screen 2010");
    Press(window, "BtnNext");
    ASSERT_EQ(ScreenId(window), "Screen 2011");

    // One cost: the purchase, picked from the element list and typed row by row.
    QWidget* grid = Named(window, "XGrid1");
    ASSERT_NE(grid, nullptr);
    grid->setFocus(Qt::TabFocusReason);
    Settle();
    Key(Qt::Key_Down, Qt::AltModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1 "));
    Key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("15/08/1990"));
    Key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Purchase"));
    Key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("10000"));
    Press(window, "BtnNext");
    ASSERT_EQ(ScreenId(window), "Screen 2012");
    Press(window, "BtnNext");
    ASSERT_EQ(ScreenId(window), "Screen 2013");
    TypeInto(window, "DateofCGTEventEdit", "20/10/2005");
    TypeInto(window, "CapitalProceedsEdit", "30000");
    Press(window, "BtnNext");
    ASSERT_EQ(ScreenId(window), "Screen 2014");
    QTest::mouseClick(Named(window, "Q2NoCheckBox"), Qt::LeftButton);
    Press(window, "BtnNext");
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
