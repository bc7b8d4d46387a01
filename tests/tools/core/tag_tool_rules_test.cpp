#include "tools/core/tag_tool_rules.h"

#include <gtest/gtest.h>

#include "store/worksheet_items.h"
#include "store_fixture.h"

using TagToolRulesTest = StoreTest;

TEST_F(TagToolRulesTest, OnlyWholeNumbersOfTheStoreAreTags) {
    for (const char* bad : {"", "0", "2313", "99999999", "abc", "12a", "-5", " 5", "1.5"})
        EXPECT_FALSE(ReadTag(bad).has_value()) << bad;
    EXPECT_EQ(ReadTag("1"), 1);
    EXPECT_EQ(ReadTag("2312"), 2312);
    EXPECT_EQ(ReadTag("00000920"), 920);
}

TEST_F(TagToolRulesTest, GetShowsEachTypeItsOwnWay) {
    SetFieldVal(920, 1500.25L);
    SetFieldType(921, dtNumeric);
    SetFieldVal(921, 7);
    SetFieldStr(397, "Jo Smith of Perth");
    SetFieldStr(398, "Jo");
    SetFieldLst(500, {"first line", "second line"});
    SetFieldChecked(9);

    EXPECT_EQ(GetTag(920).value, "1500.25");
    EXPECT_EQ(GetTag(920).type, dtCurrency);
    EXPECT_EQ(GetTag(921).value, "7");
    EXPECT_EQ(GetTag(397).value, "Jo Smith of Perth");
    EXPECT_EQ(GetTag(397).type, dtString);
    EXPECT_EQ(GetTag(398).type, dtSmallStr);
    EXPECT_EQ(GetTag(500).value, "first line");
    const TagReading tick = GetTag(9);
    EXPECT_TRUE(tick.checkbox);
    EXPECT_TRUE(tick.ticked);
    EXPECT_FALSE(GetTag(10).ticked);
    EXPECT_FALSE(GetTag(920).checkbox);

    const TagReading unused = GetTag(1500);
    EXPECT_EQ(unused.type, dtNone);
    EXPECT_EQ(unused.value, UnsupportedDataTypeText);
}

TEST_F(TagToolRulesTest, AWorksheetSaysWhetherItHoldsItems) {
    const int field = WorksheetField(451);
    SetFieldType(field, dtWorksheet);
    EXPECT_EQ(GetTag(field).value, NoWorksheetsText);
    WorksheetItems(451, true)->push_back(WorksheetItem{1, 710, FieldSlot()});
    EXPECT_EQ(GetTag(field).value, WorksheetExistsText);
    EXPECT_EQ(GetTag(field).type, dtWorksheet);
}

TEST_F(TagToolRulesTest, MoneyTakesANumberAndTextThatIsNoneStoresZero) {
    SetFieldVal(920, 100);
    State().StoreChanged = false;
    EXPECT_EQ(SetTag(920, "2500.75", false, false), TagWrite::Stored);
    EXPECT_EQ(GetFieldVal(920), 2500.75L);
    EXPECT_TRUE(State().StoreChanged);
    SetTag(920, "twelve", false, false);
    EXPECT_EQ(GetFieldVal(920), 0);
    EXPECT_EQ(GetFieldType(920), dtCurrency);
    SetTag(920, "1e99999", false, false);  // beyond any amount: no number
    EXPECT_EQ(GetFieldVal(920), 0);
}

TEST_F(TagToolRulesTest, TextsAreStoredAsTyped) {
    SetFieldStr(397, "old");
    SetTag(397, "A much longer name", false, false);
    EXPECT_EQ(GetFieldStr(397), "A much longer name");
    EXPECT_EQ(GetFieldType(397), dtString);
}

TEST_F(TagToolRulesTest, ATickIsWrittenOnlyOnceItIsOnShow) {
    SetFieldUnchecked(9);
    SetFieldChecked(10);
    State().StoreChanged = false;
    EXPECT_EQ(SetTag(9, "", false, true), TagWrite::RevealCheckbox);
    EXPECT_FALSE(FieldChecked(9));
    EXPECT_FALSE(State().StoreChanged);
    EXPECT_EQ(SetTag(9, "", true, true), TagWrite::Stored);
    EXPECT_TRUE(FieldChecked(9));
    EXPECT_FALSE(FieldChecked(10));  // its partner goes off
    SetTag(9, "", true, false);
    EXPECT_FALSE(FieldChecked(9));
}

TEST_F(TagToolRulesTest, ListsWorksheetsAndUnusedFieldsAreLeftAlone) {
    SetFieldLst(500, {"kept"});
    State().StoreChanged = false;
    EXPECT_EQ(SetTag(500, "new", false, false), TagWrite::NotWritable);
    EXPECT_EQ(GetFieldText(500), "kept");
    EXPECT_EQ(SetTag(1500, "12", false, false), TagWrite::NotWritable);
    EXPECT_EQ(GetFieldType(1500), dtNone);
    EXPECT_FALSE(State().StoreChanged);
}
