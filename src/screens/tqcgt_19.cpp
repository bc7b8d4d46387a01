#include "screens/tqcgt_19.h"

#include "base/module_state.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "screens/asset_type_text.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "screens/yes_no_pair.h"
#include "store/field_store.h"
#include "ui_tqcgt_19.h"

TQCGT_19::TQCGT_19() : ui(new Ui::TQCGT_19) {
    ui->setupUi(this);
    PairAsRadio(ui->PreLegalYesCheckBox, ui->PreLegalNoCheckBox);
    connect(ui->DateofCGTEventEdit, &TTaxEdit::exited, this, &TQCGT_19::ShowLegalTimeQuestion);
}

TQCGT_19::~TQCGT_19() = default;

void TQCGT_19::FormCreate() {
    TAssetScreen::FormCreate();
    std::vector<std::string> lines = AssetTypeLines(Worksheet());
    if (Worksheet() == 456) lines[2] = "ON - Non-active asset - Other asset CGT event";
    FillComboLines(ui->TypeTextComboBox, lines);
    if (State().VisionImpairedMode) ShowAssetTypeAsText(ui->TypeTextComboBox);
}

void TQCGT_19::FormShow() {
    TAssetScreen::FormShow();
    ShowLegalTimeQuestion();
}

// Only an event on the day indexation ended needs the time of day.
void TQCGT_19::ShowLegalTimeQuestion() {
    const bool onCutOff =
        ReadDateText(ToLatin1Text(ui->DateofCGTEventEdit->text())) == IndexationCutOff();
    for (QWidget* control :
         {static_cast<QWidget*>(ui->PreLegalLbl), static_cast<QWidget*>(ui->PreLegalYesCheckBox),
          static_cast<QWidget*>(ui->PreLegalNoCheckBox)})
        control->setVisible(onCutOff);
    if (onCutOff) return;
    ui->PreLegalYesCheckBox->setChecked(false);
    ui->PreLegalNoCheckBox->setChecked(false);
}

void TQCGT_19::CheckLeave() {
    EventInput in;
    in.event = ReadDateText(ToLatin1Text(ui->DateofCGTEventEdit->text()));
    in.acquired = ReadDateText(GetFieldStr(726));
    in.effective = ReadDateText(GetFieldStr(729));
    in.proceedsEntered = ui->CapitalProceedsEdit->NumValue() != 0;
    if (const TextList* costs = GetFieldLst(737)) in.incurred = CostElementIncurredDates(*costs);
    auto refusal = EventLeaveCheck(in);
    if (!refusal && in.event == IndexationCutOff() && !ui->PreLegalYesCheckBox->isChecked() &&
        !ui->PreLegalNoCheckBox->isChecked()) {
        Refuse("If CGT event date was 21/09/1999, you must answer Yes or No.",
               ui->PreLegalYesCheckBox);
        return;
    }
    if (!refusal) {
        ConfirmEventInYear(ui->DateofCGTEventEdit);
        return;
    }
    Refuse(refusal->message, refusal->focus,
           {{efEventDate, ui->DateofCGTEventEdit}, {efProceeds, ui->CapitalProceedsEdit}});
}
