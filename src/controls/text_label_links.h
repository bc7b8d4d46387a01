#pragma once
// The links of a text label for keyboard and screen-reader users: listed in reading order,
// named by their words, followed as a click follows them, and reached from the keyboard. Tab
// into a label lands on its first link (Shift+Tab on its last), Tab and Shift+Tab step through
// them before leaving the label, Enter or Space follows the current one.

#include <QRect>
#include <QString>
#include <vector>

#include "controls/core/markup_types.h"

class TTextLbl;

std::vector<LinkRef> LabelLinks(TTextLbl* label);
QString LabelLinkText(TTextLbl* label, int ordinal);
QRect LabelLinkRect(TTextLbl* label, int ordinal);
// What a click on the link does: its handler, or the shell for a web address.
void FollowLabelLink(TTextLbl* label, const LinkRef& link);
void FollowLabelLink(TTextLbl* label, int ordinal);
// The link the keyboard is on, or -1.
int FocusedLabelLink(const TTextLbl* label);
// The shown lines without markup, one per line.
QString LabelReadableText(TTextLbl* label);

// Installs the keyboard handling on the label (its constructor does).
void HandleLinkKeys(TTextLbl* label);
