#include "screens/tqcgt_03a.h"

#include "ui_tqcgt_03a.h"

// Yes opens the distributions table; No passes the whole trusts section, so it discards
// the trust interests and the distributions together.
TQCGT_03a::TQCGT_03a()
    : TGateScreen({.stage = 2,
                   .stageOnNo = 4,
                   .yesStep = 1,
                   .noStep = 13,
                   .clearOnNo = {1203, 1204, 1215}}),
      ui(new Ui::TQCGT_03a) {
    ui->setupUi(this);
}

TQCGT_03a::~TQCGT_03a() = default;
