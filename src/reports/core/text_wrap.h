#pragma once
// Breaks a text into the lines that fit a width, at spaces where it can and inside a word
// only when the word alone is wider; "\n" always breaks.

#include <string>
#include <vector>

#include "reports/core/canvas.h"

std::vector<std::string> WrapText(const std::string& text, int width, TCanvas& canvas);

enum class LineAlign { Left, Right, Centre };

// Lines one under the other in the box, from its top; lines below the box are left out.
void DrawLines(const std::vector<std::string>& lines, const TRect& box, LineAlign align,
               TCanvas& canvas);
