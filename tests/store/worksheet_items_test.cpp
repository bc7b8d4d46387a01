#include "store/worksheet_items.h"

#include <gtest/gtest.h>

#include <functional>

#include "store/worksheet_screen.h"
#include "store_fixture.h"

namespace {

constexpr int Shares = 451;
constexpr int SharesField = 1202;

class FakeScreen : public WorksheetScreenHooks {
public:
    bool shown = true;
    bool blank = false;
    int reloads = 0, refreshes = 0, saves = 0;
    std::function<void()> onSave;

    bool ScreenIsShown() const override { return shown; }
    void ReloadScreen() override { ++reloads; }
    void RefreshPickList() override { ++refreshes; }
    bool ScreenEntryFieldsBlank() const override { return blank; }
    void SaveScreenControls() override {
        ++saves;
        if (onSave) onSave();
    }
};

class WorksheetItemsTest : public StoreTest {
protected:
    // Stores one item through the calculation path: scratch fields set, then put.
    void AddItem(int k, const std::string& name, long double cost) {
        const int key = WorksheetItemCount(k) + 1;
        GetWorksheetItem(k, key);
        SetFieldStr(710, name);
        SetFieldVal(1100, cost);
        PutWorksheetItem(k, key);
    }
    const ItemList& Items(int k = Shares) { return *WorksheetItems(k, true); }
    std::vector<int> KeysInOrder(int k = Shares) {
        std::vector<int> keys;
        for (const auto& record : Items(k)) keys.push_back(record.ItemKey);
        return keys;
    }
    std::string NameOfItem(int key) {
        GetWorksheetItem(Shares, key);
        const std::string name = GetFieldStr(710);
        PutWorksheetItem(Shares, key);
        return name;
    }
    FakeScreen screen;
};

}  // namespace

TEST_F(WorksheetItemsTest, NewItemOnAWorksheetOfThreeIsKeyFourWithEmptyScratch) {
    AddItem(Shares, "BHP", 1000);
    AddItem(Shares, "Telstra shares", 2000);
    AddItem(Shares, "NAB", 3000);
    SetFieldStr(711, "left over");
    State().WorksheetScreen = &screen;

    OpenWorksheetNewItem(Shares);
    EXPECT_EQ(State().CurrentWorksheet, Shares);
    EXPECT_EQ(State().CurrentItem, 4);
    EXPECT_EQ(State().ItemNames, (std::vector<std::string>{"BHP", "Telstra shares", "NAB",
                                                           "** Create new worksheet **"}));
    EXPECT_EQ(GetFieldType(710), dtNone);
    EXPECT_EQ(GetFieldType(711), dtNone);
    EXPECT_EQ(GetFieldType(1100), dtNone);
    EXPECT_EQ(screen.reloads, 1);
    EXPECT_EQ(screen.refreshes, 1);
}

TEST_F(WorksheetItemsTest, OpeningAnItemLoadsItsRecordsAndCreatesAMissingList) {
    EXPECT_EQ(GetFieldType(SharesField), dtNone);
    screen.shown = false;  // screens open their item while being created
    State().WorksheetScreen = &screen;
    OpenWorksheetItem(Shares, 1);
    EXPECT_EQ(GetFieldType(SharesField), dtWorksheet);
    EXPECT_FALSE(WorksheetHasItems(Shares));
    EXPECT_EQ(screen.reloads, 0);
    EXPECT_EQ(screen.refreshes, 1);
    CloseWorksheet();

    AddItem(Shares, "BHP", 1000);
    AddItem(Shares, "NAB", 3000);
    OpenWorksheetItem(Shares, 2);
    EXPECT_EQ(State().CurrentItem, 2);
    EXPECT_EQ(GetFieldStr(710), "NAB");
    EXPECT_EQ(GetFieldVal(1100), 3000);
    // A key past the next new item is the next new item: no gap in the numbering.
    OpenWorksheetItem(Shares, 9);
    EXPECT_EQ(State().CurrentItem, 3);
    EXPECT_EQ(GetFieldType(710), dtNone);
}

