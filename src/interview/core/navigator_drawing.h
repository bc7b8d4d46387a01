#pragma once
// Where and how a navigator row is drawn; the tree view only paints what these say.

class TNavigatorItem;

// A marked entry is highlighted, except a topic whose marked item is showing (the topic is
// expanded): then the item carries the highlight.
bool NavigatorEntryHighlighted(const TNavigatorItem& entry, bool topicExpanded);

// Arrow picture of a topic with items: 0 collapsed, 1 collapsed and highlighted,
// 2 expanded, 3 expanded and highlighted.
int NavigatorArrowPicture(bool expanded, bool highlighted);

// Text top for a row from rowTop to rowBottom (exclusive), rounded down.
int NavigatorTextTop(int rowTop, int rowBottom, int textHeight);
// Left edge of a topic's arrow picture, in the margin before its text.
int NavigatorArrowLeft(int rowHeight, int pictureWidth, int textLeft);
// Where captions start; an item's "question number - " ends at the question number edge.
int NavigatorCaptionLeft(int textLeft);
int NavigatorQuestionNumberEdge(int textLeft);

inline constexpr int NavigatorArrowSize = 12;
// The room before a topic's text that holds its arrow picture.
inline constexpr int NavigatorArrowMargin = 20;
