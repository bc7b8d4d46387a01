#include "screens/tqcgt_18b.h"

#include "controls/txgrid.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "store/field_store.h"
#include "ui_tqcgt_18b.h"

namespace {
enum TrustColumn { tcPaid = 0, tcEvent = 1, tcConcession = 4, tcTaxFree = 5, tcTaxExempted = 6 };
}

TQCGT_18b::TQCGT_18b() : ui(new Ui::TQCGT_18b) {
    ui->setupUi(this);
    SetTable(ui->XGrid1, QStringLiteral("0"));
    ui->XGrid1->OnClick = [this](TXGrid* grid) { CellClicked(grid->Col(), grid->Row()); };
}

TQCGT_18b::~TQCGT_18b() = default;

void TQCGT_18b::FormCreate() {
    TAssetTableScreen::FormCreate();
    SetPaymentEvent(ui->EventEdit, "E4", "E4 - Capital payment for trust interest");
}

void TQCGT_18b::FormShow() {
    TAssetTableScreen::FormShow();
    SetFieldStr(PaymentTypeField, "ON");
    ui->YBLbl->setCurrentSection(1);
}

void TQCGT_18b::CellClicked(int col, int row) {
    ui->YBLbl->setCurrentSection(col + 1);
    if (row < 1) return;
    TXGrid* grid = ui->XGrid1;
    const TrustPaymentRule rule = TrustPaymentRuleFor(ToLatin1Text(grid->Cells(tcPaid, row)));
    grid->SetCells(tcEvent, row, FromLatin1Text(rule.eventDate));
    if (rule.eventDate.empty()) return;
    grid->SetColumnLocked(tcConcession, rule.concessionReadOnly);
    grid->SetColumnLocked(tcTaxFree, rule.taxFreeReadOnly);
    grid->SetColumnLocked(tcTaxExempted, rule.taxExemptedReadOnly);
    if (rule.blankConcession) grid->SetCells(tcConcession, row, QString());
    if (rule.taxFreeReadOnly) grid->SetCells(tcTaxFree, row, QString());
    if (rule.taxExemptedReadOnly) grid->SetCells(tcTaxExempted, row, QString());
    if (rule.afterJune2001 && col == tcConcession) ShowInfo(FromLatin1Text(AfterJune2001Message));
}

std::optional<Refusal> TQCGT_18b::RowsRefusal(const std::vector<std::string>& cells,
                                              double acquired, double effective) const {
    return TrustPaymentsLeaveCheck(cells, acquired, effective);
}
