#include "screens/tqcgt_83.h"

#include "ui_tqcgt_83.h"

// Next goes to the question on losses of earlier years.
TQCGT_83::TQCGT_83()
    : TInformationScreen({.nextScreen = 2125, .showNavigator = true}), ui(new Ui::TQCGT_83) {
    ui->setupUi(this);
}

TQCGT_83::~TQCGT_83() = default;
