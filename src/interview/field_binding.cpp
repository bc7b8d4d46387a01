#include "interview/field_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <cmath>

#include "base/currency_format.h"
#include "base/module_state.h"
#include "controls/ttaxedit.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/screen_accessibility.h"
#include "interview/tchildform.h"
#include "platform/qt_message_box.h"
#include "store/field_store.h"

namespace {

bool NumericEntry(TNumericType type) {
    return type == ntCurrency || type == ntCurrencyCnt || type == ntNumeric;
}

int ComboMaxLength(const QComboBox* combo) { return combo->property("MaxLength").toInt(); }

void LoadEdit(TTaxEdit* edit, int field) {
    const int type = GetFieldType(field);
    const bool numeric = type == dtNone
                             ? NumericEntry(edit->NumericType())
                             : (type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt);
    if (numeric)
        edit->SetNumValue(GetFieldVal(field));
    else
        edit->SetTextValue(FromLatin1Text(GetFieldStr(field)));
}

void SaveEdit(TTaxEdit* edit, int field) {
    if (NumericEntry(edit->NumericType()))
        SetFieldVal(field, edit->NumValue());
    else
        SetFieldStr(field, ToLatin1Text(edit->text()));
}

void LoadCombo(QComboBox* combo, int field) {
    combo->setCurrentIndex(-1);
    const int length = ComboMaxLength(combo);
    if (length == 0) return;
    const QString code = FromLatin1Text(GetFieldStr(field));
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).left(length) == code) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

void LoadGrid(TXGrid* grid, int field) {
    grid->LoadFromList(GetFieldLst(field));
    grid->SetModified(false);
}

void SaveGrid(TXGrid* grid, int field) {
    TextList lines;
    grid->SaveToList(lines);
    SetFieldLst(field, std::move(lines));
    if (grid->Modified()) State().StoreChanged = true;
}

void LoadLabel(QLabel* label, int field) {
    const int type = GetFieldType(field);
    if (type == dtCurrency || type == dtCurrencyCnt)
        label->setText(CurrencyLabelText(GetFieldVal(field), type == dtCurrencyCnt));
    else
        label->setText(FromLatin1Text(GetFieldText(field)));
}

// Hints are not shown on interview screens; the text is kept for the screen-reader help.
void SwitchHintOff(QWidget* control) {
    if (control->toolTip().isEmpty()) return;
    control->setProperty("Hint", control->toolTip());
    control->setToolTip(QString());
}

}  // namespace

int BoundField(const QObject* control) {
    bool ok = false;
    const int tag = control->property("tag").toInt(&ok);
    return ok && IsValidField(tag) ? tag : 0;
}

QString CurrencyLabelText(long double value, bool withCents) {
    if (std::fabs(value) <= 0.01L) return {};
    CurrencyFormat format = State().Currency;
    format.negative = NegativeCurrencyStyle::MinusBeforeSymbol;
    return FromLatin1Text(FormatCurrency(format, value, withCents ? 2 : 0, withCents ? 10 : 8));
}

void LoadScreenFields(QWidget* screen, const JumpHandler& linkHandler) {
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        SwitchHintOff(control);
        if (auto* label = qobject_cast<TTextLbl*>(control)) label->OnJumpClick = linkHandler;
        const int field = BoundField(control);
        if (field == 0) continue;
        if (auto* edit = qobject_cast<TTaxEdit*>(control)) {
            LoadEdit(edit, field);
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            check->setChecked(FieldChecked(field));
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            radio->setChecked(FieldChecked(field));
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            LoadCombo(combo, field);
        } else if (auto* grid = qobject_cast<TXGrid*>(control)) {
            LoadGrid(grid, field);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            LoadLabel(label, field);
        }
    }
    if (auto* form = qobject_cast<TChildForm*>(screen))
        form->setWorksheetSection(State().CurrentWorksheet != 0);
    NameScreenControls(screen, State().VisionImpairedMode);
}

void SaveScreenFields(QWidget* screen) {
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        const int field = BoundField(control);
        if (field == 0) continue;
        if (auto* edit = qobject_cast<TTaxEdit*>(control)) {
            SaveEdit(edit, field);
        } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
            check->isChecked() ? SetFieldChecked(field) : SetFieldUnchecked(field);
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            radio->isChecked() ? SetFieldChecked(field) : SetFieldUnchecked(field);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            SetFieldStr(field, ToLatin1Text(combo->currentText().left(ComboMaxLength(combo))));
        } else if (auto* grid = qobject_cast<TXGrid*>(control)) {
            SaveGrid(grid, field);
        }
    }
}
