#include "screens/tqcgt_35.h"

#include "ui_tqcgt_35.h"

// Yes enters the first receipt (2097); No discards the other receipts and moves to the manual
// calculation table (2099, shown as 2101).
TQCGT_35::TQCGT_35()
    : TGateScreen({.stage = 13, .worksheet = 462, .yesStep = 1, .noStep = 3, .clearOnNo = {1213}}),
      ui(new Ui::TQCGT_35) {
    ui->setupUi(this);
}

TQCGT_35::~TQCGT_35() = default;
