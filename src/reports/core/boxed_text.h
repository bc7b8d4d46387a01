#pragma once
// A text drawn like a field: a frame, an optional cents box, and the text placed by the
// frame flags and the text mode.

#include <string>

#include "reports/core/canvas.h"

struct BoxedScale {
    double unitX = 1, unitY = 1, fontZoom = 1;
};

// Frame flags.
constexpr int BoxNoFrame = 0x01, BoxCents = 0x02, BoxRight25 = 0x04, BoxDown40 = 0x08,
              BoxNarrow65 = 0x10, BoxNarrow100 = 0x20, BoxRight230 = 0x40, BoxTransparent = 0x80;

// The current font and brush are the text's; `mode` 1 right-aligns, 2 centres.
void DrawBoxedText(const std::string& text, int flags, int mode, TRect box, const BoxedScale& scale,
                   TCanvas& canvas);
