#include "screens/tqcgt_unappliedncls.h"

#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "store/field_store.h"
#include "ui_tqcgt_unappliedncls.h"

namespace {
constexpr int LossesCarriedForwardField = 175;
// Shown here, the screen opens the help of the loss amounts that follow it.
constexpr int LossesHelpTopic = 32;
}  // namespace

TQCGT_UnappliedNCLs::TQCGT_UnappliedNCLs() : ui(new Ui::TQCGT_UnappliedNCLs) { ui->setupUi(this); }

TQCGT_UnappliedNCLs::~TQCGT_UnappliedNCLs() = default;

void TQCGT_UnappliedNCLs::FormShow() {
    setHelpContext(LossesHelpTopic);
    if (TFrameWnd* frame = Frame()) {
        frame->SetNavigatorVisible(true);
        frame->SetNextHandler([this](QObject* sender) { Answer(sender); });
    }
}

void TQCGT_UnappliedNCLs::Answer(QObject* sender) {
    if (!Frame()->GoingBack()) {
        if (IsYesButton(sender)) {
            GoToScreen(2005);
        } else {
            ClearField(LossesCarriedForwardField);
            GoToScreen(2126);
        }
    }
    PostShowScreen();
}
