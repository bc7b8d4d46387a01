#include "screens/tqcgt_57.h"

#include "ui_tqcgt_57.h"

// Next shows the choice table.
TQCGT_57::TQCGT_57() : TInformationScreen({.showNavigator = true}), ui(new Ui::TQCGT_57) {
    ui->setupUi(this);
}

TQCGT_57::~TQCGT_57() = default;
