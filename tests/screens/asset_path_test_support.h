#pragma once
// The asset path screens in the interview window: finding their controls, typing into them
// with real keys, and items stored as a finished path stores them.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "../interview/interview_fixture.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "controls/txgridinplaceedit.h"
#include "store/worksheet_items.h"

class AssetPathTest : public InterviewTest {
protected:
    template <class T = QWidget>
    T* Control(const char* name) const {
        T* control = frame->CurrentScreen()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    static QWidget* Focused() { return QApplication::focusWidget(); }
    // A message text as the message box shows it: its line breaks become newlines.
    static std::string AsShown(std::string text) {
        for (char& c : text)
            if (c == '\r') c = '\n';
        return text;
    }

    // Clicks into a field and types, as a person does.
    void TypeInto(const char* name, const QString& text) {
        QWidget* field = Control(name);
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
        QTest::keyClicks(Focused(), text);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
    }
    // Opens a grid cell's drop-down list, searches it by typing and takes the entry.
    void PickFromList(const QString& search) {
        Key(Qt::Key_Down, Qt::AltModifier);
        QTest::keyClicks(Focused(), search);
        Key(Qt::Key_Return);
    }
    // Clicks a cell; a grid without the focus first enters its first cell.
    void ClickCell(TXGrid* grid, int col, int row) {
        const QPoint at = grid->CellRect(col, row).center();
        if (Focused() != grid && !grid->isAncestorOf(Focused())) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
        }
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QCoreApplication::processEvents();
    }
    // Replaces the text of an entry field with typed keys.
    void Retype(const char* name, const QString& text) {
        auto* field = Control<TTaxEdit>(name);
        field->setFocus(Qt::MouseFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void Next() {
        Click(frame->BtnNext);
        Settle();
    }
    void Prev() {
        Click(frame->BtnPrev);
        Settle();
    }
    // Starts the interview on a screen of path k, continuing item `item`.
    void StartOnItem(int k, int item, int number) {
        State().PathWorksheet = k;
        State().ContinueItem = true;
        State().SelectedItem = item;
        Start(number);
    }
    // Stores an item with the given fields, as a finished path does.
    static void AddItem(int k, const std::string& name,
                        const std::vector<std::pair<int, std::string>>& texts = {}) {
        const int key = WorksheetItemCount(k) + 1;
        GetWorksheetItem(k, key);
        SetFieldStr(ItemNameField, name);
        for (const auto& [field, text] : texts) SetFieldStr(field, text);
        PutWorksheetItem(k, key);
    }
    // A field of item `key` of worksheet k, read back from the store.
    static std::string ItemText(int k, int key, int field) {
        if (const ItemList* list = WorksheetItems(k, false))
            for (const WorksheetItem& record : *list)
                if (record.ItemKey == key && record.field == field) {
                    if (record.slot.type != dtList || !record.slot.list)
                        return FieldSlotText(record.slot);
                    std::string joined;  // every cell of a table, "|" between them
                    for (const std::string& cell : *record.slot.list) joined += cell + "|";
                    return joined;
                }
        return {};
    }
};
