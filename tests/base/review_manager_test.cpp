#include "base/review_manager.h"

#include <gtest/gtest.h>

namespace {
TEST(ReviewManager, NeedsReviewByKeyOrKeyPrefix) {
    TReviewManager review;
    review.SetReviewMap({"TQCGT_19", "Shares", "TQCGT_20", "Trust", "TQCGT_21", "", "TQCGT_22",
                         "realestate", "TQCGT_23"});
    review.SetReviewList({"Shares|BHP", "REALESTATE"});
    EXPECT_TRUE(review.NeedsReview("TQCGT_19"));  // key is a prefix of a list entry
    EXPECT_TRUE(review.NeedsReview("tqcgt_19"));  // screen names ignore case
    EXPECT_TRUE(review.NeedsReview("TQCGT_22"));  // the key itself is listed, in another case
    EXPECT_FALSE(review.NeedsReview("TQCGT_20"));
    EXPECT_FALSE(review.NeedsReview("TQCGT_21"));  // empty key
    EXPECT_FALSE(review.NeedsReview("TQCGT_23"));  // a name without a value is dropped
    EXPECT_FALSE(review.NeedsReview("TQCGT_99"));  // no map entry

    review.SetReviewList({"shares|BHP"});  // replaces; the prefix compares in exact case
    EXPECT_FALSE(review.NeedsReview("TQCGT_19"));
    EXPECT_FALSE(review.NeedsReview("TQCGT_22"));
    EXPECT_EQ(review.GetReviewList(), std::vector<std::string>{"shares|BHP"});
}

TEST(ReviewManager, LookupRequiresSaveEntriesComeAsNameValueLines) {
    TReviewManager review;
    review.SetReviewMap({"LookupRequiresSave|Broker", "1", "TQCGT_19", "Shares",
                         "lookuprequiressave|Fund", "2", "LookupRequiresSave", "3"});
    EXPECT_EQ(review.GetLookupRequiresSave(),
              (std::vector<std::string>{"LookupRequiresSave|Broker", "1", "lookuprequiressave|Fund",
                                        "2"}));
}
}  // namespace
