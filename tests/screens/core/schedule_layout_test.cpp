#include "screens/core/schedule_layout.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, const ScheduleAmount*> AmountsByField() {
    std::map<int, const ScheduleAmount*> found;
    for (const SchedulePart& part : ScheduleParts())
        for (const ScheduleRow& row : part.rows)
            for (const ScheduleAmount& amount : row.amounts)
                if (amount.field != 0) {
                    EXPECT_EQ(found.count(amount.field), 0u) << amount.field << " shown twice";
                    found[amount.field] = &amount;
                }
    return found;
}

}  // namespace

// Every schedule field from 711 to 749 and 1100 to 1139 is shown once, except the roll-over
// answer, which is the check box.
TEST(ScheduleLayout, ShowsEveryScheduleFieldOnceAndTheRollOverAsItsCheckBox) {
    const auto found = AmountsByField();
    for (int field = 711; field <= 1139; ++field) {
        if (field > 749 && field < 1100) continue;
        if (field == 1136) {
            EXPECT_EQ(found.count(field), 0u);
            continue;
        }
        EXPECT_EQ(found.count(field), 1u) << field;
    }
    EXPECT_EQ(found.size(), 39u + 40u - 1u);
    EXPECT_EQ(ScheduleParts().back().checkField, 1136);
    EXPECT_EQ(ScheduleParts().back().checkCaption, "Roll-over chosen?");
}

TEST(ScheduleLayout, PartsInOrderWithoutPartC) {
    std::string names;
    for (const SchedulePart& part : ScheduleParts()) names += part.name.back();
    EXPECT_EQ(names, "ABDEFGHIJK");
}

TEST(ScheduleLayout, CaptionsNameTheColumnAndTheRow) {
    const auto found = AmountsByField();
    EXPECT_EQ(found.at(714)->caption, "Capital gains, Index method, Real estate");
    EXPECT_EQ(found.at(721)->caption, "Capital gains, discount method, collectables");
    EXPECT_EQ(found.at(716)->caption, "Other capital gains, Real estate");
    EXPECT_EQ(found.at(734)->caption, "Total current year capital gains, other");
    EXPECT_EQ(found.at(744)->caption, "Prior year capital losses applied (discount method)");
    EXPECT_EQ(found.at(1100)->caption,
              "Capital losses transferred in applied (Total Capital losses)");
    EXPECT_EQ(found.at(1114)->caption, "Capital gains from non-active assets (discount method)");
    EXPECT_EQ(found.at(1122)->caption, "Small business roll-over (capital gains, index method)");
    EXPECT_EQ(found.at(1127)->caption,
              "Totals - CGT discount & small business concessions (Other capital gains)");
    EXPECT_EQ(found.at(1130)->caption, "Net capital gains (other capital gains)");
    // Part E's first row holds the non-active totals and is announced so.
    EXPECT_EQ(found.at(1105)->caption, "non Active Assets (capital gains index method)");
    EXPECT_EQ(found.at(1106)->caption, "non Active Assets (capital gains discount method)");
    EXPECT_EQ(found.at(1110)->caption, "Active Assets (other capital gains)");
    // Captions of one part never repeat, so each box is told apart.
    std::map<std::string, int> seen;
    for (const auto& [field, amount] : found)
        EXPECT_TRUE(seen.emplace(amount->caption, field).second)
            << amount->caption << " for " << field << " and " << seen[amount->caption];
}

TEST(ScheduleLayout, LeavingTheLastBoxOfAPartShowsTheNext) {
    EXPECT_EQ(PartShownAfterLeaving(734), 1);   // Part B
    EXPECT_EQ(PartShownAfterLeaving(738), 2);   // Part D
    EXPECT_EQ(PartShownAfterLeaving(1131), 7);  // Part I
    EXPECT_EQ(PartShownAfterLeaving(733), -1);
    EXPECT_EQ(PartShownAfterLeaving(1139), -1);
}
