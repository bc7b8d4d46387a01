#include "screens/tqcgt02_04.h"

#include "interview/tframewnd.h"
#include "screens/core/trust_distribution_rules.h"
#include "screens/grid_cursor.h"
#include "ui_tqcgt02_04.h"

TQCGT02_04::TQCGT02_04() : ui(new Ui::TQCGT02_04) {
    ui->setupUi(this);
    // Both scroll bars, the grid's default: the nine components do not fit across.
    ui->XGrid1->OnClick = [](TXGrid* grid) {
        RecomputeTrustNetGains(grid->Model());
        grid->viewport()->update();
    };
}

TQCGT02_04::~TQCGT02_04() = default;

TXGrid* TQCGT02_04::Grid() const { return ui->XGrid1; }

// Next moves on by one (2020), the window's default.
void TQCGT02_04::FormShow() {
    if (TFrameWnd* frame = Frame()) {
        frame->SetNavigatorVisible(true);
        frame->SetLeaveCheck([this] { LeaveCheck(); });
    }
}

void TQCGT02_04::LeaveCheck() {
    // The sum is stored with the rows, so it must not lag behind the last amount typed.
    RecomputeTrustNetGains(ui->XGrid1->Model());
    const int row = FirstUnnamedTrustRow(ui->XGrid1->Model());
    if (row < 0) return;
    ShowInfo(QString::fromLatin1(MissingDescriptionMessage));
    PutGridCursor(ui->XGrid1, TrustTable::Name, row);
    if (TFrameWnd* frame = Frame()) frame->RefuseLeave();
}
