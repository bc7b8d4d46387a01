// Every screen of the catalogue, in the normal and the screen-reader presentation, as a
// screen reader sees it through Qt's accessibility interfaces: every control Tab stops at has
// a name, every entry field is named by a label on its screen, the question can be read as
// text, and Tab goes through the screen in the order a reader of it would.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QLabel>
#include <QRegularExpression>
#include <cstdlib>

#include "controls/treviewlabel.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/screen_accessibility.h"
#include "interview/tnavigatorframe.h"
#include "interview/tnavigatortreeview.h"
#include "interview_fixture.h"
#include "module/build_text_variables.h"

namespace {

bool TakesTab(const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy(); }

bool Reachable(const QWidget* w) { return TakesTab(w) && w->isVisible() && w->isEnabled(); }

bool PartOfCompound(const QWidget* w) {
    for (const QWidget* up = w->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
        if (TakesTab(up)) return true;
    return false;
}

// The controls Tab visits, in the order it visits them, starting from the window.
QList<QWidget*> TabChain(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (Reachable(w) && !PartOfCompound(w)) chain << w;
    return chain;
}

// The texts a label on the screen shows, as a reader would hear them.
QStringList LabelTexts(QWidget* screen) {
    QStringList texts;
    for (QLabel* label : screen->findChildren<QLabel*>())
        texts << label->text().remove(QRegularExpression(QStringLiteral("&(?!&)"))).simplified();
    for (TTextLbl* label : screen->findChildren<TTextLbl*>())
        texts << label->plainText().simplified();
    // A table's column titles are shown too.
    for (TXGrid* grid : screen->findChildren<TXGrid*>())
        for (int col = 0; col < grid->ColCount(); ++col)
            if (grid->RowCount() > 0) texts << grid->Cells(col, 0).simplified();
    return texts;
}

// A name is shown on the screen when a label shows it, or, for an amount in a table of
// amounts, when it is its column's title followed by its row's caption.
bool NameIsShown(const QStringList& labels, const QString& name) {
    if (labels.contains(name)) return true;
    for (const QString& column : labels)
        if (!column.isEmpty() && name.startsWith(column + QLatin1Char(' ')) &&
            labels.contains(name.mid(column.size() + 1)))
            return true;
    return false;
}

bool IsEntryField(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const TXGrid*>(w);
}

class ScreenAccessibilitySweep : public InterviewTest, public ::testing::WithParamInterface<bool> {
protected:
    void CheckScreen(int number) {
        TChildForm* screen = frame->CurrentScreen();
        const QList<QWidget*> chain = TabChain(main);
        ASSERT_FALSE(chain.isEmpty());

        for (QWidget* w : chain) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
            ASSERT_NE(iface, nullptr);
            EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty())
                << "unnamed Tab stop " << w->metaObject()->className() << " "
                << w->objectName().toStdString();
        }

        // Every field the taxpayer can see and use is on the chain.
        for (QWidget* w : screen->findChildren<QWidget*>()) {
            if (!IsEntryField(w) || !Reachable(w) || PartOfCompound(w)) continue;
            EXPECT_TRUE(chain.contains(w)) << w->objectName().toStdString() << " is off the chain";
        }

        const QStringList labels = LabelTexts(screen);
        for (QWidget* w : chain) {
            if (!screen->isAncestorOf(w) || !IsEntryField(w)) continue;
            ++fields;
            const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
            EXPECT_TRUE(NameIsShown(labels, name.simplified()))
                << w->objectName().toStdString() << " is named '" << name.toStdString()
                << "', which no label of the screen shows";
        }

        // Tables and summaries have headings instead of a question to read.
        if (TTextLbl* question = QuestionLabel(screen)) {
            QAccessibleInterface* text = QAccessible::queryAccessibleInterface(question);
            ASSERT_NE(text->textInterface(), nullptr);
            const QString read =
                text->textInterface()->text(0, text->textInterface()->characterCount());
            const QString firstLine = question->plainTextLines()
                                          .filter(QRegularExpression(QStringLiteral("\\S")))
                                          .value(0);
            EXPECT_FALSE(read.isEmpty());
            EXPECT_EQ(read.section(QLatin1Char('\n'), 0, 0), firstLine.trimmed());
        } else {
            EXPECT_FALSE(screen->findChildren<QLabel*>().isEmpty()) << "nothing to read";
        }

        // Left panel, then the screen top to bottom and left to right, then the buttons.
        QList<QWidget*> onScreen;
        int firstOnScreen = -1, lastOnScreen = -1;
        for (int i = 0; i < chain.size(); ++i) {
            if (!screen->isAncestorOf(chain[i])) continue;
            onScreen << chain[i];
            if (firstOnScreen < 0) firstOnScreen = i;
            lastOnScreen = i;
        }
        for (int i = 1; i < onScreen.size(); ++i) {
            const QPoint a = onScreen[i - 1]->mapTo(screen, QPoint(0, 0));
            const QPoint b = onScreen[i]->mapTo(screen, QPoint(0, 0));
            const bool inOrder =
                b.y() - a.y() >= 12 || (std::abs(b.y() - a.y()) < 12 && b.x() > a.x());
            EXPECT_TRUE(inOrder) << onScreen[i - 1]->objectName().toStdString() << " (" << a.x()
                                 << "," << a.y() << ") before "
                                 << onScreen[i]->objectName().toStdString() << " (" << b.x() << ","
                                 << b.y() << ")";
        }
        for (int i = 0; i < chain.size(); ++i) {
            if (frame->ImagePanel->isAncestorOf(chain[i]) && firstOnScreen >= 0) {
                EXPECT_LT(i, firstOnScreen) << chain[i]->objectName().toStdString();
            }
            if (frame->BtnPanel->isAncestorOf(chain[i]) && lastOnScreen >= 0) {
                EXPECT_GT(i, lastOnScreen) << chain[i]->objectName().toStdString();
            }
        }
        if (frame->BtnPrev->isVisible() && frame->BtnNext->isVisible()) {
            EXPECT_LT(chain.indexOf(frame->BtnPrev), chain.indexOf(frame->BtnNext)) << number;
        }
    }

    int fields = 0;
};

}  // namespace

TEST_P(ScreenAccessibilitySweep, EveryScreenIsUsableByEarAndKeyboard) {
    BuildTextVariables();
    OpenWindows(GetParam() ? QStringList{QStringLiteral("/V")} : QStringList{});
    int screensChecked = 0;
    for (const ScreenEntry& entry : ScreenTable()) {
        Start(entry.number);
        Settle();
        if (!frame->CurrentScreen() || Shown() != entry.number) continue;
        SCOPED_TRACE(entry.number);
        CheckScreen(entry.number);
        ++screensChecked;
    }
    // The catalogue is walked, not a few screens of it, and its fields are met on the chain.
    EXPECT_GT(screensChecked, 40);
    EXPECT_GT(fields, 20);
    RecordProperty("screens", screensChecked);
    RecordProperty("fields", fields);
}

INSTANTIATE_TEST_SUITE_P(BothModes, ScreenAccessibilitySweep, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "ScreenReaderMode" : "NormalMode");
                         });
