#pragma once
// A canvas that records what is drawn; text is 10 pixels a character and 16 high.

#include <string>
#include <vector>

#include "reports/core/canvas.h"

class RecordingCanvas : public TCanvas {
public:
    struct Text {
        int x, y;
        std::string text;
        CanvasFont font;
    };
    struct Shape {
        char kind;  // 'R' rectangle, 'E' ellipse, 'D' rounded, 'F' fill, 'L' line, 'P' polygon
        TRect rect;
        TColor pen, brush;
        BrushStyle brushStyle;
        PenStyle penStyle;
    };

    void SetPen(TColor colour, int width) override {
        pen = colour;
        penWidth = width;
    }
    void SetPenStyle(PenStyle style) override { penStyle = style; }
    void SetBrush(TColor colour, BrushStyle style) override {
        brush = colour;
        brushStyle = style;
    }
    void SetFont(const CanvasFont& f) override { font = f; }
    void Rectangle(const TRect& r) override {
        rectangles.push_back(r);
        Add('R', r);
    }
    void Polygon(const std::vector<TPoint>& p) override {
        polygon = p;
        Add('P', {});
    }
    void Ellipse(const TRect& r) override {
        ellipses.push_back(r);
        Add('E', r);
    }
    void RoundRect(const TRect& r, int, int) override { Add('D', r); }
    void FillRect(const TRect& r) override { Add('F', r); }
    void Bitmap(const TRect& r, const MonoBitmap&) override { bitmaps.push_back(r); }
    void SetClip(const TRect* r) override { clipped = r != nullptr; }
    void Line(TPoint from, TPoint to) override {
        ++lines;
        Add('L', {from.x, from.y, to.x, to.y});
    }
    void TextOut(int x, int y, const std::string& t) override { texts.push_back({x, y, t, font}); }
    void WrappedText(const TRect&, const std::string& t) override { wrapped.push_back(t); }
    int TextWidth(const std::string& t) override { return 10 * static_cast<int>(t.size()); }
    int TextHeight(const std::string&) override { return 16; }
    int InternalLeading() override { return 2; }
    int Descent() override { return 3; }
    bool IsScreenCanvas() const override { return screen; }
    bool IsPrinter() const override { return printer; }
    double PixelsPerInch() const override { return dpi; }

    const Text* FindText(const std::string& t) const {
        for (const Text& text : texts)
            if (text.text == t) return &text;
        return nullptr;
    }

    bool screen = false, printer = false, clipped = false;
    double dpi = 254;  // 10 pixels a millimetre: one pixel a script unit at 0.1 mm
    int penWidth = 0, lines = 0;
    TColor pen = 0, brush = 0;
    BrushStyle brushStyle = BrushStyle::Solid;
    PenStyle penStyle = PenStyle::Solid;
    CanvasFont font;
    std::vector<TRect> rectangles, ellipses, bitmaps;
    std::vector<TPoint> polygon;
    std::vector<Text> texts;
    std::vector<std::string> wrapped;
    std::vector<Shape> shapes;

private:
    void Add(char kind, const TRect& r) {
        shapes.push_back({kind, r, pen, brush, brushStyle, penStyle});
    }
};
