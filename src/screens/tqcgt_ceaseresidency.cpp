#include "screens/tqcgt_ceaseresidency.h"

#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "ui_tqcgt_ceaseresidency.h"

TQCGT_CeaseResidency::TQCGT_CeaseResidency() : ui(new Ui::TQCGT_CeaseResidency) {
    ui->setupUi(this);
}

TQCGT_CeaseResidency::~TQCGT_CeaseResidency() = default;

void TQCGT_CeaseResidency::FormShow() {
    if (TFrameWnd* frame = Frame()) {
        frame->SetNavigatorVisible(true);
        frame->SetNextHandler([this](QObject* sender) { Answer(sender); });
    }
}

void TQCGT_CeaseResidency::Answer(QObject* sender) {
    if (Frame()->GoingBack()) return;
    // Yes: the information on ceasing residency; No: straight on to shares.
    GoToScreen(IsYesButton(sender) ? 2088 : 2006);
    PostShowScreen();
}
