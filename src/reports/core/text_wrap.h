#pragma once
// Breaks a text into the lines that fit a width, at spaces where it can and inside a word
// only when the word alone is wider; "\n" always breaks.

#include <cstdint>
#include <string>
#include <vector>

#include "reports/core/canvas.h"

// Stops after `maxLines` lines, so a long list in a small box costs only what shows.
std::vector<std::string> WrapText(const std::string& text, int width, TCanvas& canvas,
                                  size_t maxLines = SIZE_MAX);

enum class LineAlign { Left, Right, Centre };

// Lines one under the other in the box, from its top, `pitch` pixels apart (the text height
// when 0); lines below the box are left out.
void DrawLines(const std::vector<std::string>& lines, const TRect& box, LineAlign align,
               TCanvas& canvas, int pitch = 0);

// The lines of a text as they stand, without wrapping.
std::vector<std::string> SplitLines(const std::string& text);
