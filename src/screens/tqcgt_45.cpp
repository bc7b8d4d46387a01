#include "screens/tqcgt_45.h"

#include "ui_tqcgt_45.h"

// Yes starts the personal use assets and collectables path (2055); No discards them and moves
// to intangible and other assets (2062).
TQCGT_45::TQCGT_45()
    : TGateScreen({.stage = 6, .worksheet = 455, .yesStep = 2, .noStep = 9, .clearOnNo = {1206}}),
      ui(new Ui::TQCGT_45) {
    ui->setupUi(this);
}

TQCGT_45::~TQCGT_45() = default;
