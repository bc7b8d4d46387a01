#include "interview/interview_steps.h"

#include <QPushButton>

#include "interview/tframewnd.h"
#include "module/core/module_state.h"
#include "store/field_store.h"

void RaiseProgressMarker(int stage) {
    if (GetFieldType(ProgressMarkerField) == dtNone) SetFieldType(ProgressMarkerField, dtNumeric);
    if (GetFieldVal(ProgressMarkerField) < stage) SetFieldVal(ProgressMarkerField, stage);
}

void GoToScreen(int number) {
    State().ScreenGroup = number / 100;
    State().ScreenIndex = number % 100;
}

void StepScreenIndex(int step) { State().ScreenIndex += step; }

void PostShowScreen() {
    if (TFrameWnd* frame = State().FrameWnd) frame->PostShowScreen();
}

bool IsYesButton(const QObject* sender) {
    const TFrameWnd* frame = State().FrameWnd;
    return frame && sender == frame->BtnYes;
}
