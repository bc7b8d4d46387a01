#include "grid/grid_column.h"

#include <gtest/gtest.h>

namespace {
TGridColumn Parse(const std::string& line) {
    bool bad = false;
    TGridColumn column = ParseColumnDescriptor(line, bad);
    EXPECT_FALSE(bad) << line;
    return column;
}

const char* CostElementLine =
    "Cost Element         |2|0|40|0|F|T|-1||||11|1|6|1 - Purchase/Acquisition cost|"
    "1D - Instalment payment|2A - Incidentals re holding & acquisition|"
    "2B - Incidentals re specific CGT event|3A - Costs of owning the asset|"
    "5 - Capital expenditure - maintain ownership|F|F|";
}  // namespace

TEST(GridColumn, PicklistTextColumnOfTheCostElements) {
    const TGridColumn c = Parse(CostElementLine);
    EXPECT_EQ(c.title, "Cost Element         ");
    EXPECT_EQ(c.titleAlignment, 2);
    EXPECT_EQ(c.kind, gkText);
    EXPECT_EQ(c.maxLength, 40);
    EXPECT_TRUE(c.picklistColumn);
    EXPECT_FALSE(c.skipped);
    EXPECT_EQ(c.dropDownCount, 11);
    EXPECT_EQ(c.Button(), gbDropDownList);
    ASSERT_EQ(c.picklist.size(), 6u);
    EXPECT_EQ(c.picklist[2], "2A - Incidentals re holding & acquisition");
    EXPECT_EQ(c.picklist[5], "5 - Capital expenditure - maintain ownership");
    EXPECT_FALSE(c.noTotal);
    EXPECT_FALSE(c.locked);
    EXPECT_TRUE(c.allowed.none());  // every character
    EXPECT_TRUE(c.MatchesPicklist());
}

TEST(GridColumn, MoneyColumnWithMinusAndDecimals) {
    const TGridColumn c = Parse("Amount|2|1|10|0|F|F|2|T||||-1|0|F|");
    EXPECT_EQ(c.kind, gkNumber);
    EXPECT_EQ(c.Decimals(), 2);
    EXPECT_TRUE(c.allowMinus);
    EXPECT_FALSE(c.HasRange());
    EXPECT_EQ(c.Button(), gbNone);
    EXPECT_TRUE(c.picklist.empty());
    EXPECT_FALSE(c.noTotal);
    for (char ch : std::string("0123456789-.")) EXPECT_TRUE(c.Allows(ch)) << ch;
    EXPECT_FALSE(c.Allows(' '));
    EXPECT_FALSE(c.Allows('a'));
    // Without the minus flag and without decimals only digits are typed.
    const TGridColumn whole = Parse("Units|0|1|8|0|F|F|0|F|1|100|");
    EXPECT_FALSE(whole.Allows('-'));
    EXPECT_FALSE(whole.Allows('.'));
    EXPECT_TRUE(whole.HasRange());
    EXPECT_EQ(whole.minimum, 1);
    EXPECT_EQ(whole.maximum, 100);
}

TEST(GridColumn, DateColumnIgnoresTheNumberItems) {
    const TGridColumn c = Parse("Date paid|2|2|10|0|F|F||-1|0|");
    EXPECT_EQ(c.kind, gkDate);
    EXPECT_EQ(c.maxLength, 10);
    EXPECT_FALSE(c.HasRange());
    EXPECT_TRUE(c.Allows('/'));
    EXPECT_TRUE(c.Allows('7'));
    EXPECT_FALSE(c.Allows('-'));  // item 8 "-1" is not read for dates
    EXPECT_EQ(Parse("When|0|2|4|").maxLength, 10);
}

TEST(GridColumn, IdentifierLengthsAreFixed) {
    EXPECT_EQ(Parse("ABN|0|3|4|").maxLength, 11);
    EXPECT_EQ(Parse("TFN|0|4|40|").maxLength, 9);
    EXPECT_TRUE(Parse("TFN|0|4|40|").Allows('5'));
    EXPECT_FALSE(Parse("TFN|0|4|40|").Allows(' '));
}

