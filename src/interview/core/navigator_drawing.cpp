#include "interview/core/navigator_drawing.h"

#include "interview/core/tnavigatortopic.h"

namespace {
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }
}  // namespace

bool NavigatorEntryHighlighted(const TNavigatorItem& entry, bool topicExpanded) {
    if (!entry.Selected()) return false;
    const auto* topic = dynamic_cast<const TNavigatorTopic*>(&entry);
    return !(topic && topicExpanded && topic->HasSelectedItem());
}

int NavigatorArrowPicture(bool expanded, bool highlighted) {
    return (expanded ? 2 : 0) + (highlighted ? 1 : 0);
}

int NavigatorTextTop(int rowTop, int rowBottom, int textHeight) {
    return FloorHalf(rowTop + rowBottom - textHeight);
}

int NavigatorArrowLeft(int rowHeight, int pictureWidth, int textLeft) {
    return (rowHeight - pictureWidth) / 2 + textLeft - NavigatorArrowMargin + 2;
}

int NavigatorCaptionLeft(int textLeft) { return textLeft + 2; }

int NavigatorQuestionNumberEdge(int textLeft) { return textLeft + NavigatorArrowMargin + 2; }
