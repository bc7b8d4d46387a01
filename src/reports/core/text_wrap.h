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

// Lines one under the other in the box, from its top. With a `pitch` (pixels, not rounded)
// line i stands i pitches down, so n rows take n pitches at any resolution, and the caller
// says how many `rows` the box holds, as the layout measured them; without one the lines are
// the text height apart and those below the box are left out.
// With a `font` (the canvas's current one), a line wider than the box prints in a smaller
// size, down to six tenths of the font's, rather than being cut at the box's edge.
void DrawLines(const std::vector<std::string>& lines, const TRect& box, LineAlign align,
               TCanvas& canvas, double pitch = 0, size_t rows = SIZE_MAX,
               const CanvasFont* font = nullptr);

// The lines of a text as they stand, without wrapping.
std::vector<std::string> SplitLines(const std::string& text);
