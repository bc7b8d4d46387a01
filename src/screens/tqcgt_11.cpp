#include "screens/tqcgt_11.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "base/module_state.h"
#include "platform/qt_message_box.h"
#include "screens/core/acquisition_checks.h"
#include "screens/core/asset_tables.h"
#include "screens/yes_no_pair.h"
#include "store/field_store.h"
#include "ui_tqcgt_11.h"

namespace {

// Field 731 holds the deceased-estate answer as a number: 1 yes, 2 no.
constexpr int DeceasedField = 731;

double FieldDate(int field) { return ReadDateText(GetFieldStr(field)); }

double EditDate(const TTaxEdit* edit) { return ReadDateText(ToLatin1Text(edit->text())); }

void Untick(QCheckBox* box) { box->setChecked(false); }

}  // namespace

TQCGT_11::TQCGT_11() : ui(new Ui::TQCGT_11) {
    ui->setupUi(this);
    connect(ui->DateofRolloverEdit, &TTaxEdit::exited, this, &TQCGT_11::DateofRolloverEditExit);
    connect(ui->DeceasedCheckBoxYes, &QCheckBox::clicked, this, [this] { DeceasedClicked(true); });
    connect(ui->DeceasedCheckBoxNo, &QCheckBox::clicked, this, [this] { DeceasedClicked(false); });
    PairAsRadio(ui->PreLegalYesCheckBox, ui->PreLegalNoCheckBox);
    connect(ui->PreLegalNoCheckBox, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked) ui->AssetIndCostBaseEdit->setEnabled(true);
    });
}

TQCGT_11::~TQCGT_11() = default;

void TQCGT_11::FormCreate() {
    TAssetScreen::FormCreate();
    if (GetFieldType(DeceasedField) != dtNumeric) {
        ClearField(DeceasedField);
        SetFieldType(DeceasedField, dtNumeric);
    }
    if (FieldEmpty(DeceasedField)) SetFieldVal(DeceasedField, 2);
}

void TQCGT_11::FormShow() {
    TAssetScreen::FormShow();
    ApplyRolloverRules(true);
}

void TQCGT_11::DeceasedClicked(bool yes) {
    QCheckBox* ticked = yes ? ui->DeceasedCheckBoxYes : ui->DeceasedCheckBoxNo;
    if (!ticked->isChecked()) return;
    Untick(yes ? ui->DeceasedCheckBoxNo : ui->DeceasedCheckBoxYes);
    SetFieldVal(DeceasedField, yes ? 1 : 2);
}

void TQCGT_11::ApplyRolloverRules(bool readAnswer) {
    const double rollover = EditDate(ui->DateofRolloverEdit);
    if (IndexedCostBaseAllowed(FieldDate(726), rollover, ui->PreLegalNoCheckBox->isChecked()))
        ui->AssetIndCostBaseEdit->setEnabled(true);
    const bool rolled = rollover != NoDate;
    const bool onCutOff = rolled && rollover == IndexationCutOff();
    for (QCheckBox* box : {ui->DeceasedCheckBoxYes, ui->DeceasedCheckBoxNo}) {
        box->setEnabled(rolled);
        if (!rolled) Untick(box);
    }
    if (rolled && readAnswer) {
        const long long answer = GetFieldInt(DeceasedField);
        ui->DeceasedCheckBoxYes->setChecked(answer == 1);
        ui->DeceasedCheckBoxNo->setChecked(answer == 2);
    }
    for (QCheckBox* box : {ui->PreLegalYesCheckBox, ui->PreLegalNoCheckBox}) {
        box->setEnabled(onCutOff);
        if (!onCutOff) Untick(box);
    }
    if (onCutOff && !State().VisionImpairedMode)
        QTimer::singleShot(0, ui->DeceasedCheckBoxYes, [box = ui->DeceasedCheckBoxYes] {
            box->setFocus(Qt::OtherFocusReason);
        });
}

void TQCGT_11::DateofRolloverEditExit() {
    ApplyRolloverRules(false);
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(up)) {
            area->verticalScrollBar()->setValue(154);
            break;
        }
}

void TQCGT_11::CheckLeave() {
    CostBaseInput in;
    in.indexed = ui->AssetIndCostBaseEdit->NumValue();
    in.discount = ui->AssetDisCostBaseEdit->NumValue();
    in.reduced = ui->AssetRedCostBaseEdit->NumValue();
    in.rollover = EditDate(ui->DateofRolloverEdit);
    in.acquired = FieldDate(726);
    in.effective = EditDate(ui->EffectiveDateEdit);
    in.preLegalYes = ui->PreLegalYesCheckBox->isChecked();
    in.preLegalNo = ui->PreLegalNoCheckBox->isChecked();
    in.deceasedYes = ui->DeceasedCheckBoxYes->isChecked();
    in.deceasedNo = ui->DeceasedCheckBoxNo->isChecked();
    in.assetType = GetFieldStr(714);
    const auto refusal = CostBaseLeaveCheck(in);
    if (!refusal) return;
    QWidget* indexed = ui->AssetIndCostBaseEdit->isEnabled()
                           ? static_cast<QWidget*>(ui->AssetIndCostBaseEdit)
                           : static_cast<QWidget*>(ui->AssetDisCostBaseEdit);
    Refuse(refusal->message, refusal->focus,
           {{cfIndexed, indexed},
            {cfDiscount, ui->AssetDisCostBaseEdit},
            {cfReduced, ui->AssetRedCostBaseEdit},
            {cfPreLegalYes, ui->PreLegalYesCheckBox},
            {cfDeceasedNo, ui->DeceasedCheckBoxNo},
            {cfRollover, ui->DateofRolloverEdit},
            {cfEffective, ui->EffectiveDateEdit}});
}
