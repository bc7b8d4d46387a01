#include "screens/tqcgt_81.h"

#include "ui_tqcgt_81.h"

// Yes starts the depreciating asset path (2045); No discards the depreciating assets and
// moves to personal use assets (2052).
TQCGT_81::TQCGT_81()
    : TGateScreen({.stage = 8, .worksheet = 458, .yesStep = 2, .noStep = 9, .clearOnNo = {1209}}),
      ui(new Ui::TQCGT_81) {
    ui->setupUi(this);
}

TQCGT_81::~TQCGT_81() = default;
