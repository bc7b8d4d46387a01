#include "interview/interview_steps.h"

#include <QPushButton>

#include "base/module_state.h"
#include "interview/tframewnd.h"
#include "store/field_store.h"

void RaiseProgressMarker(int stage) {
    if (GetFieldType(ProgressMarkerField) == dtNone) SetFieldType(ProgressMarkerField, dtNumeric);
    if (GetFieldVal(ProgressMarkerField) < stage) SetFieldVal(ProgressMarkerField, stage);
}

void EnsureNumericProgressMarker() {
    if (GetFieldType(ProgressMarkerField) == dtNumeric) return;
    // Retyping alone would leave the bytes of a short text or a tick in the value.
    ClearField(ProgressMarkerField);
    SetFieldType(ProgressMarkerField, dtNumeric);
    SetFieldVal(ProgressMarkerField, 0);
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
