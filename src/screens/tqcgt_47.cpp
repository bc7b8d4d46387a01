#include "screens/tqcgt_47.h"

#include "ui_tqcgt_47.h"

// Yes starts the other assets path (2065); No discards the other assets and moves to rights
// created in another entity (2072).
TQCGT_47::TQCGT_47()
    : TGateScreen({.stage = 7, .worksheet = 456, .yesStep = 2, .noStep = 9, .clearOnNo = {1207}}),
      ui(new Ui::TQCGT_47) {
    ui->setupUi(this);
}

TQCGT_47::~TQCGT_47() = default;
