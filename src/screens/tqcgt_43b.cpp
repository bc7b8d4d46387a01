#include "screens/tqcgt_43b.h"

#include "ui_tqcgt_43b.h"

// Next asks about events on real estate; no worksheet is open here.
TQCGT_43b::TQCGT_43b() : TInformationScreen({.hideWorksheetPanel = true}), ui(new Ui::TQCGT_43b) {
    ui->setupUi(this);
}

TQCGT_43b::~TQCGT_43b() = default;
