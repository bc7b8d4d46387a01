#pragma once
// Typing into the loaded module's window as a taxpayer does, with real keys and clicks, and
// one asset typed through its whole path: registration, cost, payments, event, deferral.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolButton>
#include <deque>
#include <vector>

#include "module_session.h"

// The module's message boxes are its own; a test that meets one it does not expect must
// fail, not wait for ever. Every box shown is recorded and answered with the next scripted
// button, clicked with the mouse, or closed with its default once the script is used up.
class MessageWatch : public QObject {
public:
    MessageWatch() {
        timer_.setInterval(20);
        connect(&timer_, &QTimer::timeout, this, [this] { AnswerShownBox(); });
        timer_.start();
    }
    void Answer(QMessageBox::StandardButton button) { answers_.push_back(button); }
    QString Shown() const { return texts.join('\n'); }
    QStringList texts;

private:
    void AnswerShownBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answering_) return;
        texts.push_back(box->text());
        QAbstractButton* button = nullptr;
        if (!answers_.empty()) {
            button = box->button(answers_.front());
            answers_.pop_front();
        }
        if (!button) {
            box->done(QMessageBox::Ok);
            return;
        }
        answering_ = box;  // the click's own events must not answer the box again
        QTest::mouseClick(button, Qt::LeftButton);
        answering_ = nullptr;
    }
    QTimer timer_;
    std::deque<QMessageBox::StandardButton> answers_;
    QMessageBox* answering_ = nullptr;
};

inline void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline QWidget* Find(QWidget* window, const char* name) {
    QWidget* found = window->findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Keys go to the focused widget; with none, the test has lost its way.
inline void Keys(const QString& text) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return ADD_FAILURE() << "no focus for " << text.toStdString();
    QTest::keyClicks(focus, text);
}

inline void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return ADD_FAILURE() << "no focus for a key";
    QTest::keyClick(focus, key, modifiers);
    Settle();
}

// Clicks into an entry field and types.
inline void TypeInto(QWidget* window, const char* name, const QString& text) {
    QWidget* field = Find(window, name);
    if (!field) return;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    Keys(text);
}

inline void Tick(QWidget* window, const char* name) {
    if (QWidget* box = Find(window, name)) QTest::mouseClick(box, Qt::LeftButton, {}, {6, 6});
}

inline int ScreenNumber(QWidget* window) {
    return ScreenId(window).section(QLatin1Char(' '), 1).toInt();
}

// Next, on a step of a path: the screen after it is the next number.
inline void NextStep(QWidget* window) {
    const int from = ScreenNumber(window);
    Press(window, "BtnNext");
    EXPECT_EQ(ScreenNumber(window), from + 1) << "Next from " << from;
}

inline bool FocusIn(QWidget* table) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == table || table->isAncestorOf(focus));
}

// The shown table's first cell: a table at the top of a screen has it when the screen is
// shown; otherwise a click into the table enters it.
inline QAbstractScrollArea* EnterTable(QWidget* window) {
    QAbstractScrollArea* table = nullptr;
    for (auto* grid : window->findChildren<QAbstractScrollArea*>(QStringLiteral("XGrid1")))
        if (grid->isVisible()) table = grid;
    EXPECT_NE(table, nullptr) << ScreenId(window).toStdString();
    if (!table) return nullptr;
    if (!FocusIn(table)) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          QPoint(20, table->viewport()->height() / 2));
        Settle();
    }
    EXPECT_TRUE(FocusIn(table)) << ScreenId(window).toStdString();
    return table;
}

// One asset as typed on its path's screens.
struct TypedAsset {
    const char* description = "first asset";
    const char* typeKeys = nullptr;  // typed into the closed type list; none keeps the first
    const char* acquired = "01/07/2000";
    // One cost: the element's code typed into its opened list, then its row.
    const char* element = "2B";
    const char* incurred = "01/08/2000";
    const char* costText = "Legal fees";
    const char* cost = "150";
    // 0 none (a payments screen is passed empty), 1 a return of capital on shares, 2 a
    // tax-deferred trust payment
    int payments = 0;
    bool depreciating = false;
    const char* eventDate = "01/03/2006";
    const char* proceeds = "9000";
    std::vector<const char*> deferralBoxes;  // ticked in this order
};

