#include "screens/tqcgt_43.h"

#include "ui_tqcgt_43.h"

// Yes registers the first property; No discards the real estate and asks about
// depreciating assets.
TQCGT_43::TQCGT_43()
    : TGateScreen({.stage = 5, .worksheet = 454, .yesStep = 2, .noStep = 9, .clearOnNo = {1205}}),
      ui(new Ui::TQCGT_43) {
    ui->setupUi(this);
}

TQCGT_43::~TQCGT_43() = default;
