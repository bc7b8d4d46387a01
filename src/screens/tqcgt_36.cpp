#include "screens/tqcgt_36.h"

#include "base/module_state.h"
#include "interview/interview_steps.h"
#include "screens/core/receipt_rules.h"
#include "store/field_store.h"
#include "ui_tqcgt_36.h"

namespace {
constexpr int OtherReceipts = 462;
constexpr int HasProceedsField = 1196;
constexpr int AssetTypeField = 714;
}  // namespace

TQCGT_36::TQCGT_36() : TReceiptScreen(OtherReceipts, false), ui(new Ui::TQCGT_36) {
    ui->setupUi(this);
    // The form's own tab order holds in the screen-reader mode too.
    setReorderTabs(false);
    Attach({ui->DescEdit, ui->ProceedsEdit, ui->CostsEdit, ui->GainEdit, ui->LossEdit,
            ui->DateofCGTEventEdit});
}

TQCGT_36::~TQCGT_36() = default;

void TQCGT_36::FormShow() {
    TReceiptScreen::FormShow();
    if (!State().VisionImpairedMode) return;
    for (QWidget* heading : {ui->TypeHeadingLbl, ui->ReceiptHeadingLbl, ui->DetailsHeadingLbl})
        heading->setFocusPolicy(Qt::TabFocus);
}

// A receipt with proceeds is a non-active other asset for the concession summaries.
void TQCGT_36::NextStep() {
    if (ReceiptHasProceeds(Proceeds())) {
        SetFieldChecked(HasProceedsField);
        SetFieldStr(AssetTypeField, "ON");
    } else {
        SetFieldUnchecked(HasProceedsField);
        ClearField(AssetTypeField);
    }
    StepScreenIndex(1);
}
