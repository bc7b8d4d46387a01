#include "screens/treceiptscreen.h"

#include <QCheckBox>
#include <QComboBox>

#include "base/dates.h"
#include "base/module_state.h"
#include "controls/ttaxedit.h"
#include "interview/tframewnd.h"
#include "platform/qt_message_box.h"
#include "screens/core/receipt_rules.h"
#include "store/worksheet_items.h"

namespace {
const char* const NonActiveOtherAsset = "ON";

void Untick(QCheckBox* box) {
    if (box) box->setChecked(false);
}
}  // namespace

TReceiptScreen::TReceiptScreen(int worksheet, bool createdRight, QWidget* parent)
    : TChildForm(parent), worksheet_(worksheet), createdRight_(createdRight) {}

void TReceiptScreen::Attach(const ReceiptControls& controls) {
    controls_ = controls;
    for (TTaxEdit* edit :
         {controls.description, controls.proceeds, controls.costs, controls.eventDate})
        connect(edit, &QLineEdit::textChanged, this, [this] { Recompute(); });
    connect(controls.description, &TTaxEdit::exited, this, [this] { DescriptionLeft(); });
    if (createdRight_) {
        PairBoxes(controls.deferYes, controls.deferNo);
        PairBoxes(controls.marriageYes, controls.marriageNo);
        connect(controls.deferYes, &QCheckBox::toggled, this, [this] { ApplyMarriageEnabling(); });
        connect(controls.deferNo, &QCheckBox::toggled, this, [this] { ApplyMarriageEnabling(); });
    }
}

// Yes and No of one question: ticking one unticks the other; both may be unticked.
void TReceiptScreen::PairBoxes(QCheckBox* one, QCheckBox* other) {
    connect(one, &QCheckBox::toggled, this, [other](bool on) {
        if (on) other->setChecked(false);
    });
    connect(other, &QCheckBox::toggled, this, [one](bool on) {
        if (on) one->setChecked(false);
    });
}

// The marriage breakdown question follows a roll-over only.
void TReceiptScreen::ApplyMarriageEnabling() {
    const bool noRollover = controls_.deferNo->isChecked();
    if (noRollover) {
        Untick(controls_.marriageYes);
        Untick(controls_.marriageNo);
    }
    controls_.marriageYes->setEnabled(!noRollover);
    controls_.marriageNo->setEnabled(!noRollover);
}

void TReceiptScreen::DescriptionLeft() {
    if (controls_.type && controls_.type->currentIndex() < 0)
        controls_.type->setCurrentIndex(
            controls_.type->findText(QLatin1String(NonActiveOtherAsset), Qt::MatchStartsWith));
    Recompute();
}

long double TReceiptScreen::Proceeds() const { return controls_.proceeds->NumValue(); }

void TReceiptScreen::Recompute() {
    if (!controls_.gain) return;
    const ReceiptResult result = ReceiptGainLoss(Proceeds(), controls_.costs->NumValue());
    controls_.gain->SetNumValue(result.gain);
    controls_.loss->SetNumValue(result.loss);
}

void TReceiptScreen::FormCreate() {
    ModuleState& state = State();
    // The screen keeps its events in its own worksheet, however it was reached.
    const bool continueItem = state.ContinueItem && state.PathWorksheet == worksheet_;
    state.PathWorksheet = worksheet_;
    if (continueItem)
        OpenWorksheetItem(worksheet_, state.SelectedItem);
    else
        OpenWorksheetNewItem(worksheet_);
}

void TReceiptScreen::FormShow() {
    State().ContinueItem = false;
    if (createdRight_) ApplyMarriageEnabling();
    Recompute();
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->SetWorksheetPanelVisible(true);
    frame->SetLeaveCheck([this] { LeaveCheck(); });
    frame->SetNextHandler([this](QObject*) { NextStep(); });
}

void TReceiptScreen::LeaveCheck() {
    TFrameWnd* frame = Frame();
    if (frame && frame->GoingBack()) return;
    ReceiptEntry entry;
    entry.createdRight = createdRight_;
    entry.description = ToLatin1Text(controls_.description->text().trimmed());
    entry.amountsTyped = !controls_.proceeds->text().trimmed().isEmpty() ||
                         !controls_.costs->text().trimmed().isEmpty();
    entry.result = {controls_.gain->NumValue(), controls_.loss->NumValue()};
    if (createdRight_) {
        entry.deferYes = controls_.deferYes->isChecked();
        entry.deferNo = controls_.deferNo->isChecked();
        entry.marriageYes = controls_.marriageYes->isChecked();
        entry.marriageNo = controls_.marriageNo->isChecked();
    }
    entry.eventDate = controls_.eventDate->DateValue();
    const ReceiptProblem problem = CheckReceipt(entry);
    if (problem == ReceiptProblem::None) return;
    ShowInfo(FromLatin1Text(ReceiptProblemText(problem)));
    QWidget* focus = controls_.description;
    switch (problem) {
        case ReceiptProblem::Amount:
            focus = controls_.proceeds;
            break;
        case ReceiptProblem::Deferral:
            focus = controls_.deferYes;
            break;
        case ReceiptProblem::MarriageBreakdown:
            focus = controls_.marriageYes;
            break;
        case ReceiptProblem::PreCgtDate:
            focus = controls_.eventDate;
            break;
        default:
            break;
    }
    focus->setFocus(Qt::OtherFocusReason);
    if (frame) frame->RefuseLeave();
}