TEST_F(WorksheetItemsTest, PutCapturesOnlyFieldsThatShowTextInDescendingOrder) {
    GetWorksheetItem(Shares, 1);
    SetFieldChecked(1150);
    SetFieldUnchecked(1151);
    SetFieldStr(1152, "twelve chars");
    SetFieldVal(1153, ZeroMarker);
    SetFieldVal(1154, 0.0009L);
    SetFieldStr(720, "");
    PutWorksheetItem(Shares, 1);

    const ItemList& items = Items();
    std::vector<int> fields;
    for (const auto& record : items) fields.push_back(record.field);
    EXPECT_EQ(fields, (std::vector<int>{1153, 1152, 1150, 710}));
    EXPECT_EQ(items[3].slot.type, dtString);
    EXPECT_EQ(*items[3].slot.longText, "Worksheet No.1");
    EXPECT_EQ(*items[1].slot.longText, "twelve chars");
    EXPECT_EQ(items[0].slot.Extended(), ZeroMarker);

    // The worksheet is closed afterwards.
    EXPECT_EQ(State().CurrentWorksheet, 0);
    EXPECT_EQ(State().CurrentItem, 0);
    EXPECT_TRUE(State().ItemNames.empty());
    EXPECT_EQ(GetFieldType(1152), dtNone);
}

TEST_F(WorksheetItemsTest, AListIsKeptWhenAnyCellHoldsTextNotOnlyTheFirst) {
    // A register row's first cell (the date of the event) is blank; its amounts are not.
    GetWorksheetItem(Shares, 1);
    SetFieldLst(1102, {"", "16/03/1988", "16/03/1988", "Shares", "1", "", "20000", ""});
    SetFieldLst(1105, {"", "", ""});  // rows without a single figure are no answer
    SetFieldLst(1199, {});
    PutWorksheetItem(Shares, 1);
    std::vector<int> fields;
    for (const auto& record : Items()) fields.push_back(record.field);
    EXPECT_EQ(fields, (std::vector<int>{1102, 710}));
    GetWorksheetItem(Shares, 1);
    ASSERT_NE(GetFieldLst(1102), nullptr);
    EXPECT_EQ(GetFieldLst(1102)->at(6), "20000");
    EXPECT_EQ(GetFieldType(1105), dtNone);

    // A new item whose only answer is such a list is an item, stored with no screen shown.
    OpenWorksheetNewItem(Shares);
    SetFieldLst(1102, {"", "", "01/07/2005"});
    StoreWorksheetItem();
    EXPECT_EQ(WorksheetItemCount(Shares), 2);
}

TEST_F(WorksheetItemsTest, PutOfAnExistingItemReplacesItInPlace) {
    AddItem(Shares, "BHP", 1000);
    AddItem(Shares, "NAB", 2000);
    AddItem(Shares, "CBA", 3000);
    GetWorksheetItem(Shares, 2);
    SetFieldStr(711, "more");
    PutWorksheetItem(Shares, 2);
    EXPECT_EQ(KeysInOrder(), (std::vector<int>{1, 1, 2, 2, 2, 3, 3}));
    GetWorksheetItem(Shares, 2);
    EXPECT_EQ(GetFieldStr(711), "more");
    EXPECT_EQ(GetFieldVal(1100), 2000);
}

TEST_F(WorksheetItemsTest, DeleteRenumbersTheItemsAbove) {
    for (const char* name : {"one", "two", "three", "four"}) AddItem(Shares, name, 1);
    OpenWorksheetItem(Shares, 1);
    State().StoreChanged = false;
    DeleteWorksheetItem(2);
    EXPECT_TRUE(State().StoreChanged);
    BuildItemNames();
    EXPECT_EQ(State().ItemNames,
              (std::vector<std::string>{"one", "three", "four", "** Create new worksheet **"}));
    EXPECT_EQ(WorksheetItemCount(Shares), 3);
    State().StoreChanged = false;
    DeleteWorksheetItem(7);
    EXPECT_FALSE(State().StoreChanged);
    EXPECT_EQ(WorksheetItemCount(Shares), 3);
}

