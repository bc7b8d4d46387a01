#pragma once
// Enter on a focused push button presses it, as Space does. Qt leaves Enter to the default
// button of a dialog; the interview window is no dialog.

#include <QWidget>

// Every push button inside `root`, now and added later by the same call, answers Enter.
void LetEnterPressButtons(QWidget* root);
