#include "screens/tqcgt_20a.h"

#include "ui_tqcgt_20a.h"

TQCGT_20a::TQCGT_20a() : ui(new Ui::TQCGT_20a) {
    ui->setupUi(this);
    SetBoxes({ui->Q2YesCheckBox, ui->Q2NoCheckBox, ui->Q3YesCheckBox, ui->Q3NoCheckBox, nullptr,
              nullptr, ui->Q1CheckBox});
}

TQCGT_20a::~TQCGT_20a() = default;
