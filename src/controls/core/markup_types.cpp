#include "controls/core/markup_types.h"

#include <iterator>

bool TryMarkupColorTableEntry(int index, MarkupColor& color) {
    static constexpr MarkupColor table[] = {
        MarkupColor::FromRgb(0, 0, 0),        MarkupColor::FromRgb(128, 0, 0),
        MarkupColor::FromRgb(0, 128, 0),      MarkupColor::FromRgb(128, 128, 0),
        MarkupColor::FromRgb(0, 0, 128),      MarkupColor::FromRgb(128, 0, 128),
        MarkupColor::FromRgb(0, 128, 128),    MarkupColor::FromRgb(128, 128, 128),
        MarkupColor::FromRgb(192, 192, 192),  MarkupColor::FromRgb(255, 0, 0),
        MarkupColor::FromRgb(0, 255, 0),      MarkupColor::FromRgb(0, 0, 255),
        MarkupColor::FromRgb(255, 0, 255),    MarkupColor::FromRgb(0, 255, 255),
        MarkupColor::FromRgb(255, 255, 255),  MarkupColor::FromRgb(255, 255, 0),
        MarkupColor{MarkupColor::ButtonFace}, MarkupColor{MarkupColor::Window},
    };
    if (index < 1 || index > static_cast<int>(std::size(table))) return false;
    color = table[index - 1];
    return true;
}

MarkupColor KindFrameColor(TTextLblKind kind) {
    switch (kind) {
        case tlkDirection:
            return MarkupColor::FromRgb(0, 99, 68);
        case tlkAttention:
            return MarkupColor::FromRgb(244, 193, 0);
        case tlkDanger:
            return MarkupColor::FromRgb(223, 4, 35);
        default:
            return MarkupColor::FromRgb(0, 0, 0);
    }
}

bool MarkupRun::BelongsTo(const LinkRef& link) const {
    switch (link.type) {
        case LinkType::Jump:
            return jump == link.index;
        case LinkType::Screen:
            return screenLink == link.index;
        case LinkType::Hyperlink:
            return hyperlink == link.index;
    }
    return false;
}

std::string MarkupPlan::PlainText() const {
    std::string text;
    for (const std::string& line : plainTextLines) {
        if (line.empty()) continue;
        if (!text.empty()) text += ' ';
        text += line;
    }
    return text;
}

namespace {
bool AnyContains(const std::vector<MarkupRect>& rects, int x, int y) {
    for (const MarkupRect& rect : rects)
        if (rect.Contains(x, y)) return true;
    return false;
}

template <typename Record>
void MatchLinks(const std::vector<Record>& records, LinkType type, int x, int y,
                std::optional<LinkRef>& match) {
    for (size_t i = 0; i < records.size(); ++i)
        if (AnyContains(records[i].rects, x, y)) match = LinkRef{type, static_cast<int>(i)};
}
}  // namespace

std::optional<LinkRef> MarkupPlan::LinkAt(int x, int y) const {
    std::optional<LinkRef> match;
    MatchLinks(jumps, LinkType::Jump, x, y, match);
    MatchLinks(screenLinks, LinkType::Screen, x, y, match);
    MatchLinks(hyperlinks, LinkType::Hyperlink, x, y, match);
    return match;
}

MarkupFont MarkupPlan::DrawnFont(const MarkupRun& run,
                                 const std::optional<LinkRef>& hovered) const {
    MarkupFont font = run.font;
    if (hovered && run.BelongsTo(*hovered)) font.style |= msUnderline;
    return font;
}