// An asset whose one cost is its purchase, on the day it was acquired.
inline TypedAsset Bought(const char* description, const char* typeKeys, const char* acquired,
                         const char* price, const char* sold, const char* proceeds,
                         std::vector<const char*> deferralBoxes) {
    return {.description = description,
            .typeKeys = typeKeys,
            .acquired = acquired,
            .element = "1 ",
            .incurred = acquired,
            .costText = "Purchase",
            .cost = price,
            .eventDate = sold,
            .proceeds = proceeds,
            .deferralBoxes = std::move(deferralBoxes)};
}

namespace typed_asset_steps {

inline void Register(QWidget* window, const TypedAsset& asset) {
    TypeInto(window, "DescEdit", asset.description);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Find(window, "TypeTextComboBox"));
    if (asset.typeKeys) Keys(asset.typeKeys);
    TypeInto(window, "DateofAcqEdit", asset.acquired);
    NextStep(window);
}

inline void DepreciatingEvent(QWidget* window, const TypedAsset& asset) {
    TypeInto(window, "AssetCost", "2000");
    TypeInto(window, "CapitalProceedsEdit", asset.proceeds);
    TypeInto(window, "DateofCGTEventEdit", asset.eventDate);
    Tick(window, "rbLVPYes");
    TypeInto(window, "LVPFractionEdt", "60");
    NextStep(window);
}

// The element picked from the opened list; the date incurred, the description and the
// amount, each reached with Tab.
inline void CostElement(QWidget* window, const TypedAsset& asset) {
    if (!EnterTable(window)) return;
    Key(Qt::Key_Down, Qt::AltModifier);
    Keys(asset.element);
    Key(Qt::Key_Return);
    Keys(asset.incurred);
    Key(Qt::Key_Tab);
    Keys(asset.costText);
    Key(Qt::Key_Tab);
    Keys(asset.cost);
    NextStep(window);
}

inline void Payment(QWidget* window, int kind) {
    if (!EnterTable(window)) return;
    Keys(kind == 1 ? "01/07/2004" : "01/08/2000");
    Key(Qt::Key_Tab);
    Keys(kind == 1 ? "Return of capital" : "Tax deferred");
    Key(Qt::Key_Tab);
    Keys("100");
    NextStep(window);
}

// The shares and trust interests paths ask for payments after the costs.
inline bool IsPaymentsScreen(int number) { return number == 2012 || number == 2025; }

}  // namespace typed_asset_steps

// From the registration screen to the screen after the deferral screen, every step checked
// to lead to the next screen of the path.
inline void TypeAssetThroughPath(QWidget* window, const TypedAsset& asset) {
    using namespace typed_asset_steps;
    Register(window, asset);
    if (asset.depreciating) DepreciatingEvent(window, asset);
    NextStep(window);  // no cost base worked out at a later date
    CostElement(window, asset);
    if (asset.payments != 0)
        Payment(window, asset.payments);
    else if (IsPaymentsScreen(ScreenNumber(window)))
        NextStep(window);
    if (!asset.depreciating) {
        TypeInto(window, "DateofCGTEventEdit", asset.eventDate);
        TypeInto(window, "CapitalProceedsEdit", asset.proceeds);
        NextStep(window);
    }
    for (const char* box : asset.deferralBoxes) Tick(window, box);
    Press(window, "BtnNext");
}

// "Save" on the tool bar, clicked or, with `keys`, pressed with them, under another name in
// the same folder: a copy of the answers.
inline void SaveCopyAs(QWidget* window, const QString& name, const QKeySequence& keys = {}) {
    QToolButton* save = nullptr;
    for (auto* button : window->findChildren<QToolButton*>())
        if (button->text() == QLatin1String("Save")) save = button;
    ASSERT_NE(save, nullptr);
    bool saved = false;
    WhenModalOpens([&](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("FileNameEdit"));
        auto* button = dialog->findChild<QWidget*>(QStringLiteral("BtnSave"));
        if (!edit || !button) return;
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::mouseClick(button, Qt::LeftButton);
        saved = true;
    });
    if (keys.isEmpty()) {
        QTest::mouseClick(save, Qt::LeftButton);
    } else {
        // A shortcut needs the active window, and presses its button a moment later.
        if (!window->isActiveWindow()) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        }
        Key(keys[0].key(), keys[0].keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&] { return saved; }, 2000))
            << "the keys opened no save dialog";
    }
    Settle();
    EXPECT_TRUE(saved);
}
