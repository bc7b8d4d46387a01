#include "screens/tqcgt_46.h"

#include "ui_tqcgt_46.h"

// Yes registers another personal use asset or collectable (2055); No moves to intangible and
// other assets (2062).
TQCGT_46::TQCGT_46() : TClosingQuestion(-6, 1), ui(new Ui::TQCGT_46) { ui->setupUi(this); }

TQCGT_46::~TQCGT_46() = default;
