#include "screens/tqcgt_36a.h"

#include "interview/interview_steps.h"
#include "screens/core/receipt_rules.h"
#include "store/field_store.h"
#include "ui_tqcgt_36a.h"

namespace {
constexpr int CreatedRights = 457;
constexpr int HasProceedsField = 1196;
}  // namespace

TQCGT_36a::TQCGT_36a() : TReceiptScreen(CreatedRights, true), ui(new Ui::TQCGT_36a) {
    ui->setupUi(this);
    ReceiptControls controls{ui->DescEdit, ui->ProceedsEdit, ui->CostsEdit,
                             ui->GainEdit, ui->LossEdit,     ui->DateofCGTEventEdit};
    controls.type = ui->TypeTextComboBox;
    controls.deferYes = ui->Q2YesCheckBox;
    controls.deferNo = ui->Q2NoCheckBox;
    controls.marriageYes = ui->Q3YesCheckBox;
    controls.marriageNo = ui->Q3NoCheckBox;
    Attach(controls);
}

TQCGT_36a::~TQCGT_36a() = default;

// Past the closing question's neighbours to the closing question (2081).
void TQCGT_36a::NextStep() {
    ReceiptHasProceeds(Proceeds()) ? SetFieldChecked(HasProceedsField)
                                   : SetFieldUnchecked(HasProceedsField);
    StepScreenIndex(6);
}
