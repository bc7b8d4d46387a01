#include "screens/tqcgt_80.h"

#include "ui_tqcgt_80.h"

// Yes asks about balancing adjustment events (2043); No discards the depreciating assets
// and moves to personal use assets (2052).
TQCGT_80::TQCGT_80()
    : TGateScreen({.stage = 8, .yesStep = 1, .noStep = 10, .clearOnNo = {1209}}),
      ui(new Ui::TQCGT_80) {
    ui->setupUi(this);
}

TQCGT_80::~TQCGT_80() = default;
