// Every asset path walked through the loaded module as a taxpayer walks it: from the events
// question, an asset typed with real keys and clicks (its type chosen from the list with the
// keyboard), a cost typed into the cost elements table with its element picked from the
// list, payments where the path has them, the event and the deferral answers. The host then
// releases the module, and the saved file holds exactly those answers in the item.

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <map>

#include "base/text_encoding.h"
#include "module_session.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"

namespace {

struct PathCase {
    const char* name;
    int gate, worksheet, deferral;
    int after;             // the screen after the deferral screen
    const char* typeKeys;  // typed into the closed type list
    const char* typeCode;
    int payments;  // 0 none, 1 shares, 2 trusts
    bool depreciating;
    std::vector<const char*> deferralBoxes;  // ticked in this order
    std::map<int, std::string> answers;      // deferral and exemption fields of the item
};

// The module's message boxes are its own; a test that meets one it does not expect must
// fail, not wait for ever. Every box shown is recorded and answered.
class MessageWatch : public QObject {
public:
    MessageWatch() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texts.push_back(box->text());
            box->done(QMessageBox::Ok);
        });
        timer_.start();
    }
    QStringList texts;

private:
    QTimer timer_;
};

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QWidget* Find(QWidget* window, const char* name) {
    QWidget* found = window->findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void Keys(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Clicks into an entry field and types, as a person does.
void TypeInto(QWidget* window, const char* name, const char* text) {
    QWidget* field = Find(window, name);
    if (!field) return;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    Keys(text);
}

void Tick(QWidget* window, const char* name) {
    if (QWidget* box = Find(window, name)) QTest::mouseClick(box, Qt::LeftButton, {}, {6, 6});
}

bool FocusIn(QWidget* table) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == table || table->isAncestorOf(focus));
}

// The table's first cell: a table at the top of a screen has it when the screen is shown;
// otherwise a click into the table enters it.
void EnterTable(QWidget* window) {
    QAbstractScrollArea* table = nullptr;
    for (auto* grid : window->findChildren<QAbstractScrollArea*>(QStringLiteral("XGrid1")))
        if (grid->isVisible()) table = grid;
    ASSERT_NE(table, nullptr) << ScreenId(window).toStdString();
    if (!FocusIn(table)) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          QPoint(20, table->viewport()->height() / 2));
        Settle();
    }
    ASSERT_TRUE(FocusIn(table)) << ScreenId(window).toStdString();
}

std::string ItemField(int k, int field) {
    if (const ItemList* list = WorksheetItems(k, false))
        for (const WorksheetItem& record : *list)
            if (record.ItemKey == 1 && record.field == field) {
                if (record.slot.type != dtList || !record.slot.list)
                    return FieldSlotText(record.slot);
                std::string cells;  // "|" between the cells
                const char* between = "";
                for (const std::string& cell : *record.slot.list) {
                    cells += between + cell;
                    between = "|";
                }
                return cells;
            }
    return {};
}

// Registration: description, type from the list with the keyboard, acquisition date.
void Register(QWidget* window, const PathCase& path) {
    TypeInto(window, "DescEdit", "first asset");
    Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Find(window, "TypeTextComboBox"));
    Keys(path.typeKeys);
    TypeInto(window, "DateofAcqEdit", "01/07/2000");
    Press(window, "BtnNext");
}

void DepreciatingEvent(QWidget* window) {
    TypeInto(window, "AssetCost", "2000");
    TypeInto(window, "CapitalProceedsEdit", "500");
    TypeInto(window, "DateofCGTEventEdit", "01/03/2006");
    Tick(window, "rbLVPYes");
    TypeInto(window, "LVPFractionEdt", "60");
    Press(window, "BtnNext");
}

// One cost: the element picked from the opened list by typing its code, then the date
// incurred, the description and the amount, each reached with Tab.
void CostElement(QWidget* window) {
    EnterTable(window);
    Key(Qt::Key_Down, Qt::AltModifier);
    Keys("2B");
    Key(Qt::Key_Return);
    Keys("01/08/2000");
    Key(Qt::Key_Tab);
    Keys("Legal fees");
    Key(Qt::Key_Tab);
    Keys("150");
    Press(window, "BtnNext");
}

void Payment(QWidget* window, int kind) {
    EnterTable(window);
    Keys(kind == 1 ? "01/07/2004" : "01/08/2000");
    Key(Qt::Key_Tab);
    Keys(kind == 1 ? "Return of capital" : "Tax deferred");
    Key(Qt::Key_Tab);
    Keys("100");
    Press(window, "BtnNext");
}

void WalkPath(QWidget* window, const PathCase& path) {
    Press(window, "BtnYes");
    Register(window, path);
    if (path.depreciating) DepreciatingEvent(window);
    Press(window, "BtnNext");  // no cost base worked out at a later date
    CostElement(window);
    if (path.payments != 0) Payment(window, path.payments);
    if (!path.depreciating) {
        TypeInto(window, "DateofCGTEventEdit", "01/03/2006");
        TypeInto(window, "CapitalProceedsEdit", "9000");
        Press(window, "BtnNext");
    }
    EXPECT_EQ(ScreenId(window), QStringLiteral("Screen %1").arg(path.deferral));
    for (const char* box : path.deferralBoxes) Tick(window, box);
    Press(window, "BtnNext");
}

}  // namespace

class AssetPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(AssetPaths, TypedAssetReachesTheFile) {
    const PathCase& path = GetParam();
    TempDir dir;
    const std::string file = dir.File("ASSET.TAX");
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, file, path.gate);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    MessageWatch messages;
    WalkPath(window, path);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    // Past the deferral screen: on to the summary, or the interview ends there where the
    // summary is not built.
    if (host.lastMessage == ORVANA_MSG_INTERVIEW_FINISHED)
        EXPECT_EQ(module.failedScreen(), path.after);
    else
        EXPECT_EQ(ScreenId(window), QStringLiteral("Screen %1").arg(path.after));
    EXPECT_EQ(module.freeResources(), 1);

    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    const int k = path.worksheet;
    EXPECT_EQ(WorksheetItemCount(k), 1);
    EXPECT_EQ(ItemField(k, 710), "First Asset");
    EXPECT_EQ(TrimmedText(ItemField(k, 714)), path.typeCode);
    EXPECT_EQ(ItemField(k, 726), "01/07/2000");
    EXPECT_EQ(ItemField(k, 737),
              "2B - Incidentals re specific CGT event|01/08/2000||Legal fees|150.00|||");
    EXPECT_EQ(ItemField(k, 739), "01/03/2006");
    EXPECT_EQ(ItemField(k, 742), path.depreciating ? "500" : "9000");
    for (const auto& [field, text] : path.answers) EXPECT_EQ(ItemField(k, field), text) << field;
    if (path.payments == 1) {
        EXPECT_EQ(ItemField(k, 738), "01/07/2004||Return of capital|100.00||");
        EXPECT_EQ(ItemField(k, 748), "G1");
    } else if (path.payments == 2) {
        // The event date is the end of the income year of the payment.
        EXPECT_EQ(ItemField(k, 738), "01/08/2000|30/06/2001|Tax deferred||100.00|||");
        EXPECT_EQ(ItemField(k, 748), "E4");
    } else {
        EXPECT_EQ(ItemField(k, 738), "");
        EXPECT_EQ(ItemField(k, 748), "");
    }
    EXPECT_EQ(ItemField(k, 1150), path.payments != 0 ? "ON" : "");
    if (path.depreciating) {
        EXPECT_EQ(ItemField(k, 715), "2000");
        // A percentage is kept as the text it shows.
        EXPECT_EQ(ItemField(k, 711), "60.00%");
        EXPECT_EQ(ItemField(k, 1197), "X");
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryPath, AssetPaths,
    ::testing::Values(
        // Scrip for scrip Yes answers the marriage breakdown question No.
        PathCase{"Shares",
                 2007,
                 451,
                 2014,
                 2015,
                 "SA",
                 "SA",
                 1,
                 false,
                 {"Q2YesCheckBox", "ScripforScripYesCheckBox", "Q1CheckBox"},
                 {{720, "X"}, {721, ""}, {722, ""}, {723, "X"}, {724, "X"}, {725, ""}, {746, "X"}}},
        // Marriage breakdown Yes answers scrip for scrip No.
        PathCase{"TrustInterests",
                 2020,
                 452,
                 2027,
                 2028,
                 "UN",
                 "UN",
                 2,
                 false,
                 {"Q2YesCheckBox", "Q3YesCheckBox"},
                 {{720, "X"}, {721, ""}, {722, "X"}, {723, ""}, {724, ""}, {725, "X"}, {746, ""}}},
        PathCase{"RealEstate",
                 2033,
                 454,
                 2039,
                 2040,
                 "RA",
                 "RA",
                 0,
                 false,
                 {"Q2NoCheckBox", "Q1CheckBox"},
                 {{720, ""}, {721, "X"}, {722, ""}, {723, ""}, {746, "X"}}},
        PathCase{"DepreciatingAssets",
                 2043,
                 458,
                 2049,
                 2050,
                 "ON",
                 "ON",
                 0,
                 true,
                 {"Q2YesCheckBox", "Q3NoCheckBox"},
                 {{720, "X"}, {721, ""}, {722, ""}, {723, "X"}, {746, ""}}},
        PathCase{"Collectables",
                 2053,
                 455,
                 2059,
                 2060,
                 "A",
                 "A",
                 0,
                 false,
                 {"Q2NoCheckBox"},
                 {{720, ""}, {721, "X"}, {746, ""}}},
        PathCase{"IntangibleAssets",
                 2063,
                 456,
                 2069,
                 2070,
                 "G",
                 "G",
                 0,
                 false,
                 {"Q2NoCheckBox", "Q1CheckBox"},
                 {{720, ""}, {721, "X"}, {746, "X"}}}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });
