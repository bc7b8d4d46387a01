#pragma once
// Small steps the question screens share: moving the interview and the progress marker.

class QObject;

// The field that holds the highest stage of the interview reached.
constexpr int ProgressMarkerField = 588;

// Raises the progress marker to at least `stage`; it never goes down.
void RaiseProgressMarker(int stage);
// A marker saved with another type cannot be compared: it starts again from 0 as a number.
void EnsureNumericProgressMarker();

// Sets group and index from a screen number.
void GoToScreen(int number);
// Adds `step` to the screen index.
void StepScreenIndex(int step);
// Asks the interview window to show the screen now named, once the click has finished.
void PostShowScreen();

// True when the sender is the interview window's Yes button.
bool IsYesButton(const QObject* sender);
