#include "screens/tqcgt_67.h"

#include <QScrollBar>

#include "base/module_state.h"
#include "calc/cgt_schedule.h"
#include "controls/ttaxedit.h"
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
    box_->setGeometry(16, 84, 600, 384);
    // The schedule orders its own Tab chain: rows left to right, the roll-over amounts before
    // their check box.
    setReorderTabs(false);
}

TQCGT_67::~TQCGT_67() = default;

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
}
