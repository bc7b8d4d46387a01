#include "controls/markup_qt.h"

namespace {
bool PixelSized(const QFont& font) { return font.pointSize() <= 0; }
}  // namespace

QFont ToQFont(const MarkupFont& font, const QFont& base) {
    QFont result = base;
    result.setFamily(QString::fromStdString(font.name));
    if (PixelSized(base))
        result.setPixelSize(font.size);
    else
        result.setPointSize(font.size);
    result.setBold(font.style & msBold);
    result.setItalic(font.style & msItalic);
    result.setUnderline(font.style & msUnderline);
    return result;
}

MarkupFont FromQFont(const QFont& font, const MarkupColor& color) {
    MarkupFont result;
    result.name = font.family().toStdString();
    result.size = PixelSized(font) ? font.pixelSize() : font.pointSize();
    result.style = (font.bold() ? msBold : 0) | (font.italic() ? msItalic : 0) |
                   (font.underline() ? msUnderline : 0);
    result.color = color;
    return result;
}

QColor ToQColor(const MarkupColor& color, const QPalette& palette) {
    switch (color.source) {
        case MarkupColor::ButtonFace:
            return palette.color(QPalette::Button);
        case MarkupColor::Window:
            return palette.color(QPalette::Base);
        default:
            return ToQColor(color);
    }
}

QColor ToQColor(const MarkupColor& color) { return QColor(color.red, color.green, color.blue); }

MarkupColor FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return MarkupColor::FromRgb(static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()),
                                static_cast<uint8_t>(rgb.blue()));
}

const QFontMetrics& QtTextMeasurer::MetricsFor(const MarkupFont& font) const {
    for (const auto& [key, metrics] : cache_)
        if (key.name == font.name && key.size == font.size && key.style == font.style)
            return metrics;
    cache_.emplace_back(font, QFontMetrics(ToQFont(font, base_), device_));
    return cache_.back().second;
}

int QtTextMeasurer::TextWidth(const MarkupFont& font, const std::string& text) const {
    return MetricsFor(font).horizontalAdvance(QString::fromStdString(text));
}

int QtTextMeasurer::TextHeight(const MarkupFont& font) const { return MetricsFor(font).height(); }

int QtTextMeasurer::Ascent(const MarkupFont& font) const { return MetricsFor(font).ascent(); }
