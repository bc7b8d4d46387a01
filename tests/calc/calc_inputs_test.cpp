// Dates read from the texts of fields and table cells.

#include "calc/calc_inputs.h"

#include <gtest/gtest.h>

#include "base/dates.h"
#include "store/field_store.h"

namespace {

// A text gives a date exactly when the store's blank-date rule lets it through, and the date
// of its first ten characters.
TEST(DateOfText, GivesADateExactlyWhenTheTextIsNoBlankDate) {
    for (const std::string text :
         {"", "          ", EmptyDateMask, "16/03/1988", "16/03/1988 and more", " 1/ 3/88",
          "1/3/88", "31/02/2005", "29/02/2004", "16-03-1988", "16031988", "/03/1988", "16/03/198",
          "16/03/19888"}) {
        double expected = 0;
        if (!IsBlankDate(text)) {
            ASSERT_TRUE(TryReadDate(text.substr(0, 10), expected)) << text;
        }
        EXPECT_EQ(DateOfText(text), expected) << '"' << text << '"';
        EXPECT_EQ(IsDateText(text), expected != 0) << '"' << text << '"';
    }
    EXPECT_NE(DateOfText("16/03/1988 and more"), 0);
    EXPECT_EQ(DateOfText("31/02/2005"), 0);
}

}  // namespace
