#include "screens/tqcgt_48.h"

#include "ui_tqcgt_48.h"

// Yes registers another asset of the section (2065); No moves to rights created in another
// entity (2072).
TQCGT_48::TQCGT_48() : TClosingQuestion(-6, 1), ui(new Ui::TQCGT_48) { ui->setupUi(this); }

TQCGT_48::~TQCGT_48() = default;
