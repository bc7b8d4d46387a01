#include "screens/tqcgt_49a.h"

#include "ui_tqcgt_49a.h"

// Yes asks which CGT events happened (2073); No discards the created rights and moves to other
// receipts (2096).
TQCGT_49a::TQCGT_49a()
    : TGateScreen({.stage = 8, .yesStep = 1, .noStep = 24, .clearOnNo = {1208}}),
      ui(new Ui::TQCGT_49a) {
    ui->setupUi(this);
}

TQCGT_49a::~TQCGT_49a() = default;
