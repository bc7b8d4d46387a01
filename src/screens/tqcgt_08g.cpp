#include "screens/tqcgt_08g.h"

#include "ui_tqcgt_08g.h"

// Next moves to the entry of the first event (2075).
TQCGT_08g::TQCGT_08g() : TInformationScreen({}), ui(new Ui::TQCGT_08g) { ui->setupUi(this); }

TQCGT_08g::~TQCGT_08g() = default;
