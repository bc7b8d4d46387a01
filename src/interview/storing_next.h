#pragma once
// Next for a screen that stores its answers on Next and has a leave check that can refuse.

#include <functional>

class TFrameWnd;

// Registers Next to store the screen's answers (`store`) only when `leaves` says the leave
// check will let the screen go, then to step on. The interview runs Next before the leave
// check, so a screen refused on Next would otherwise keep what it was refused for.
void RegisterStoringNext(TFrameWnd* frame, std::function<bool()> leaves,
                         std::function<void()> store);