TEST(GridColumn, FinalFlagAfterNoTotalLocksTheColumn) {
    const TGridColumn locked = Parse("Asset\rType|0|0|10|0|F|F||||||||F|T");
    EXPECT_TRUE(locked.locked);
    EXPECT_FALSE(locked.noTotal);
    const TGridColumn noTotal = Parse("Index|0|1|10|0|F|F|5||||||0|T|");
    EXPECT_TRUE(noTotal.noTotal);
    EXPECT_FALSE(noTotal.locked);
    // Entries counted past the end of the line: padded, no flags read.
    const TGridColumn shortList = Parse("Pick|0|0|2|0|F|T|||||3|1|3|UA|UN");
    ASSERT_EQ(shortList.picklist.size(), 3u);
    EXPECT_EQ(shortList.picklist[2], "");
    EXPECT_FALSE(shortList.noTotal);
}

TEST(GridColumn, DefaultLineAndUnreadableNumbers) {
    const TGridColumn d = Parse(DefaultColumnDescriptor);
    EXPECT_EQ(d.title, "Title");
    EXPECT_EQ(d.kind, gkText);
    EXPECT_EQ(d.maxLength, 30);
    EXPECT_TRUE(d.IsTabStop());
    const TGridColumn odd = Parse("X|right|1|ten|0|T|yes|");
    EXPECT_EQ(odd.titleAlignment, 0);
    EXPECT_EQ(odd.maxLength, 0);
    EXPECT_TRUE(odd.skipped);
    EXPECT_FALSE(odd.picklistColumn);  // only exactly "T" is true
    EXPECT_EQ(SplitDescriptor("a|b").size(), 16u);
}

TEST(GridColumn, CharacterSets) {
    const CharacterSet letters = ParseCharacterSet("A..Z,a..z,-");
    EXPECT_TRUE(letters.test('Q'));
    EXPECT_TRUE(letters.test('q'));
    EXPECT_TRUE(letters.test('-'));
    EXPECT_FALSE(letters.test('1'));
    EXPECT_EQ(letters.count(), 53u);
    EXPECT_TRUE(ParseCharacterSet(",").test(','));
    const CharacterSet commaFirst = ParseCharacterSet(",,0..9");
    EXPECT_TRUE(commaFirst.test(','));
    EXPECT_TRUE(commaFirst.test('5'));
    const CharacterSet commaRange = ParseCharacterSet(",../");  // comma to slash
    EXPECT_TRUE(commaRange.test('-'));
    EXPECT_TRUE(commaRange.test('.'));
    EXPECT_FALSE(commaRange.test('0'));
    for (const char* bad : {"ab", "a..", "a,,b", "a,", "A...Z", ",x"})
        EXPECT_THROW(ParseCharacterSet(bad), BadCharacterSet) << bad;
}

TEST(GridColumn, MalformedSetIsReportedAndAllowsEverything) {
    bool bad = false;
    const TGridColumn c = ParseColumnDescriptor("Name|0|0|20|0|F|F|1|A..Z,xy|", bad);
    EXPECT_TRUE(bad);
    EXPECT_TRUE(c.allowed.none());
    EXPECT_EQ(c.maxLength, 20);
    EXPECT_EQ(c.caseOrDecimals, 1);
}

TEST(GridColumn, StripKeepsOnlyAllowedCharacters) {
    EXPECT_EQ(StripToAllowed(Parse("ABN|0|3|11|"), "51 824 753 556"), "51824753556");
    EXPECT_EQ(StripToAllowed(Parse("Amt|0|1|10|0|F|F|2|"), "  1234.50"), "1234.50");
    EXPECT_EQ(StripToAllowed(Parse("Free|0|0|10|"), " a b "), " a b ");
}

TEST(GridColumn, ALineReadAgainGivesTheSameColumnAndTheSameFault) {
    const std::string badSet = "Code|0|0|5|0|F|F||xy|||||0|0|F|F|";
    for (int pass = 0; pass < 2; ++pass) {
        bool bad = false;
        const TGridColumn column = ParseColumnDescriptor(badSet, bad);
        EXPECT_TRUE(bad) << "pass " << pass;
        EXPECT_TRUE(column.allowed.none());
        const TGridColumn costs = Parse(CostElementLine);
        EXPECT_EQ(costs.title, "Cost Element         ");
        EXPECT_EQ(costs.picklist.size(), 6u);
    }
}
