#pragma once
// Draws the records of one laid-out page onto a canvas: boxes and shapes, pens and fonts,
// texts in their modes, repeats, bitmaps, and field records through the field callback.

#include <functional>

#include "reports/core/canvas.h"
#include "reports/core/page_list.h"

// Draws a field record ('S' or 'E', kind 'S') or the caution sign (kind '1') in its box;
// scales are pixels per unit vertically and horizontally, then the font zoom.
using DrawFieldEvent =
    std::function<void(char kind, const ScriptRecord& record, double vertical, double horizontal,
                       double fontZoom, TRect box, TCanvas& canvas)>;

struct PageScale {
    double unitX = 1, unitY = 1;  // pixels per script unit
    double fontZoom = 1;
    int originX = 0, originY = 0;  // pixels
};

struct PageDrawHooks {
    DrawFieldEvent onDrawField;
    std::function<void()> onBeep;  // for each tag of a text that could not be read
    bool showTags = false;         // outline field records with their numbers
};

void DrawPageRecords(const PageList& pages, int page, const PageScale& scale,
                     const PageDrawHooks& hooks, TCanvas& canvas);