TEST_F(WorksheetItemsTest, StoreOfABlankNewItemStoresNothing) {
    AddItem(Shares, "BHP", 1000);
    screen.blank = true;
    State().WorksheetScreen = &screen;
    OpenWorksheetNewItem(Shares);
    SetFieldStr(712, "typed then erased");  // the screen's entry fields count, not the store
    StoreWorksheetItem();
    EXPECT_EQ(WorksheetItemCount(Shares), 1);
    EXPECT_EQ(screen.saves, 0);
    EXPECT_EQ(State().CurrentItem, 2);
}

TEST_F(WorksheetItemsTest, BlankScreenDropsTheItemOnceAndNeverTheNextOne) {
    for (const char* name : {"one", "two", "three"}) AddItem(Shares, name, 1);
    State().WorksheetScreen = &screen;
    OpenWorksheetItem(Shares, 2);
    screen.blank = true;
    State().StoreChanged = false;
    StoreWorksheetItem();
    EXPECT_TRUE(State().StoreChanged);
    EXPECT_EQ(WorksheetItemCount(Shares), 2);
    EXPECT_EQ(State().CurrentItem, 3);  // the screen now stands for a new item
    // Leaving the screen stores once more (CloseWorksheet): "three" must survive.
    CloseWorksheet();
    EXPECT_EQ(WorksheetItemCount(Shares), 2);
    EXPECT_EQ(NameOfItem(1), "one");
    EXPECT_EQ(NameOfItem(2), "three");
}

TEST_F(WorksheetItemsTest, StoreSavesTheScreenFirstAndKeepsTheWorksheetOpen) {
    AddItem(Shares, "BHP", 1000);
    AddItem(Shares, "NAB", 2000);
    State().WorksheetScreen = &screen;
    OpenWorksheetItem(Shares, 1);
    screen.onSave = [] { SetFieldStr(713, "from screen"); };
    StoreWorksheetItem();
    EXPECT_EQ(screen.saves, 1);
    EXPECT_EQ(State().CurrentWorksheet, Shares);
    EXPECT_EQ(State().CurrentItem, 1);
    EXPECT_EQ(KeysInOrder(), (std::vector<int>{1, 1, 1, 2, 2}));
    CloseWorksheet();
    GetWorksheetItem(Shares, 1);
    EXPECT_EQ(GetFieldStr(713), "from screen");
}

TEST_F(WorksheetItemsTest, WithoutAShownScreenTheScratchFieldsAreStoredAsTheyAre) {
    screen.shown = false;
    screen.blank = true;
    State().WorksheetScreen = &screen;
    OpenWorksheetNewItem(Shares);
    SetFieldVal(1101, 55);
    StoreWorksheetItem();
    EXPECT_EQ(WorksheetItemCount(Shares), 1);
    EXPECT_EQ(screen.saves, 0);

    State().WorksheetScreen = nullptr;
    SetFieldVal(1101, 66);
    CloseWorksheet();
    GetWorksheetItem(Shares, 1);
    EXPECT_EQ(GetFieldVal(1101), 66);
    EXPECT_EQ(GetFieldStr(710), "Worksheet No.1");
    CloseWorksheet();

    // A new item none of whose fields shows text is no item, not a bare name ...
    OpenWorksheetNewItem(Shares);
    CloseWorksheet();
    EXPECT_EQ(WorksheetItemCount(Shares), 1);
    // ... but an existing one whose answers were all cleared is kept, not dropped.
    OpenWorksheetItem(Shares, 1);
    ZeroScratchFields();
    CloseWorksheet();
    EXPECT_EQ(WorksheetItemCount(Shares), 1);
}

TEST_F(WorksheetItemsTest, StoreWithNoItemOpenTouchesNothing) {
    AddItem(Shares, "one", 1);
    AddItem(Shares, "two", 2);
    State().WorksheetScreen = &screen;
    screen.blank = true;
    StoreWorksheetItem();  // no worksheet open
    State().CurrentWorksheet = Shares;
    State().CurrentItem = 0;
    StoreWorksheetItem();  // worksheet open, no item loaded
    EXPECT_EQ(KeysInOrder(), (std::vector<int>{1, 1, 2, 2}));
}

