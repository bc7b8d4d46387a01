#pragma once
// Converts the markup engine's fonts and colours to Qt's and measures text with the
// platform's font metrics.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <utility>
#include <vector>

#include "controls/core/markup_layout.h"

// `base` supplies everything the markup does not describe (hinting, stretch, size unit).
QFont ToQFont(const MarkupFont& font, const QFont& base);
MarkupFont FromQFont(const QFont& font, const MarkupColor& color);
QColor ToQColor(const MarkupColor& color, const QPalette& palette);
MarkupColor FromQColor(const QColor& color);
QColor ToQColor(const MarkupColor& color);  // RGB colours only

class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer(const QFont& base, const QPaintDevice* device) : base_(base), device_(device) {}
    int TextWidth(const MarkupFont& font, const std::string& text) const override;
    int TextHeight(const MarkupFont& font) const override;
    int Ascent(const MarkupFont& font) const;

private:
    const QFontMetrics& MetricsFor(const MarkupFont& font) const;
    QFont base_;
    const QPaintDevice* device_;
    mutable std::vector<std::pair<MarkupFont, QFontMetrics>> cache_;
};
