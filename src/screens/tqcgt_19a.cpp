#include "screens/tqcgt_19a.h"

#include "base/module_state.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "screens/asset_type_text.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "store/field_store.h"
#include "ui_tqcgt_19a.h"

namespace {
constexpr int LowValuePoolField = 1197;

std::string TextOf(const TTaxEdit* edit) { return ToLatin1Text(edit->text()); }
}  // namespace

TQCGT_19a::TQCGT_19a() : ui(new Ui::TQCGT_19a) {
    ui->setupUi(this);
    connect(ui->rbLVPYes, &QRadioButton::clicked, this, &TQCGT_19a::rbLVPYesClick);
    connect(ui->rbLVPNo, &QRadioButton::clicked, this, &TQCGT_19a::rbLVPYesClick);
}

TQCGT_19a::~TQCGT_19a() = default;

void TQCGT_19a::FormCreate() {
    TAssetScreen::FormCreate();
    FillComboLines(ui->TypeTextComboBox, AssetTypeLines(458));
    if (State().VisionImpairedMode) ShowAssetTypeAsText(ui->TypeTextComboBox);
    const bool pooled = FieldChecked(LowValuePoolField);
    (pooled ? ui->rbLVPYes : ui->rbLVPNo)->setChecked(true);
    rbLVPYesClick();
}

void TQCGT_19a::rbLVPYesClick() {
    const bool pooled = ui->rbLVPYes->isChecked();
    pooled ? SetFieldChecked(LowValuePoolField) : SetFieldUnchecked(LowValuePoolField);
    for (QWidget* control :
         {static_cast<QWidget*>(ui->SumofRednEdt), static_cast<QWidget*>(ui->TotDeclEdt),
          static_cast<QWidget*>(ui->SumofRednLbl), static_cast<QWidget*>(ui->TotDeclLbl),
          static_cast<QWidget*>(ui->OrLbl)})
        control->setVisible(!pooled);
    if (pooled) {
        // A pooled asset's private use is its taxable use percentage alone.
        ui->SumofRednEdt->SetNumValue(0);
        ui->TotDeclEdt->SetNumValue(0);
    }
    ui->LVPFractionLbl->setCurrentSection(pooled ? 2 : 1);
}

void TQCGT_19a::CheckLeave() {
    DepreciatingInput in;
    in.termination = TextOf(ui->CapitalProceedsEdit);
    in.cost = TextOf(ui->AssetCost);
    in.eventText = TextOf(ui->DateofCGTEventEdit);
    in.percentage = TextOf(ui->LVPFractionEdt);
    in.sum = TextOf(ui->SumofRednEdt);
    in.decline = TextOf(ui->TotDeclEdt);
    in.terminationValue = ui->CapitalProceedsEdit->NumValue();
    in.costValue = ui->AssetCost->NumValue();
    in.poolYes = ui->rbLVPYes->isChecked();
    in.poolNo = ui->rbLVPNo->isChecked();
    in.acquired = ReadDateText(GetFieldStr(726));
    in.effective = ReadDateText(GetFieldStr(729));
    if (const TextList* costs = GetFieldLst(737)) in.incurred = CostElementIncurredDates(*costs);
    const auto refusal = DepreciatingLeaveCheck(in);
    if (!refusal) {
        ConfirmEventInYear(ui->DateofCGTEventEdit);
        return;
    }
    Refuse(refusal->message, refusal->focus,
           {{dfCost, ui->AssetCost},
            {dfTermination, ui->CapitalProceedsEdit},
            {dfEventDate, ui->DateofCGTEventEdit},
            {dfPool, ui->rbLVPYes},
            {dfPercentage, ui->LVPFractionEdt},
            {dfSum, ui->SumofRednEdt},
            {dfDecline, ui->TotDeclEdt}});
}
