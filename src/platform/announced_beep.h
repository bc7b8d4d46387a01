#pragma once
// The platform beep for a refused key or value.

// Beeps, and tells screen readers too, with an alert on the control that has the focus: they
// cannot hear the speaker's beep through the accessibility bus.
void AnnouncedBeep();
