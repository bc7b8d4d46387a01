#include "screens/tqcgt_40.h"

#include "ui_tqcgt_40.h"

// Yes registers the next parcel; No asks about trusts.
TQCGT_40::TQCGT_40() : TClosingQuestion(-8, 1), ui(new Ui::TQCGT_40) { ui->setupUi(this); }

TQCGT_40::~TQCGT_40() = default;
