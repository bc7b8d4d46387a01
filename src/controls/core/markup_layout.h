#pragma once
// Lays out a marked-up text label: expands variables, reads the commands of every line and
// produces the drawing plan (runs, icons, link records, plain text, resulting height). The
// text is measured through an abstract measurer, so the rules run without any toolkit.

#include <functional>
#include <string>
#include <vector>

#include "controls/core/markup_types.h"

class TVariableManager;

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(const MarkupFont& font, const std::string& text) const = 0;
    // Height of "H" as the platform measures a line of text (ascent plus descent).
    virtual int TextHeight(const MarkupFont& font) const = 0;
};

// The screen's answers to the label's value, check, colour, font and icon tags.
struct MarkupHandlers {
    std::function<void(int screenTagId, std::string& tag)> screenTag;
    std::function<void(int checkTagId, bool& pass)> checkTag;
    std::function<void(int colorTagId, MarkupColor& color)> colorTag;
    std::function<void(const std::string& tag, MarkupFont& font)> fontTag;
    std::function<void(const std::string& tag, TTextLblKind& kind)> iconTag;
};

struct MarkupLayoutInput {
    std::vector<std::string> lines;
    int section = 1;  // where the running section starts
    int currentSection = 1;
    int lineSpacing = 10;
    double positionScale = 1.0;
    double fontScale = 1.0;
    MarkupFont baseFont;  // the label's font at its base size
    TTextLblKind kind = tlkNone;
    int kindIconWidth = 0;
    bool visionImpaired = false;
    int bevelWidths = 0;                          // inner plus outer
    int clientHeight = 0;                         // for Y commands counted from the bottom
    const TVariableManager* variables = nullptr;  // none: variables expand to nothing
    MarkupHandlers handlers;
};

inline constexpr int AlwaysShownSection = 999;
inline constexpr int SmallIconSize = 12;
inline constexpr const char* VariableNotLastMessage =
    "@Variables must be declared without other modifiers";

MarkupPlan LayOutMarkup(const MarkupLayoutInput& input, const TextMeasurer& measurer);

// Beeps once for every unreadable command and shows the "@" message once.
void ReportMarkupProblems(const MarkupPlan& plan);
