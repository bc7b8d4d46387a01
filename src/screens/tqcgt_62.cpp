#include "screens/tqcgt_62.h"

#include "calc/choice_columns.h"
#include "calc/choice_session.h"
#include "calc/choice_steps.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/storing_next.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "screens/grid_cursor.h"
#include "ui_tqcgt_62.h"

namespace {

constexpr int NetGainTag = 123;
// The net capital gain label's two texts: the gain, or that choices are still to be made.
constexpr int GainSection = 1;
constexpr int PendingSection = 2;

const char* const AllChoicesQuestion =
    "This step will now allow Orvana to make all of the method and deferment choices and to "
    "apply any qualifying losses against gains present.\r\n\r\nDo you wish to continue?";
const char* const DeferQuestion =
    "This step will now allow Orvana to make all of the deferment choices.\r\n\r\n"
    "Do you wish to continue?";
const char* const MethodQuestion =
    "This step will now allow Orvana to make all of the method choices. This will effect any "
    "losses already applied.\r\n\r\nDo you wish to continue?";
const char* const ResetQuestion =
    "This option you have chosen will clear all of your method choices, deferment choices and "
    "applied losses and allow you to start again.\r\n\r\nDo you wish to continue?";

QStringList Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) list << QString::fromLatin1(line.c_str());
    return list;
}

}  // namespace

TQCGT_62::TQCGT_62() : ui(new Ui::TQCGT_62) {
    ui->setupUi(this);
    ui->XGrid1->setColCount(ChoiceColumns);
    ui->XGrid1->setDisplay(Lines(ChoiceTableDescriptors()));
    // The first cell a taxpayer fills in is a method choice.
    ui->XGrid1->SetEntryCol(ccMethod);
    table_ = std::make_unique<ChoiceTable>(ui->XGrid1->Model(), ui->XGrid2->Model());
    // The small table shows its two rows whole.
    // Read-only, but a screen reader user reaches it by Tab: named by its one title.
    ui->XGrid2->setAccessibleName(QStringLiteral("Unapplied losses"));
    ui->XGrid2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui->XGrid2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every click in the table recalculates it.
    ui->XGrid1->OnClick = [this](TXGrid*) { Recalculate(); };
    ui->TextLbl2->OnScreenTag = [this](TTextLbl*, int id, QString& text) {
        if (id == NetGainTag) text = ui->NetCapGainLabel->text();
    };
    connect(ui->ApplyLossBtn, &QPushButton::clicked, this, &TQCGT_62::ApplyLossBtnClick);
    connect(ui->DeferBtn, &QPushButton::clicked, this, &TQCGT_62::DeferBtnClick);
    connect(ui->MethodBtn, &QPushButton::clicked, this, &TQCGT_62::MethodBtnClick);
    connect(ui->RestartBtn, &QPushButton::clicked, this, &TQCGT_62::RestartBtnClick);
}

TQCGT_62::~TQCGT_62() = default;

TXGrid* TQCGT_62::Grid() const { return ui->XGrid1; }
TXGrid* TQCGT_62::UnappliedGrid() const { return ui->XGrid2; }

void TQCGT_62::FormShow() {
    ui->XGrid1->setFixedCols(3);
    OpenChoiceTable(*table_);
    if (TFrameWnd* frame = Frame()) {
        frame->SetNavigatorVisible(true);
        frame->SetLeaveCheck([this] { CheckChoiceTable(); });
    }
    RegisterNextHandler();
    Recalculate();
    // Interview screens keep their hints off; this screen's buttons show theirs.
    for (QPushButton* button : {ui->ApplyLossBtn, ui->DeferBtn, ui->MethodBtn, ui->RestartBtn}) {
        const QString hint = button->property("Hint").toString();
        if (!hint.isEmpty()) button->setToolTip(hint);
    }
}

void TQCGT_62::RegisterNextHandler() {
    RegisterStoringNext(
        Frame(), [this] { return !::CheckChoiceTable(*table_); },
        [this] { ::CommitChoiceTable(*table_); });
}

void TQCGT_62::Recalculate() {
    RecalculateChoiceTable(*table_);
    ui->NetCapGainLabel->setText(QString::fromLatin1(NetCapitalGainText(*table_).c_str()));
    ui->TextLbl2->setCurrentSection(ChoicesOutstanding(*table_) ? PendingSection : GainSection);
    ui->XGrid1->viewport()->update();
    ui->XGrid2->viewport()->update();
    ui->TextLbl2->update();
}

void TQCGT_62::CheckChoiceTable() {
    TFrameWnd* frame = Frame();
    if (frame && frame->GoingBack()) return;
    if (const ChoiceProblem problem = ::CheckChoiceTable(*table_)) {
        ShowInfo(QString::fromLatin1(problem.message.c_str()));
        PutGridCursor(ui->XGrid1, problem.col, problem.row);
        if (frame) frame->RefuseLeave();
    }
    RegisterNextHandler();
}

bool TQCGT_62::Confirmed(const char* question) {
    return ShowMessageBox(QString::fromLatin1(question), mtConfirmation, mbYesNo) == mrYes;
}

void TQCGT_62::ApplyLossBtnClick() {
    if (Confirmed(AllChoicesQuestion)) MakeAllChoices(*table_);
    Recalculate();
}

void TQCGT_62::DeferBtnClick() {
    if (Confirmed(DeferQuestion)) MakeAllDeferChoices(*table_);
    Recalculate();
}

void TQCGT_62::MethodBtnClick() {
    if (Confirmed(MethodQuestion)) MakeAllMethodChoices(*table_);
    Recalculate();
}

void TQCGT_62::RestartBtnClick() {
    RebuildChoiceTable(*table_);
    ui->XGrid1->viewport()->update();
    if (!Confirmed(ResetQuestion)) return;
    ResetAllChoices(*table_);
    Recalculate();
}
