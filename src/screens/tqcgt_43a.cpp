#include "screens/tqcgt_43a.h"

#include "ui_tqcgt_43a.h"

// Yes explains the main residence exemption; No discards the real estate and asks about
// depreciating assets.
TQCGT_43a::TQCGT_43a()
    : TGateScreen({.stage = 5, .yesStep = 1, .noStep = 11, .clearOnNo = {1205}}),
      ui(new Ui::TQCGT_43a) {
    ui->setupUi(this);
}

TQCGT_43a::~TQCGT_43a() = default;
