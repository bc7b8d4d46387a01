#include "reports/core/page_drawer.h"

#include <algorithm>
#include <cmath>

#include "base/text_variables.h"
#include "reports/core/boxed_text.h"
#include "reports/core/embedded_scripts.h"
#include "reports/core/list_table.h"
#include "reports/core/report_markup.h"
#include "reports/core/report_palette.h"
#include "reports/core/text_wrap.h"

namespace {

constexpr TColor TagOutline = 0x0000FF;

struct UnitBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

class PageDrawer {
public:
    PageDrawer(const PageList& pages, const PageScale& scale, const PageDrawHooks& hooks,
               TCanvas& canvas, bool relative)
        : pages_(pages), scale_(scale), hooks_(hooks), canvas_(canvas), relative_(relative) {}

    void Draw(const ScriptRecord& r) {
        const char letter = RecordLetter(r);
        if (letter == '@') {
            if (!hasLast_) return;
            box_.x1 += RecordInt16(r, 2);
            box_.x2 += RecordInt16(r, 2);
            box_.y1 += RecordInt16(r, 4);
            box_.y2 += RecordInt16(r, 4);
            Execute(last_, RecordLetter(last_) == 'T' ? pages_.Text(r) : lastText_, false);
            return;
        }
        if (letter == 'A') return Pen(r);
        if (letter == 'F') return Font(r);
        if (letter == '#') return SetBox(r);
        if (letter == '!') return;
        last_ = r;
        lastText_ = CarriesText(letter) ? pages_.Text(r) : std::string();
        hasLast_ = true;
        Execute(r, lastText_, true);
    }

private:
    int X(int units) const {
        return scale_.originX + static_cast<int>(std::lround(units * scale_.unitX));
    }
    int Y(int units) const {
        return scale_.originY + static_cast<int>(std::lround(units * scale_.unitY));
    }
    TRect Pixels() const { return {X(box_.x1), Y(box_.y1), X(box_.x2), Y(box_.y2)}; }

    void SetBox(const ScriptRecord& r) {
        box_ = {RecordInt16(r, 2), RecordInt16(r, 4), RecordInt16(r, 6), RecordInt16(r, 8)};
        if (relative_) {
            box_.y1 = previousBottom_ + RecordInt16(r, 4);
            box_.y2 = box_.y1 + RecordInt16(r, 8);
        }
        previousBottom_ = box_.y2;
    }

    void Execute(const ScriptRecord& r, const std::string& text, bool setsBox) {
        const char letter = RecordLetter(r);
        const bool boxLetter =
            letter == 'R' || letter == 'L' || letter == 'C' || letter == 'D' || letter == '1';
        if (boxLetter && setsBox) SetBox(r);
        const TRect px = Pixels();
        switch (letter) {
            case 'R':
                if (px.left != 0 && px.top != 0) canvas_.Rectangle(px);
                break;
            case 'L':
                canvas_.Line({px.left, px.top}, {px.right, px.bottom});
                break;
            case 'C':
                canvas_.Ellipse(px);
                break;
            case 'D':
                canvas_.RoundRect(px, px.Width() / 2, px.Width() / 2);
                break;
            case 'P':
                Triangle(r);
                break;
            case '1':
                Field('1', r);
                break;
            case 'S':
            case 'E':
                Field('S', r);
                break;
            case 'T':
                Text(r, text);
                break;
            case 'I':
                Image(r, text);
                break;
            default:
                break;
        }
    }

    void Pen(const ScriptRecord& r) {
        canvas_.SetBrush(ReducedBrushColour(r[2]), ScriptBrushStyle(r[3]));
        const int width = static_cast<int>(std::lround(r[5] / 10.0 * scale_.unitY));
        canvas_.SetPen(ReducedPenColour(r[4]), std::max(1, width));
        canvas_.SetPenStyle(ScriptPenStyle(r[6]));
        brush_ = ReducedBrushColour(r[2]);
        brushStyle_ = ScriptBrushStyle(r[3]);
    }

    void Font(const ScriptRecord& r) {
        font_.name = ReportFontName(r[3]);
        points_ = r[4];
        font_.size = std::max(1, static_cast<int>(std::trunc(r[4] * scale_.fontZoom + 0.2)));
        font_.bold = r[5] & 1;
        font_.italic = r[5] & 2;
        font_.underline = r[5] & 4;
        font_.colour = ReducedTextColour(r[6]);
        font_.letterSpacing = RecordInt16(r, 8) / 10.0 * scale_.fontZoom;
        mode_ = r[7];
    }

    void Triangle(const ScriptRecord& r) {
        const TPoint corner{X(box_.x1), Y(box_.y1)};
        const auto at = [&](int dx, int dy) {
            return TPoint{corner.x + static_cast<int>(std::lround(dx * scale_.unitX)),
                          corner.y + static_cast<int>(std::lround(dy * scale_.unitY))};
        };
        canvas_.Polygon({corner, at(RecordInt16(r, 2), RecordInt16(r, 4)),
                         at(RecordInt16(r, 6), RecordInt16(r, 8))});
    }

    void Field(char kind, const ScriptRecord& r) {
        const TRect px = Pixels();
        if (hooks_.onDrawField)
            hooks_.onDrawField(kind, r, scale_.unitY, scale_.unitX, scale_.fontZoom, px, canvas_);
        if (hooks_.showTags && kind == 'S') Outline(px, FieldOfRecord(r));
        Restore();
    }

