#include "screens/tqcgt_67.h"

#include <QScrollBar>

#include "base/module_state.h"
#include "calc/cgt_schedule.h"
#include "controls/ttaxedit.h"
#include "interview/field_binding.h"
#include "interview/tframewnd.h"
#include "reports/preview_entry.h"
#include "screens/schedule_box.h"
#include "store/worksheet_items.h"
#include "ui_tqcgt_67.h"

namespace {
// Group 22 has no screens: naming its first ends the interview.
constexpr int HandOverScreen = 2201;
}  // namespace

TQCGT_67::TQCGT_67()
    : TInformationScreen({.nextScreen = HandOverScreen, .showNavigator = true}),
      ui(new Ui::TQCGT_67) {
    ui->setupUi(this);
    box_ = new TScheduleBox(this);
    box_->setGeometry(16, 84, 600, 350);
    // The schedule orders its own Tab chain: rows left to right, the roll-over amounts before
    // their check box.
    setReorderTabs(false);
    connect(ui->PrintSchedBtn, &QPushButton::clicked, this, &TQCGT_67::PrintSchedBtnClick);
}

TQCGT_67::~TQCGT_67() = default;

QPushButton* TQCGT_67::PrintSchedBtn() const { return ui->PrintSchedBtn; }

void TQCGT_67::PrintSchedBtnClick() {
    // The roll-over answer may have changed on this visit; the printed schedule shows it.
    SaveScreenFields(this);
    PreviewModuleReport("SCHEDCGT", this);
}

void TQCGT_67::FormCreate() {
    const bool built = WorksheetItemCount(ScheduleWorksheet) >= 1;
    OpenWorksheetItem(ScheduleWorksheet, 1);
    // The amounts are not bound, so a schedule with every box blank would look like an item
    // with no answers and be dropped on leaving; this hidden field keeps a built record.
    keepRecord_ = new TTaxEdit(this);
    keepRecord_->setObjectName(QStringLiteral("KeepRecordEdit"));
    keepRecord_->setFocusPolicy(Qt::NoFocus);
    keepRecord_->hide();
    if (built) keepRecord_->setText(QStringLiteral("DO NOT DELETE"));
}

void TQCGT_67::FormShow() {
    TInformationScreen::FormShow();
    box_->LoadAmounts();
    box_->setFollowParts(State().VisionImpairedMode);
    box_->verticalScrollBar()->setValue(0);
    // The schedule's contents enter the window's Tab chain after the interview's buttons were
    // put at the screen's end: the print button follows the schedule, and the buttons it.
    QWidget::setTabOrder(box_->TabChain().back(), ui->PrintSchedBtn);
    if (TFrameWnd* frame = Frame()) frame->ChainButtonsAfter(this);
}
