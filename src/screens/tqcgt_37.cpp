#include "screens/tqcgt_37.h"

#include "ui_tqcgt_37.h"

// Yes enters another receipt (2097); No moves to the manual calculation table (2099, shown
// as 2101).
TQCGT_37::TQCGT_37() : TClosingQuestion(-1, 1), ui(new Ui::TQCGT_37) { ui->setupUi(this); }

TQCGT_37::~TQCGT_37() = default;
