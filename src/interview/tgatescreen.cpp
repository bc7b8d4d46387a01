#include "interview/tgatescreen.h"

#include <QPushButton>

#include "base/module_state.h"
#include "interview/interview_steps.h"
#include "interview/tframewnd.h"
#include "store/field_store.h"

TGateScreen::TGateScreen(GateRule rule, QWidget* parent)
    : TChildForm(parent), rule_(std::move(rule)) {}

void TGateScreen::FormShow() {
    TFrameWnd* frame = Frame();
    if (!frame) return;
    frame->BtnYes->show();
    frame->BtnNo->show();
    frame->SetNavigatorVisible(true);
    frame->SetNextHandler([this](QObject* sender) { Answer(sender); });
}

void TGateScreen::Answer(QObject* sender) {
    if (rule_.worksheet != 0) State().PathWorksheet = rule_.worksheet;
    RaiseProgressMarker(rule_.stage);
    if (IsYesButton(sender)) {
        StepScreenIndex(rule_.yesStep);
    } else {
        if (rule_.stageOnNo != 0) RaiseProgressMarker(rule_.stageOnNo);
        // Declining the confirmation keeps the data and still moves on.
        if (!rule_.clearOnNo.empty())
            ClearFieldsConfirmed(rule_.clearOnNo, static_cast<int>(rule_.clearOnNo.size()), true);
        StepScreenIndex(rule_.noStep);
    }
    PostShowScreen();
}
