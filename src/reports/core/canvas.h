#pragma once
// What the report engine and the field drawing need from a drawing surface: pens, brushes,
// fonts, shapes and text. The GUI supplies one over QPainter; tests record the calls.

#include <cstdint>
#include <string>
#include <vector>

using TColor = uint32_t;  // 0xRRGGBB
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clYellow = 0xFFFF00;

struct TPoint {
    int x = 0, y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const TRect&) const = default;
};

enum class BrushStyle { Solid, Clear, DiagCross };
enum class PenStyle { Solid, Dash, Dot, Clear };

// A one-bit picture, black where set, row by row.
struct MonoBitmap {
    int width = 0, height = 0;
    std::vector<bool> black;
    bool Black(int x, int y) const { return black[static_cast<size_t>(y) * width + x]; }
};

struct CanvasFont {
    std::string name = "Arial";
    int size = 10;  // points
    bool bold = false, italic = false, underline = false, strikeOut = false;
    TColor colour = clBlack;
    double letterSpacing = 0;  // points added between characters
};

class TCanvas {
public:
    virtual ~TCanvas() = default;
    virtual void SetPen(TColor colour, int width) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetBrush(TColor colour, BrushStyle style) = 0;
    virtual void SetFont(const CanvasFont& font) = 0;
    virtual void Rectangle(const TRect& r) = 0;
    virtual void Polygon(const std::vector<TPoint>& points) = 0;
    virtual void Ellipse(const TRect& r) = 0;
    virtual void RoundRect(const TRect& r, int cornerWidth, int cornerHeight) = 0;
    // The rectangle filled with the brush, without an outline.
    virtual void FillRect(const TRect& r) = 0;
    virtual void Bitmap(const TRect& target, const MonoBitmap& bitmap) = 0;
    // Drawing is cut to the rectangle until the clip is cleared with null.
    virtual void SetClip(const TRect* r) = 0;
    virtual void Line(TPoint from, TPoint to) = 0;
    // Text with its top-left corner at (x, y), on the brush colour unless the brush is clear.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Word-wrapped text inside the rectangle, from its top-left corner.
    virtual void WrappedText(const TRect& r, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    virtual int InternalLeading() = 0;
    virtual int Descent() = 0;
    // True for the module window's own picture surface; false when printing or previewing.
    virtual bool IsScreenCanvas() const = 0;
    // A printer or PDF page rather than a picture shown on screen.
    virtual bool IsPrinter() const = 0;
    virtual double PixelsPerInch() const = 0;
};