    void Outline(const TRect& px, int field) {
        canvas_.SetPen(TagOutline, 1);
        canvas_.SetPenStyle(PenStyle::Dash);
        canvas_.SetBrush(clWhite, BrushStyle::Clear);
        canvas_.Rectangle(px);
        canvas_.TextOut(px.left, px.top, std::to_string(field));
    }

    // The field callback sets its own pen, brush and font; later records expect the script's.
    void Restore() {
        canvas_.SetBrush(brush_, brushStyle_);
        canvas_.SetPenStyle(PenStyle::Solid);
        canvas_.SetFont(font_);
    }

    void Text(const ScriptRecord& r, const std::string& text) {
        canvas_.SetFont(font_);
        const TRect px = Pixels();
        if (r[11] != 0) {
            DrawBoxedText(text, r[10], mode_, px, {scale_.unitX, scale_.unitY, scale_.fontZoom},
                          canvas_);
        } else {
            PlainText(r, text, px);
        }
        if (hooks_.showTags && ReferenceOf(r) != TextReference::None)
            Outline(px, ReferenceField(r));
        Restore();
    }

    void PlainText(const ScriptRecord& r, const std::string& text, const TRect& px) {
        canvas_.SetBrush(brush_, BrushStyle::Clear);
        switch (mode_) {
            case 0:
                canvas_.TextOut(px.left, px.top, text);
                break;
            case 1:
                canvas_.TextOut(px.right - canvas_.TextWidth(text), px.top, text);
                break;
            case 2:
                Filled(px, [&] {
                    canvas_.TextOut(px.left + (px.Width() - canvas_.TextWidth(text)) / 2,
                                    px.top + (px.Height() - canvas_.TextHeight(text)) / 2, text);
                });
                break;
            case 3:
            case 4:
            case 5:
                Markup(text, px, Align(mode_ - 3));
                break;
            case 6:
                Filled(px, [&] {
                    canvas_.TextOut(
                        px.left + static_cast<int>(std::lround(RecordInt16(r, 2) * scale_.unitX)),
                        px.top + static_cast<int>(std::lround(RecordInt16(r, 4) * scale_.unitY)),
                        text);
                });
                break;
            case 23:
            case 24:
            case 25:
                canvas_.SetClip(&px);
                if (ReferenceOf(r) == TextReference::Column) {
                    // A list column keeps one row a line, so the columns stay in line.
                    DrawLines(SplitLines(text), px, Align(mode_ - 23), canvas_,
                              ListRowPitch(points_) * scale_.unitY,
                              static_cast<size_t>(
                                  ListRowsThatFit(box_.y2 - box_.y1, ListRowPitch(points_))),
                              &font_);
                    canvas_.SetClip(nullptr);
                    break;
                }
                DrawLines(WrapText(text, px.Width(), canvas_, VisibleLines(px)), px,
                          Align(mode_ - 23), canvas_);
                canvas_.SetClip(nullptr);
                break;
            default:
                break;
        }
    }

    size_t VisibleLines(const TRect& px) {
        const int height = std::max(1, canvas_.TextHeight("X"));
        return static_cast<size_t>(std::max(1, px.Height() / height + 1));
    }

    static LineAlign Align(int code) {
        return code == 1 ? LineAlign::Right : code == 2 ? LineAlign::Centre : LineAlign::Left;
    }

    template <class F>
    void Filled(const TRect& px, F drawText) {
        canvas_.SetBrush(brush_, brushStyle_);
        canvas_.FillRect(px);
        canvas_.SetBrush(brush_, BrushStyle::Clear);
        canvas_.SetClip(&px);
        drawText();
        canvas_.SetClip(nullptr);
    }

    void Markup(const std::string& text, const TRect& px, LineAlign align) {
        const int unreadable = DrawMarkupText(
            text, px, align, font_, {scale_.unitX, scale_.unitY, scale_.fontZoom}, canvas_);
        for (int i = 0; i < unreadable && hooks_.onBeep; ++i) hooks_.onBeep();
    }

    void Image(const ScriptRecord& r, const std::string& name) {
        const MonoBitmap* bitmap = EmbeddedBitmap(name);
        if (!bitmap) return;
        const double scale = RecordInt16(r, 10) / 100.0;
        const int x = box_.x1 + RecordInt16(r, 2), y = box_.y1 + RecordInt16(r, 4);
        canvas_.Bitmap({X(x), Y(y), X(x + static_cast<int>(bitmap->width * scale)),
                        Y(y + static_cast<int>(bitmap->height * scale))},
                       *bitmap);
    }

    const PageList& pages_;
    const PageScale& scale_;
    const PageDrawHooks& hooks_;
    TCanvas& canvas_;
    bool relative_;
    UnitBox box_;
    int previousBottom_ = 0;
    CanvasFont font_;
    int mode_ = 0;
    int points_ = 10;  // the script's size, before the zoom
    TColor brush_ = clWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    ScriptRecord last_{};
    std::string lastText_;
    bool hasLast_ = false;
};

}  // namespace

void DrawPageRecords(const PageList& pages, int page, const PageScale& scale,
                     const PageDrawHooks& hooks, TCanvas& canvas) {
    if (page < 1 || page > pages.PageCount()) return;
    const bool relative = pages.PageRecord(page)[13] == 'R';
    PageDrawer drawer(pages, scale, hooks, canvas, relative);
    canvas.SetBrush(clWhite, BrushStyle::Solid);
    canvas.SetPen(clBlack, 1);
    canvas.SetPenStyle(PenStyle::Solid);
    for (const ScriptRecord& r : pages.PageRecords(page)) drawer.Draw(r);
}
