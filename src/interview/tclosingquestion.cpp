#include "interview/tclosingquestion.h"

#include <QPushButton>

#include "base/module_state.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"

TClosingQuestion::TClosingQuestion(int yesStep, int noStep, QWidget* parent)
    : TChildForm(parent), yesStep_(yesStep), noStep_(noStep) {}

void TClosingQuestion::FormShow() {
    // The next registration starts a new item.
    State().ContinueItem = false;
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->BtnYes->show();
    frame->BtnNo->show();
    // A finished asset is left only forward.
    frame->BtnPrev->hide();
    frame->SetNextHandler([this](QObject* sender) {
        StepScreenIndex(IsYesButton(sender) ? yesStep_ : noStep_);
        PostShowScreen();
    });
}
