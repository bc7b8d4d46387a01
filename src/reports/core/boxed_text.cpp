#include "reports/core/boxed_text.h"

#include <cmath>

#include "reports/core/draw_field.h"

namespace {

int Units(double units, double perUnit) { return static_cast<int>(std::lround(units * perUnit)); }

}  // namespace

void DrawBoxedText(const std::string& text, int flags, int mode, TRect box, const BoxedScale& scale,
                   TCanvas& canvas) {
    const auto mm = [&](double millimetres) { return Units(millimetres * 10, scale.unitX); };
    if (flags & BoxCents) box.right -= mm(4);
    if (flags & BoxNarrow65) box.right -= mm(6.5);
    if (flags & BoxNarrow100) box.right -= mm(10);
    if (!(flags & BoxNoFrame)) {
        canvas.SetPen(clBlack, 1);
        canvas.SetPenStyle(PenStyle::Solid);
        if (flags & BoxTransparent) canvas.SetBrush(clWhite, BrushStyle::Clear);
        canvas.Rectangle(box);
    }
    if (flags & BoxCents) {
        DrawCentsBox(box, {scale.unitY, scale.unitX, scale.fontZoom}, clWhite, canvas);
    }
    TRect text_box = box;
    if (flags & BoxRight25) text_box.left += mm(2.5);
    if (flags & BoxDown40) text_box.top += Units(40, scale.unitY);
    if (flags & BoxNarrow65) text_box.left += mm(15.5);
    if (flags & BoxRight230) text_box.left += mm(23);

    canvas.SetBrush(clWhite, BrushStyle::Clear);
    const int width = canvas.TextWidth(text);
    const int top = text_box.top + (text_box.bottom - text_box.top - canvas.TextHeight(text)) / 2;
    int x = text_box.left + mm(1);
    if (mode == 1) x = text_box.right - mm(1) - width;
    if (mode == 2) x = text_box.left + (text_box.Width() - width) / 2;
    canvas.TextOut(x, top, text);
}
