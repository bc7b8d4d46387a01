#include "screens/tqcgt_20b.h"

#include "interview/interview_steps.h"
#include "store/field_store.h"
#include "ui_tqcgt_20b.h"

namespace {
constexpr int PaymentsField = 738;
}

TQCGT_20b::TQCGT_20b() : ui(new Ui::TQCGT_20b) {
    ui->setupUi(this);
    SetBoxes({ui->Q2YesCheckBox, ui->Q2NoCheckBox, ui->Q3YesCheckBox, ui->Q3NoCheckBox,
              ui->ScripforScripYesCheckBox, ui->ScripforScripNoCheckBox, ui->Q1CheckBox});
}

TQCGT_20b::~TQCGT_20b() = default;

void TQCGT_20b::StepNext() {
    // The payments summary only has something to show when a payment was entered.
    const TextList* payments = GetFieldLst(PaymentsField);
    StepScreenIndex(payments && !payments->empty() ? 1 : 2);
}
