#include "screens/tqcgt_82.h"

#include "ui_tqcgt_82.h"

// Yes registers another depreciating asset (2045); No moves to personal use assets (2052).
TQCGT_82::TQCGT_82() : TClosingQuestion(-6, 1), ui(new Ui::TQCGT_82) { ui->setupUi(this); }

TQCGT_82::~TQCGT_82() = default;
