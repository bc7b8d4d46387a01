#pragma once
// What a return holds, as text for people or as JSON for programs.

#include <iosfwd>

// The module's open return: screen position, history, every field that holds something.
void DumpReturnText(std::ostream& out);
void DumpReturnJson(std::ostream& out);
