#include "screens/tqcgt02_05.h"

#include "base/module_state.h"
#include "controls/ttextlbl.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "screens/core/manual_table_rules.h"
#include "screens/grid_cursor.h"
#include "ui_tqcgt02_05.h"

TQCGT02_05::TQCGT02_05() : ui(new Ui::TQCGT02_05) {
    ui->setupUi(this);
    ui->XGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->XGrid1->OnClick = [](TXGrid* grid) {
        ApplyManualRowClick(grid->Model(), grid->Col(), grid->Row());
        grid->viewport()->update();
    };
    ui->XGrid1->OnExitCell = [this](TXGrid*, int col, int row, int&, int&, bool& enterExitCell) {
        ExitCell(col, row, enterExitCell);
    };
}

TQCGT02_05::~TQCGT02_05() = default;

TXGrid* TQCGT02_05::Grid() const { return ui->XGrid1; }

void TQCGT02_05::FormShow() {
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->SetNavigatorVisible(true);
    frame->SetLeaveCheck([this] { LeaveCheck(); });
    RegisterNextHandler();
    if (ui->IntroLbl->focusPolicy() != Qt::NoFocus) ui->IntroLbl->setFocus(Qt::OtherFocusReason);
}

void TQCGT02_05::RegisterNextHandler() {
    if (TFrameWnd* frame = Frame()) frame->SetNextHandler([](QObject*) { StepScreenIndex(1); });
}

void TQCGT02_05::ExitCell(int col, int row, bool& enterExitCell) {
    const ManualTableProblem problem = ManualCellExit(ui->XGrid1->Model(), col, row);
    if (!problem.Found()) return;
    enterExitCell = false;
    ShowMessageBox(FromLatin1Text(problem.text), mtError, mbOK);
    PutGridCursor(ui->XGrid1, problem.col, problem.row);
}

void TQCGT02_05::LeaveCheck() {
    const ManualTableProblem problem = ManualLeaveCheck(ui->XGrid1->Model());
    ui->XGrid1->viewport()->update();
    if (problem.Found()) {
        ShowInfo(FromLatin1Text(problem.text));
        PutGridCursor(ui->XGrid1, problem.col, problem.row);
        if (TFrameWnd* frame = Frame()) frame->RefuseLeave();
    }
    RegisterNextHandler();
}
