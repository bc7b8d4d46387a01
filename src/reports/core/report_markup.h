#pragma once
// Texts of the marked-up modes: several lines with tags in angle brackets that restore the
// starting font (.), insert a text variable (@Name), set the colour (C), family (F), line
// spacing (L), point size (S) and style bits (T), and move to a position in the box (X, Y).

#include <string>

#include "reports/core/canvas.h"
#include "reports/core/text_wrap.h"

struct MarkupScale {
    double unitX = 1, unitY = 1;  // pixels per script unit
    double fontZoom = 1;
};

// Draws what it can read; returns how many tags it could not read (each one a beep).
int DrawMarkupText(const std::string& text, const TRect& box, LineAlign align,
                   const CanvasFont& start, const MarkupScale& scale, TCanvas& canvas);
