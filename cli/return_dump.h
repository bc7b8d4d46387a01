#pragma once
// What a return holds, as text for people or as JSON for programs.

#include <iosfwd>
#include <string>

// A field's name: `holder` is the worksheet field an item field belongs to, 0 for the
// return's own fields; empty when it has none.
using FieldNamer = std::string (*)(int holder, int field);

// The module's open return: screen position, history, every field that holds something,
// each with its name when `namer` is given.
void DumpReturnText(std::ostream& out, FieldNamer namer = nullptr);
void DumpReturnJson(std::ostream& out, FieldNamer namer = nullptr);
