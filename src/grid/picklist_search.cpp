#include "grid/picklist_search.h"

#include "base/latin1_case.h"

int LastEntryStartingWith(const std::vector<std::string>& entries, const std::string& text) {
    if (text.empty()) return -1;
    int found = -1;
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].compare(0, text.size(), text) == 0) found = static_cast<int>(i);
    return found;
}

int TTypeAheadSearch::Type(char c, int64_t nowMs, const std::vector<std::string>& entries) {
    if (typedBefore_ && nowMs - lastKeyMs_ > ResetAfterMs) text_.clear();
    typedBefore_ = true;
    lastKeyMs_ = nowMs;
    if (text_.size() < MaxLength) text_ += c;
    const std::string wanted = Latin1UpperText(text_);
    for (size_t i = 0; i < entries.size(); ++i)
        if (Latin1UpperText(entries[i].substr(0, wanted.size())) == wanted)
            return static_cast<int>(i);
    return -1;
}
