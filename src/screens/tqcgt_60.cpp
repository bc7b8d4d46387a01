#include "screens/tqcgt_60.h"

#include "ui_tqcgt_60.h"

// Next goes on to shares.
TQCGT_60::TQCGT_60()
    : TInformationScreen({.nextScreen = 2006, .showNavigator = true}), ui(new Ui::TQCGT_60) {
    ui->setupUi(this);
}

TQCGT_60::~TQCGT_60() = default;
