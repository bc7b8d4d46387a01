#pragma once
// A window holding a grid between two other controls, as an interview screen does.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include "base/module_state.h"
#include "controls/txgrid.h"
#include "controls/txgridinplaceedit.h"
#include "scripted_responder.h"

// The cost elements table: picklist, incurred date, hidden paid date, description,
// amount, excluded amount, hidden reduced-cost amount, comments.
inline QStringList CostElementDescriptors() {
    return {
        "Cost Element|2|0|40|0|F|T|-1||||11|1|6|1 - Purchase/Acquisition cost|"
        "1D - Instalment payment|2A - Incidentals re holding & acquisition|"
        "2B - Incidentals re specific CGT event|3A - Costs of owning the asset|"
        "5 - Capital expenditure - maintain ownership|F|F|",
        "Date expense\rincurred|2|2|10|0|F|F||-1|0|",
        "Date paid|2|2|10|0|T|F||-1|0|",
        "Description of expense|2|0|40|0|F|F|-1||||-1|0|F|",
        "Amount|2|1|10|0|F|F|2|T||||-1|0|F|",
        "Amount to be excluded\rfrom cost base|2|1|10|0|F|F|2|T||||-1|0|F|",
        "Amt to be excluded from\rreduced cost base|2|1|10|0|T|F|2|T||||-1|0|F|",
        "Comments|2|0|50|0|F|F|-1||||-1|0|F|",
    };
}
inline const char* CostElementWidths = "150,84,-1,170,78,96,-1,150";

// A two-letter asset type chosen from a list, a date and an amount.
inline QStringList AssetTypeDescriptors() {
    return {
        "Type|0|0|2|0|F|T|||||11|1|4|UA - Units, active asset|UN - Units, non-active asset|"
        "SA - Shares, active asset|SN - Shares, non-active asset|F|F|",
        "Amount|2|1|10|0|F|F|2|T||||-1|0|F|",
        "Date paid|2|2|10|0|F|F||-1|0|",
    };
}

class GridWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        State().CurrentYearOverride = 2026;
        window = new QWidget;
        window->resize(900, 320);
        before = new QLineEdit(window);
        before->setGeometry(10, 10, 120, 24);
        grid = new TXGrid(window);
        grid->setGeometry(10, 44, 860, 180);
        next = new QPushButton(QStringLiteral("Next"), window);
        next->setGeometry(10, 260, 90, 28);
        QObject::connect(next, &QPushButton::clicked, [this] { ++nextClicks; });
    }
    void TearDown() override {
        delete window;
        State().CurrentYearOverride = 0;
    }

    void Show() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Gives the grid the focus and lets its posted entry land.
    void EnterGrid() {
        grid->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendPostedEvents(grid, TGridEnterEvent::EventType);
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
    }
    void Type(const QString& text) { QTest::keyClicks(Focused(), text); }
    QPoint CellCentre(int col, int row) const { return grid->CellRect(col, row).center(); }

    QWidget* window = nullptr;
    QLineEdit* before = nullptr;
    TXGrid* grid = nullptr;
    QPushButton* next = nullptr;
    int nextClicks = 0;
    ScriptedResponder responder;
    BeepCounter beeps;
};
