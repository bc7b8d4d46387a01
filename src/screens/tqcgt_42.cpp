#include "screens/tqcgt_42.h"

#include "ui_tqcgt_42.h"

// Yes registers the next trust interest; No asks about real estate.
TQCGT_42::TQCGT_42() : TClosingQuestion(-8, 1), ui(new Ui::TQCGT_42) { ui->setupUi(this); }

TQCGT_42::~TQCGT_42() = default;
