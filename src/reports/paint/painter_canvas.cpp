#include "reports/paint/painter_canvas.h"

#include <QImage>
#include <cmath>

namespace {

QColor Colour(TColor c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }
QString Text(const std::string& latin1) {
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}
// Edges as the scripts mean them: the right and bottom pixel lie outside the shape.
QRect Shape(const TRect& r) { return QRect(r.left, r.top, r.Width() - 1, r.Height() - 1); }

}  // namespace

TPainterCanvas::TPainterCanvas(QPainter& painter, double pixelsPerInch, bool printer)
    : painter_(painter), dpi_(pixelsPerInch), printer_(printer) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFont(CanvasFont{});
    ApplyPen();
    painter_.setBrush(brush_);
}

QString TPainterCanvas::Family(const std::string& name) {
    if (name == "Arial Narrow") return "Liberation Sans Narrow";
    if (name == "Courier New") return "Liberation Mono";
    if (name == "Times New Roman") return "Liberation Serif";
    if (name == "Arial") return "Liberation Sans";
    return QString::fromLatin1(name.c_str());
}

void TPainterCanvas::ApplyPen() {
    QPen pen(penColour_);
    pen.setWidth(std::max(1, penWidth_));
    pen.setStyle(penStyle_);
    painter_.setPen(pen);
}

void TPainterCanvas::SetPen(TColor colour, int width) {
    penColour_ = Colour(colour);
    penWidth_ = width;
    ApplyPen();
}

void TPainterCanvas::SetPenStyle(PenStyle style) {
    switch (style) {
        case PenStyle::Dash:
            penStyle_ = Qt::DashLine;
            break;
        case PenStyle::Dot:
            penStyle_ = Qt::DotLine;
            break;
        case PenStyle::Clear:
            penStyle_ = Qt::NoPen;
            break;
        default:
            penStyle_ = Qt::SolidLine;
            break;
    }
    ApplyPen();
}

void TPainterCanvas::SetBrush(TColor colour, BrushStyle style) {
    const Qt::BrushStyle qt = style == BrushStyle::Clear       ? Qt::NoBrush
                              : style == BrushStyle::DiagCross ? Qt::DiagCrossPattern
                                                               : Qt::SolidPattern;
    brush_ = QBrush(Colour(colour), qt);
    painter_.setBrush(brush_);
}

void TPainterCanvas::SetFont(const CanvasFont& font) {
    QFont f(Family(font.name));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * dpi_ / 72.0))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    if (font.letterSpacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, font.letterSpacing * dpi_ / 72.0);
    font_ = f;
    textColour_ = Colour(font.colour);
    painter_.setFont(font_);
}

QFontMetrics TPainterCanvas::Metrics() const { return QFontMetrics(font_, painter_.device()); }

void TPainterCanvas::Rectangle(const TRect& r) { painter_.drawRect(Shape(r)); }
void TPainterCanvas::Ellipse(const TRect& r) { painter_.drawEllipse(Shape(r)); }
void TPainterCanvas::RoundRect(const TRect& r, int cornerWidth, int cornerHeight) {
    painter_.drawRoundedRect(Shape(r), cornerWidth / 2.0, cornerHeight / 2.0);
}
void TPainterCanvas::FillRect(const TRect& r) {
    painter_.fillRect(QRect(r.left, r.top, r.Width(), r.Height()), brush_);
}
void TPainterCanvas::Line(TPoint from, TPoint to) { painter_.drawLine(from.x, from.y, to.x, to.y); }

void TPainterCanvas::Polygon(const std::vector<TPoint>& points) {
    QPolygon polygon;
    for (const TPoint& p : points) polygon << QPoint(p.x, p.y);
    painter_.drawPolygon(polygon);
}

void TPainterCanvas::Bitmap(const TRect& target, const MonoBitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < bitmap.height; ++y)
        for (int x = 0; x < bitmap.width; ++x) image.setPixel(x, y, bitmap.Black(x, y) ? 1 : 0);
    painter_.drawImage(QRect(target.left, target.top, target.Width(), target.Height()), image);
}

void TPainterCanvas::SetClip(const TRect* r) {
    if (r)
        painter_.setClipRect(QRect(r->left, r->top, r->Width(), r->Height()));
    else
        painter_.setClipping(false);
}

void TPainterCanvas::TextOut(int x, int y, const std::string& text) {
    const QFontMetrics m = Metrics();
    const QString s = Text(text);
    if (brush_.style() != Qt::NoBrush)
        painter_.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), brush_.color());
    painter_.setPen(textColour_);
    painter_.drawText(x, y + m.ascent(), s);
    ApplyPen();
}

void TPainterCanvas::WrappedText(const TRect& r, const std::string& text) {
    painter_.setPen(textColour_);
    painter_.drawText(QRect(r.left, r.top, r.Width(), r.Height()),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Text(text));
    ApplyPen();
}

int TPainterCanvas::TextWidth(const std::string& text) {
    return Metrics().horizontalAdvance(Text(text));
}
int TPainterCanvas::TextHeight(const std::string&) { return Metrics().height(); }
int TPainterCanvas::InternalLeading() {
    return std::max(0, Metrics().height() - font_.pixelSize());
}
int TPainterCanvas::Descent() { return Metrics().descent(); }