TEST_F(WorksheetItemsTest, LoadedItemsAreCopiesUntilStoredBack) {
    GetWorksheetItem(Shares, 1);
    SetFieldLst(1120, {"line 1", "line 2"});
    SetFieldStr(1121, "a long description");
    PutWorksheetItem(Shares, 1);

    GetWorksheetItem(Shares, 1);
    GetFieldLst(1120)->push_back("line 3");
    SetFieldStr(1121, "changed");
    GetWorksheetItem(Shares, 1);  // reading again discards the unsaved changes
    EXPECT_EQ(*GetFieldLst(1120), (TextList{"line 1", "line 2"}));
    EXPECT_EQ(GetFieldStr(1121), "a long description");
}

TEST_F(WorksheetItemsTest, RecordsOutsideTheScratchFieldsAreNeverLoaded) {
    SetFieldStr(1, "123 456 782");
    WorksheetItem stray;
    stray.ItemKey = 1;
    stray.field = 1;
    stray.slot.type = dtSmallStr;
    stray.slot.SetSmallText("bad");
    WorksheetItems(Shares, true)->push_back(stray);
    GetWorksheetItem(Shares, 1);
    EXPECT_EQ(GetFieldStr(1), "123 456 782");
}

TEST_F(WorksheetItemsTest, GetLeavesTheCurrentItemAndTheScreenAlone) {
    AddItem(Shares, "one", 1);
    State().WorksheetScreen = &screen;
    State().CurrentItem = 5;
    GetWorksheetItem(Shares, 1);
    EXPECT_EQ(State().CurrentItem, 5);
    EXPECT_EQ(State().CurrentWorksheet, Shares);
    EXPECT_EQ(screen.reloads + screen.refreshes + screen.saves, 0);
}

TEST_F(WorksheetItemsTest, AFieldOfAnotherTypeIsNoWorksheet) {
    SetFieldStr(SharesField, "host text");
    OpenWorksheetNewItem(Shares);
    SetFieldVal(1100, 5);
    CloseWorksheet();
    EXPECT_EQ(GetFieldStr(SharesField), "host text");
    EXPECT_FALSE(WorksheetHasItems(Shares));
    EXPECT_EQ(WorksheetItems(0, true), nullptr);
    EXPECT_EQ(WorksheetItems(MaxField, true), nullptr);
}

// Storing from an open worksheet copies the scratch fields, which the screen still shows;
// the calculation's put takes them, as they are zeroed next. Either way the item holds them.
TEST_F(WorksheetItemsTest, StoreKeepsTheScratchListsAndPutTakesThem) {
    const TextList costs = {"1 - Purchase/Acquisition cost", "16/03/1988", "", "Parcel", "20000"};
    OpenWorksheetNewItem(Shares);
    SetFieldStr(710, "BHP");
    SetFieldLst(737, costs);
    StoreWorksheetItem();
    ASSERT_NE(GetFieldLst(737), nullptr);
    EXPECT_EQ(*GetFieldLst(737), costs);
    EXPECT_EQ(GetFieldStr(710), "BHP");
    CloseWorksheet();

    GetWorksheetItem(Shares, 1);
    SetFieldLst(738, {"20/11/2003", "", "Capital return"});
    PutWorksheetItem(Shares, 1);
    EXPECT_EQ(GetFieldType(737), dtNone);
    EXPECT_EQ(GetFieldLst(738), nullptr);
    EXPECT_EQ(GetFieldStr(710), "");

    GetWorksheetItem(Shares, 1);
    ASSERT_NE(GetFieldLst(737), nullptr);
    EXPECT_EQ(*GetFieldLst(737), costs);
    ASSERT_NE(GetFieldLst(738), nullptr);
    EXPECT_EQ(GetFieldLst(738)->at(2), "Capital return");
    EXPECT_EQ(GetFieldStr(710), "BHP");
}
