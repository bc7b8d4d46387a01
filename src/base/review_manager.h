#pragma once
// Which screens show the banner saying that imported data needs review. Both lists travel
// in the return data file.

#include <string>
#include <utility>
#include <vector>

class TReviewManager {
public:
    // Names at even positions, values at odd positions.
    void SetReviewMap(const std::vector<std::string>& namesAndValues);
    void SetReviewList(const std::vector<std::string>& keys);
    std::vector<std::string> GetReviewList() const { return reviewList_; }
    // Name and value of every map entry whose name begins with "LookupRequiresSave|".
    std::vector<std::string> GetLookupRequiresSave() const;
    bool NeedsReview(const std::string& screenClassName) const;

private:
    std::vector<std::pair<std::string, std::string>> reviewMap_;
    std::vector<std::string> reviewList_;
};
