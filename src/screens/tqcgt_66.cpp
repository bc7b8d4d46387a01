#include "screens/tqcgt_66.h"

#include <QKeyEvent>

#include "calc/scrip_for_scrip.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/storing_next.h"
#include "interview/tframewnd.h"
#include "screens/core/scrip_for_scrip_rules.h"
#include "screens/grid_cursor.h"
#include "screens/grid_display.h"
#include "ui_tqcgt_66.h"

TQCGT_66::TQCGT_66() : ui(new Ui::TQCGT_66) {
    ui->setupUi(this);
    SetGridDisplay(ui->XGrid1, ScripForScripDescriptors());
    ui->XGrid1->OnClick = [this](TXGrid* grid) { CellChosen(grid); };
    // The rows are the exchanges found in the assets; a blank row inserted here belongs to none.
    ui->XGrid1->OnKeyUp = [](TXGrid*, QKeyEvent* key, bool& handled) {
        handled = key->key() == Qt::Key_Insert && (key->modifiers() & Qt::ControlModifier);
    };
}

TQCGT_66::~TQCGT_66() = default;

TXGrid* TQCGT_66::Grid() const { return ui->XGrid1; }
TTextLbl* TQCGT_66::HelpPanel() const { return ui->YBLbl; }

void TQCGT_66::FormShow() {
    FillScripForScripTable(ui->XGrid1->Model());
    ui->XGrid1->viewport()->update();
    ui->YBLbl->setCurrentSection(3);
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->SetNavigatorVisible(true);
    frame->SetLeaveCheck([this] { CheckBalances(); });
    RegisterStoringNext(
        Frame(), [this] { return FirstUnbalancedRow(ui->XGrid1->Model()) == 0; },
        [this] {
            StoreScripForScripEntries(ui->XGrid1->Model());
            StoreScripForScripTotals(ui->XGrid1->Model());
        });
}

// The description is only shown: entering or clicking it lands on the market value.
void TQCGT_66::CellChosen(TXGrid* grid) {
    if (grid->Col() == ssDescription) {
        grid->FocusCell(ssMarketValue, grid->Row());
        return;
    }
    ui->YBLbl->setCurrentSection(ScripHelpSection(grid->Col()));
}

void TQCGT_66::CheckBalances() {
    TFrameWnd* frame = Frame();
    if (!frame || frame->GoingBack()) return;
    const int row = FirstUnbalancedRow(ui->XGrid1->Model());
    if (row == 0) return;
    ShowInfo(QString::fromLatin1(ScripBalanceMessage));
    PutGridCursor(ui->XGrid1, ssMarketValue, row);
    frame->RefuseLeave();
}
