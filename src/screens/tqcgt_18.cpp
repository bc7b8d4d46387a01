#include "screens/tqcgt_18.h"

#include "base/module_state.h"
#include "controls/txgrid.h"
#include "screens/asset_screen_setup.h"
#include "screens/asset_type_text.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "store/field_store.h"
#include "ui_tqcgt_18.h"

TQCGT_18::TQCGT_18() : ui(new Ui::TQCGT_18) {
    ui->setupUi(this);
    SetTable(ui->XGrid1, QStringLiteral("0,1"));
    ui->XGrid1->OnClick = [this](TXGrid* grid) { ui->YBLbl->setCurrentSection(grid->Col() + 1); };
}

TQCGT_18::~TQCGT_18() = default;

void TQCGT_18::FormCreate() {
    TAssetTableScreen::FormCreate();
    // The share path receives payments on the event date; the receipt date is not asked.
    HideGridColumn(ui->XGrid1, 1);
    FillComboLines(ui->TypeTextComboBox, {"OA - Active asset - Other asset CGT event",
                                          "ON - Non-active asset - Other asset CGT event"});
    if (Worksheet() == 451) {
        setHelpContext(184);
        ui->BodyLbl->setCurrentSection(1);
        SetPaymentEvent(ui->EventEdit, "G1", "G1 - Capital payment for shares");
    }
}

void TQCGT_18::FormShow() {
    TAssetTableScreen::FormShow();
    // Every payment is a non-active other CGT event, whatever the shares are.
    ui->TypeTextComboBox->setCurrentIndex(1);
    ui->YBLbl->setCurrentSection(1);
    if (State().VisionImpairedMode && !findChild<QWidget*>(QStringLiteral("TypeTextBox")))
        ShowAssetTypeAsText(ui->TypeTextComboBox);
}

std::optional<Refusal> TQCGT_18::RowsRefusal(const std::vector<std::string>& cells, double acquired,
                                             double effective) const {
    return SharePaymentsLeaveCheck(cells, acquired, effective);
}
