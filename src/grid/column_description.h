#pragma once
// The text the column description dialog reads out for a grid column.

#include <string>
#include <vector>

// Control characters become spaces, then runs of spaces become one.
std::string CleanDescriptionText(const std::string& text);

// The dialog's lines: the heading sentence, then the associated text when there is one.
std::vector<std::string> ColumnDescriptionLines(const std::string& heading,
                                                const std::string& associated);
