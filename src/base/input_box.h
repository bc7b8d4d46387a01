#pragma once
// A one-line input box, answered by the installed responder (the GUI's dialog, or a test).

#include <string>

// False when cancelled; `value` holds the answer otherwise.
bool AskInput(const std::string& caption, const std::string& prompt, std::string& value);
