#include "screens/tqcgt_39.h"

#include <QScrollArea>
#include <QScrollBar>

#include "ui_tqcgt_39.h"

// Yes registers the first parcel; No discards the shares and asks about trusts.
TQCGT_39::TQCGT_39()
    : TGateScreen({.stage = 1, .worksheet = 451, .yesStep = 2, .noStep = 11, .clearOnNo = {1202}}),
      ui(new Ui::TQCGT_39) {
    ui->setupUi(this);
}

TQCGT_39::~TQCGT_39() = default;

void TQCGT_39::FormShow() {
    TGateScreen::FormShow();
    // The list of events is read from its start, also when the screen is shown again.
    ui->ScrollBox->verticalScrollBar()->setValue(0);
}
