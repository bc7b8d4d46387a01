#include "screens/tqcgt_44.h"

#include "ui_tqcgt_44.h"

// Yes registers the next property; No asks about depreciating assets.
TQCGT_44::TQCGT_44() : TClosingQuestion(-6, 1), ui(new Ui::TQCGT_44) { ui->setupUi(this); }

TQCGT_44::~TQCGT_44() = default;
