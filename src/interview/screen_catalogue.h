#pragma once
// Turns a screen number into a freshly created screen, or none.

#include <map>

class TChildForm;

// The screen classes that exist, by the numbers they serve. The screens layer defines it, so
// the interview creates screens without including them.
using ScreenFactory = TChildForm* (*)();
using ScreenClassTable = std::map<int, ScreenFactory>;
const ScreenClassTable& ScreenClasses();

// A new instance, constructed but neither loaded nor shown; null for a number without a
// screen (the interview then ends there).
TChildForm* CreateScreen(int number);
