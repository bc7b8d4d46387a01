#pragma once
// The report canvas over a QPainter: preview pictures, printer pages and PDF pages draw the
// same way. Font sizes are in points at the canvas's own resolution.

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>

#include "reports/core/canvas.h"

class TPainterCanvas : public TCanvas {
public:
    TPainterCanvas(QPainter& painter, double pixelsPerInch, bool printer);

    void SetPen(TColor colour, int width) override;
    void SetPenStyle(PenStyle style) override;
    void SetBrush(TColor colour, BrushStyle style) override;
    void SetFont(const CanvasFont& font) override;
    void Rectangle(const TRect& r) override;
    void Polygon(const std::vector<TPoint>& points) override;
    void Ellipse(const TRect& r) override;
    void RoundRect(const TRect& r, int cornerWidth, int cornerHeight) override;
    void FillRect(const TRect& r) override;
    void Bitmap(const TRect& target, const MonoBitmap& bitmap) override;
    void SetClip(const TRect* r) override;
    void Line(TPoint from, TPoint to) override;
    void TextOut(int x, int y, const std::string& text) override;
    void WrappedText(const TRect& r, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    int InternalLeading() override;
    int Descent() override;
    bool IsScreenCanvas() const override { return false; }
    bool IsPrinter() const override { return printer_; }
    double PixelsPerInch() const override { return dpi_; }

    // The Liberation family that stands in for a font name of the scripts.
    static QString Family(const std::string& name);

private:
    void ApplyPen();
    QFontMetrics Metrics() const;

    QPainter& painter_;
    double dpi_;
    bool printer_;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    Qt::PenStyle penStyle_ = Qt::SolidLine;
    QBrush brush_{Qt::white};
    QFont font_;
    QColor textColour_ = Qt::black;
};
