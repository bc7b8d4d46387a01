#pragma once
// What the markup engine works with and produces: colours, fonts, rectangles and the drawing
// plan of a label. Texts are UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/core/text_label_types.h"

struct MarkupColor {
    // Two entries of the colour table follow the desktop's colours, resolved when drawing.
    enum Source : uint8_t { Rgb, ButtonFace, Window };
    Source source = Rgb;
    uint8_t red = 0, green = 0, blue = 0;

    static constexpr MarkupColor FromRgb(uint8_t r, uint8_t g, uint8_t b) {
        return MarkupColor{Rgb, r, g, b};
    }
    bool operator==(const MarkupColor&) const = default;
};

enum MarkupStyleBit : int { msBold = 1, msItalic = 2, msUnderline = 4 };

struct MarkupFont {
    std::string name = "Arial";
    int size = 10;  // in the unit of the label's own font (points unless it is pixel-sized)
    int style = 0;  // MarkupStyleBit set
    MarkupColor color;
    bool operator==(const MarkupFont&) const = default;
};

struct MarkupRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool Contains(int x, int y) const {
        return x >= left && x < left + width && y >= top && y < top + height;
    }
    bool operator==(const MarkupRect&) const = default;
};

// The colour table of the C command (1 to 18); false for any other index.
bool TryMarkupColorTableEntry(int index, MarkupColor& color);
// Frame colour of a kind (black for tlkNone).
MarkupColor KindFrameColor(TTextLblKind kind);

// Links gather the runs drawn while they were pending; one record per link command.
struct TJump {
    int JumpID = 0;
    std::string text;
    std::vector<MarkupRect> rects;
};

struct THLink {
    int linkNumber = 0;
    std::string target;
    std::string text;
    std::vector<MarkupRect> rects;
};

struct TScreenLink {
    int ScreenID = 0;
    std::string text;
    std::vector<MarkupRect> rects;
};

enum class LinkType { Jump, Screen, Hyperlink };

struct LinkRef {
    LinkType type = LinkType::Jump;
    int index = 0;  // into the plan's list of that type
    bool operator==(const LinkRef&) const = default;
};

struct MarkupRun {
    int x = 0, y = 0, width = 0, height = 0;  // y is the top of the text
    std::string text;
    MarkupFont font;  // as laid out; a hovered link adds underline when drawn
    int jump = -1, screenLink = -1, hyperlink = -1;  // link records the run belongs to

    bool BelongsTo(const LinkRef& link) const;
};

struct MarkupIcon {
    int x = 0, y = 0;
    TTextLblKind kind = tlkNone;
};

struct MarkupPlan {
    std::vector<MarkupRun> runs;
    std::vector<MarkupIcon> icons;  // the small icons of I and i commands
    std::vector<TJump> jumps;
    std::vector<THLink> hyperlinks;
    std::vector<TScreenLink> screenLinks;
    std::vector<std::string> plainTextLines;  // one per source line
    int endY = 0;                             // the running y after the last line
    int finalSection = 1;                     // what the label's Section becomes

    // Found while laying out; reported separately so that repaints stay silent.
    int unreadableCommands = 0;
    bool variableNotLastInTag = false;

    // The first line trimmed, then every further non-empty line after one space.
    std::string PlainText() const;
    // Jumps first, then screen links, then hyperlinks; a later match wins.
    std::optional<LinkRef> LinkAt(int x, int y) const;
    // The run's font as drawn: underlined when it belongs to the hovered link.
    MarkupFont DrawnFont(const MarkupRun& run, const std::optional<LinkRef>& hovered) const;
};
