#include "interview/tinformationscreen.h"

#include "interview/interview_steps.h"
#include "interview/tframewnd.h"

TInformationScreen::TInformationScreen(InformationRule rule, QWidget* parent)
    : TChildForm(parent), rule_(rule) {}

void TInformationScreen::FormShow() {
    TFrameWnd* frame = Frame();
    if (!frame) return;
    if (rule_.showNavigator) frame->SetNavigatorVisible(true);
    if (rule_.hideWorksheetPanel) frame->SetWorksheetPanelVisible(false);
    if (rule_.nextScreen != 0) {
        const int target = rule_.nextScreen;
        frame->SetNextHandler([target](QObject*) { GoToScreen(target); });
    }
}
