#include "screens/tqcgt_65.h"

#include "calc/fifteen_year_table.h"
#include "controls/txgrid.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "screens/grid_display.h"
#include "ui_tqcgt_65.h"

TQCGT_65::TQCGT_65() : ui(new Ui::TQCGT_65) {
    ui->setupUi(this);
    SetGridDisplay(ui->XGrid1, FifteenYearDescriptors());
}

TQCGT_65::~TQCGT_65() = default;

TXGrid* TQCGT_65::Grid() const { return ui->XGrid1; }

void TQCGT_65::FormShow() {
    FillFifteenYearTable(ui->XGrid1->Model());
    ui->XGrid1->viewport()->update();
    if (TFrameWnd* frame = Frame()) {
        frame->SetNavigatorVisible(true);
        frame->SetNextHandler([this](QObject*) {
            StoreFifteenYearTotals(ui->XGrid1->Model());
            StepScreenIndex(1);
        });
    }
}
