#include "screens/tqcgt_50.h"

#include "ui_tqcgt_50.h"

// Yes enters another created-right event (2075); No moves to other receipts (2096).
TQCGT_50::TQCGT_50() : TClosingQuestion(-6, 15), ui(new Ui::TQCGT_50) { ui->setupUi(this); }

TQCGT_50::~TQCGT_50() = default;
