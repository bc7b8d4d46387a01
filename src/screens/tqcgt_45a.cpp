#include "screens/tqcgt_45a.h"

#include "ui_tqcgt_45a.h"

// Yes asks which CGT events happened (2053); No discards the personal use assets and
// collectables and moves to intangible and other assets (2062).
TQCGT_45a::TQCGT_45a()
    : TGateScreen({.stage = 6, .yesStep = 1, .noStep = 10, .clearOnNo = {1206}}),
      ui(new Ui::TQCGT_45a) {
    ui->setupUi(this);
}

TQCGT_45a::~TQCGT_45a() = default;
