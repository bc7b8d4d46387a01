#pragma once
// The font table of report scripts, and their colour indexes reduced to what a
// black-and-white page shows (the only pages this module draws).

#include <string>

#include "reports/core/canvas.h"

TColor ReducedBrushColour(int index);
TColor ReducedPenColour(int index);
TColor ReducedTextColour(int index);

// The family of a font index (0..3); "Arial" for any other.
std::string ReportFontName(int index);

BrushStyle ScriptBrushStyle(int code);
PenStyle ScriptPenStyle(int code);
