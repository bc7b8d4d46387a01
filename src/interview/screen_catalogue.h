#pragma once
// Turns a screen number into a freshly created screen, or none.

class TChildForm;

// A new instance, constructed but neither loaded nor shown; null for a number without a
// screen (the interview then ends there).
TChildForm* CreateScreen(int number);
