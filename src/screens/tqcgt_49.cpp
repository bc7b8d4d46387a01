#include "screens/tqcgt_49.h"

#include "ui_tqcgt_49.h"

// Yes starts the entry of created-right events (2075); No discards the created rights and moves
// to other receipts (2096).
TQCGT_49::TQCGT_49()
    : TGateScreen({.stage = 8, .worksheet = 457, .yesStep = 2, .noStep = 23, .clearOnNo = {1208}}),
      ui(new Ui::TQCGT_49) {
    ui->setupUi(this);
}

TQCGT_49::~TQCGT_49() = default;
