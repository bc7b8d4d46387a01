#pragma once
// A shown, active window with an entry field, a plain edit and a button after it, and the
// module's message boxes and beeps answered by the test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "base/module_state.h"
#include "controls/ttaxedit.h"
#include "scripted_responder.h"

// Counts the FocusIn events a widget receives.
class FocusInCounter : public QObject {
public:
    explicit FocusInCounter(QWidget* widget) : QObject(widget) { widget->installEventFilter(this); }
    int Count() const { return count_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) ++count_;
        return false;
    }

private:
    int count_ = 0;
};

class TaxEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        State().CurrentYearOverride = 2026;
        responder = std::make_unique<ScriptedResponder>();
        beeps = std::make_unique<BeepCounter>();
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        field = new TTaxEdit(window.get());
        other = new QLineEdit(window.get());
        button = new QPushButton(QStringLiteral("&Next"), window.get());
        layout->addWidget(field);
        layout->addWidget(other);
        layout->addWidget(button);
        window->resize(240, 120);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // Activation focused the field; each test enters it itself.
        other->setFocus();
        ASSERT_TRUE(other->hasFocus());
        otherFocusIns = new FocusInCounter(other);
        buttonFocusIns = new FocusInCounter(button);
    }

    void TearDown() override {
        window.reset();
        beeps.reset();
        responder.reset();
        ResetModuleState();
    }

    // Focuses the field the way a click or Tab would, and clears what that recorded.
    void Enter() {
        field->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field->hasFocus());
    }

    // Real key events; characters beyond ASCII arrive as the text of an unknown key, as
    // other keyboard layouts deliver them.
    void Type(const QString& keys) {
        for (QChar c : keys) {
            if (c.unicode() < 0x80)
                QTest::keyClick(field, static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    }

    // The interview buttons commit input like this before they act.
    bool CommitFocus() {
        button->setFocus(Qt::OtherFocusReason);
        return button->hasFocus();
    }

    std::unique_ptr<ScriptedResponder> responder;
    std::unique_ptr<BeepCounter> beeps;
    std::unique_ptr<QWidget> window;
    TTaxEdit* field = nullptr;
    QLineEdit* other = nullptr;
    QPushButton* button = nullptr;
    FocusInCounter* otherFocusIns = nullptr;
    FocusInCounter* buttonFocusIns = nullptr;
};
