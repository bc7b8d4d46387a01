#include "screens/tqcgt_18b.h"

#include "controls/txgrid.h"
#include "interview/interview_steps.h"
#include "platform/qt_message_box.h"
#include "screens/asset_screen_setup.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"
#include "screens/grid_focus.h"
#include "store/field_store.h"
#include "ui_tqcgt_18b.h"

namespace {
enum TrustColumn { tcPaid = 0, tcEvent = 1, tcConcession = 4, tcTaxFree = 5, tcTaxExempted = 6 };
}

TQCGT_18b::TQCGT_18b() : ui(new Ui::TQCGT_18b) {
    ui->setupUi(this);
    ShowBothScrollBars(ui->XGrid1);
    ui->XGrid1->OnClick = [this](TXGrid* grid) { CellClicked(grid->Col(), grid->Row()); };
}

TQCGT_18b::~TQCGT_18b() = default;

TXGrid* TQCGT_18b::Grid() const { return ui->XGrid1; }

void TQCGT_18b::FormCreate() {
    TAssetScreen::FormCreate();
    SetPaymentEvent(ui->EventEdit, "E4", "E4 - Capital payment for trust interest");
}

void TQCGT_18b::FormShow() {
    TAssetScreen::FormShow();
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

void TQCGT_18b::CheckLeave() {
    TextList cells;
    ui->XGrid1->SaveToList(cells);
    if (const auto refusal = TrustPaymentsLeaveCheck(cells, ReadDateText(GetFieldStr(726)),
                                                     ReadDateText(GetFieldStr(729))))
        RefuseAtCell(this, ui->XGrid1, *refusal);
}

void TQCGT_18b::StepNext() {
    SortRowsBy(ui->XGrid1, QStringLiteral("0"));
    StepScreenIndex(1);
}
