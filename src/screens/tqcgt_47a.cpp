#include "screens/tqcgt_47a.h"

#include "ui_tqcgt_47a.h"

// Yes asks which CGT events happened (2063); No discards the other assets and moves to
// rights created in another entity (2072).
TQCGT_47a::TQCGT_47a()
    : TGateScreen({.stage = 7, .yesStep = 1, .noStep = 10, .clearOnNo = {1207}}),
      ui(new Ui::TQCGT_47a) {
    ui->setupUi(this);
}

TQCGT_47a::~TQCGT_47a() = default;
