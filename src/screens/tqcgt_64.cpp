#include "screens/tqcgt_64.h"

#include "calc/concession_elections.h"
#include "calc/election_places.h"
#include "controls/txgrid.h"
#include "interview/storing_next.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "screens/grid_cursor.h"
#include "screens/grid_display.h"
#include "ui_tqcgt_64.h"

TQCGT_64::TQCGT_64() : ui(new Ui::TQCGT_64) {
    ui->setupUi(this);
    SetGridDisplay(ui->XGrid1, ConcessionDescriptors());
}

TQCGT_64::~TQCGT_64() = default;

TXGrid* TQCGT_64::Grid() const { return ui->XGrid1; }

void TQCGT_64::FormShow() {
    ui->XGrid1->setFixedCols(4);
    // The choice table rebuilds the table with empty elections on every visit.
    LoadConcessionRows(ui->XGrid1->Model());
    RestoreElections(ui->XGrid1->Model());
    ui->XGrid1->viewport()->update();
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->SetNavigatorVisible(true);
    frame->SetLeaveCheck([this] { CheckElections(); });
    RegisterNextHandler();
}

void TQCGT_64::RegisterNextHandler() {
    RegisterStoringNext(
        Frame(), [this] { return !::CheckElections(ui->XGrid1->Model()); },
        [this] {
            StoreElections(ui->XGrid1->Model());
            StoreConcessionTotals(ui->XGrid1->Model());
        });
}

void TQCGT_64::CheckElections() {
    const ElectionProblem problem = ::CheckElections(ui->XGrid1->Model());
    if (problem) {
        ShowInfo(FromLatin1Text(problem.message));
        PutGridCursor(ui->XGrid1, problem.col, problem.row);
        if (TFrameWnd* frame = Frame()) frame->RefuseLeave();
    }
    RegisterNextHandler();
}
