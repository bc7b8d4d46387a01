#include "screens/tqcgt_41.h"

#include "ui_tqcgt_41.h"

// Yes registers the first trust interest; No discards them and asks about real estate.
TQCGT_41::TQCGT_41()
    : TGateScreen({.stage = 3, .worksheet = 452, .yesStep = 2, .noStep = 11, .clearOnNo = {1203}}),
      ui(new Ui::TQCGT_41) {
    ui->setupUi(this);
}

TQCGT_41::~TQCGT_41() = default;
