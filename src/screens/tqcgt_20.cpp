#include "screens/tqcgt_20.h"

#include "ui_tqcgt_20.h"

TQCGT_20::TQCGT_20() : ui(new Ui::TQCGT_20) {
    ui->setupUi(this);
    SetBoxes({ui->Q2YesCheckBox, ui->Q2NoCheckBox, ui->Q3YesCheckBox, ui->Q3NoCheckBox, nullptr,
              nullptr, ui->Q1CheckBox});
}

TQCGT_20::~TQCGT_20() = default;

void TQCGT_20::FormCreate() {
    TDeferralScreen::FormCreate();
    // Only intangible and other assets can be active assets of a business here.
    const bool otherAssets = Worksheet() == 456;
    ui->TextLbl3->setCurrentSection(otherAssets ? 1 : 2);
    for (QWidget* control :
         {static_cast<QWidget*>(ui->Q1CheckBox), static_cast<QWidget*>(ui->Q1HelpLbl)})
        control->setVisible(otherAssets);
}
