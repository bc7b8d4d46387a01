#pragma once
// The pages a typed range names ("1,2,4,7", "1-4,7-9"): pages 1 to 255, numbers above
// ignored, a dash with no number after it invalid.

#include <optional>
#include <set>
#include <string>

constexpr int LastPrintablePage = 255;

// Nothing when the range is invalid.
std::optional<std::set<int>> ParsePageRange(const std::string& text);

// The message for an invalid range; `pageLabel` is the preview's "N of M".
std::string InvalidPageRangeMessage(const std::string& text, const std::string& pageLabel);
