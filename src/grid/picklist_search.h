#pragma once
// Finding picklist entries by typed text: the highlight when a list opens, and the
// type-ahead search while it is open.

#include <cstdint>
#include <string>
#include <vector>

// The last entry whose leading characters equal `text` exactly; -1 when none or empty.
int LastEntryStartingWith(const std::vector<std::string>& entries, const std::string& text);

class TTypeAheadSearch {
public:
    static constexpr int64_t ResetAfterMs = 2000;
    static constexpr size_t MaxLength = 32;

    // Extends the search text by a printable character (starting afresh when more than
    // two seconds passed since the previous one) and returns the first entry that begins
    // with it, without regard to letter case; -1 when none does.
    int Type(char c, int64_t nowMs, const std::vector<std::string>& entries);
    void Clear() { text_.clear(); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
    int64_t lastKeyMs_ = 0;
    bool typedBefore_ = false;
};
