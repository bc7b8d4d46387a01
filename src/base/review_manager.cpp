#include "base/review_manager.h"

#include "base/text_variables.h"

namespace {
const std::string LookupPrefix = "LookupRequiresSave|";

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() &&
           SameTextIgnoringCase(text.substr(0, prefix.size()), prefix);
}
}  // namespace

void TReviewManager::SetReviewMap(const std::vector<std::string>& namesAndValues) {
    reviewMap_.clear();
    for (size_t i = 0; i + 1 < namesAndValues.size(); i += 2)
        reviewMap_.emplace_back(namesAndValues[i], namesAndValues[i + 1]);
}

void TReviewManager::SetReviewList(const std::vector<std::string>& keys) { reviewList_ = keys; }

std::vector<std::string> TReviewManager::GetLookupRequiresSave() const {
    std::vector<std::string> lines;
    for (const auto& [name, value] : reviewMap_) {
        if (!StartsWithIgnoringCase(name, LookupPrefix)) continue;
        lines.push_back(name);
        lines.push_back(value);
    }
    return lines;
}

bool TReviewManager::NeedsReview(const std::string& screenClassName) const {
    std::string key;
    for (const auto& [name, value] : reviewMap_) {
        if (SameTextIgnoringCase(name, screenClassName)) {
            key = value;
            break;
        }
    }
    if (key.empty()) return false;
    for (const auto& entry : reviewList_)
        if (SameTextIgnoringCase(entry, key)) return true;
    for (const auto& entry : reviewList_)
        if (entry.compare(0, key.size(), key) == 0) return true;
    return false;
}
