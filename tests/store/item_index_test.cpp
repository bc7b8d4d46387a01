#include "store/item_index.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "store/field_store.h"
#include "store/worksheet_item_take.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

constexpr int Shares = 451;

using Record = std::tuple<int, int, std::string>;  // key, field, shown text

// Item `key` stored with a name and `amounts` amount fields from 1100 on.
void StoreItem(int key, const std::string& name, int amounts) {
    GetWorksheetItem(Shares, key);
    for (int n = 1100; n < 1120; ++n) ClearField(n);
    SetFieldStr(710, name);
    for (int a = 0; a < amounts; ++a) SetFieldVal(1100 + a, 100 * key + a + 0.25L);
    PutWorksheetItem(Shares, key);
}

std::vector<Record> Records() {
    std::vector<Record> records;
    for (const WorksheetItem& record : *WorksheetItems(Shares, true))
        records.emplace_back(record.ItemKey, record.field, FieldSlotText(record.slot));
    return records;
}

class ItemIndexTest : public StoreTest {};

// Items that grow, shrink or keep their size, stored one by one or in one pass, leave the
// same records in the same order, and a pass's kept stores are seen by loads meanwhile.
TEST_F(ItemIndexTest, StoresInAPassLeaveTheRecordsOfStoresOneByOne) {
    const auto fill = [] {
        for (int key = 1; key <= 4; ++key) StoreItem(key, "Item " + std::to_string(key), 2);
    };
    const auto change = [] {
        StoreItem(2, "Grown", 5);
        StoreItem(3, "Shrunk", 0);
        StoreItem(1, "Same", 2);
        StoreItem(2, "Grown again", 6);
        StoreItem(5, "New", 1);
    };
    fill();
    change();
    const std::vector<Record> oneByOne = Records();

    ResetModuleState();
    AllocateFieldStore();
    fill();
    {
        const ItemStorePass pass;
        change();
        EXPECT_EQ(WorksheetItemCount(Shares), 5);
        GetWorksheetItem(Shares, 2);
        EXPECT_EQ(GetFieldStr(710), "Grown again");
        EXPECT_EQ(GetFieldVal(1105), 205.25L);
        ASSERT_NE(StoredItemField(Shares, 3, 710), nullptr);
        EXPECT_EQ(FieldSlotText(*StoredItemField(Shares, 3, 710)), "Shrunk");
        EXPECT_EQ(StoredItemField(Shares, 3, 1100), nullptr);
    }
    EXPECT_EQ(Records(), oneByOne);
    GetWorksheetItem(Shares, 3);
    EXPECT_EQ(GetFieldStr(710), "Shrunk");
    EXPECT_TRUE(FieldEmpty(1100));
}

// Every record whole: key, field, type, text and every line of a list.
std::vector<std::string> WholeRecords() {
    std::vector<std::string> records;
    for (const WorksheetItem& record : *WorksheetItems(Shares, true)) {
        std::string text = std::to_string(record.ItemKey) + " " + std::to_string(record.field) +
                           " " + std::to_string(record.slot.type) + " " +
                           FieldSlotText(record.slot);
        if (record.slot.list)
            for (const std::string& line : *record.slot.list) text += "|" + line;
        records.push_back(text);
    }
    return records;
}

// Items taken into the scratch fields to be stored back (grown and kept aside, the same size
// and written in place, or scattered through the list) leave the records of copied ones, and
// the scratch fields hold what a copying load gives.
TEST_F(ItemIndexTest, ItemsTakenAndStoredBackLeaveTheRecordsOfCopiedOnes) {
    const TextList costs = {"1 - Purchase/Acquisition cost", "16/03/1988", "", "Parcel", "200"};
    const auto fill = [&costs] {
        for (int key = 1; key <= 3; ++key) StoreItem(key, "Item " + std::to_string(key), 2);
        GetWorksheetItem(Shares, 2);
        SetFieldLst(737, costs);
        PutWorksheetItem(Shares, 2);
        WorksheetItem stray{1, 1105, FieldSlot()};
        stray.slot.type = dtCurrency;
        stray.slot.SetExtended(77);
        WorksheetItems(Shares, true)->push_back(stray);
    };
    // Item 1 first, which gathers its scattered records; then item 2 grows and is kept aside
    // until the pass ends, item 3 keeps its size, and item 2 is loaded again from what was kept.
    const auto change = [&costs](void (*load)(int, int)) {
        std::vector<std::string> seen;
        const ItemStorePass pass;
        load(Shares, 1);
        seen.push_back(FieldSlotText(*FieldSlotAt(1105)));
        PutWorksheetItem(Shares, 1);
        load(Shares, 2);
        seen.push_back(GetFieldLst(737) ? GetFieldLst(737)->at(4) : "none");
        SetFieldVal(1110, 5);
        PutWorksheetItem(Shares, 2);
        load(Shares, 3);
        seen.push_back(GetFieldStr(710));
        SetFieldStr(710, "Three");
        PutWorksheetItem(Shares, 3);
        load(Shares, 2);
        seen.push_back(GetFieldLst(737) ? GetFieldLst(737)->at(0) : "none");
        PutWorksheetItem(Shares, 2);
        EXPECT_EQ(seen, (std::vector<std::string>{"77", "200", "Item 3", costs[0]}));
    };
    fill();
    change(GetWorksheetItem);
    const std::vector<std::string> copied = WholeRecords();

    ResetModuleState();
    AllocateFieldStore();
    fill();
    change(TakeWorksheetItem);
    EXPECT_EQ(WholeRecords(), copied);
    EXPECT_EQ(WorksheetItemCount(Shares), 3);
}

// Records of one item that do not stand together (a damaged file) are still all found, and
// storing the item gathers them where its first record stood.
TEST_F(ItemIndexTest, AnItemScatteredThroughTheListIsLoadedAndStoredWhole) {
    for (int key = 1; key <= 3; ++key) StoreItem(key, "Item " + std::to_string(key), 1);
    WorksheetItem stray{1, 1101, FieldSlot()};
    stray.slot.type = dtCurrency;
    stray.slot.SetExtended(77);
    WorksheetItems(Shares, true)->push_back(stray);
    ASSERT_NE(StoredItemField(Shares, 1, 1101), nullptr);
    GetWorksheetItem(Shares, 1);
    EXPECT_EQ(GetFieldVal(1101), 77);
    {
        const ItemStorePass pass;
        PutWorksheetItem(Shares, 1);
    }
    const std::vector<Record> records = Records();
    ASSERT_EQ(records.size(), 7u);
    EXPECT_EQ(records[0], Record(1, 1101, "77"));
    EXPECT_EQ(std::get<0>(records[3]), 2);
    EXPECT_EQ(std::get<0>(records.back()), 3);
}

// Changes made beside the item functions are seen: a record added to the list, the field
// cleared, the store allocated afresh.
TEST_F(ItemIndexTest, CountsFollowChangesMadeOutsideTheItemFunctions) {
    StoreItem(1, "One", 1);
    EXPECT_EQ(WorksheetItemCount(Shares), 1);
    WorksheetItems(Shares, true)->push_back(WorksheetItem{2, 710, FieldSlot()});
    EXPECT_EQ(WorksheetItemCount(Shares), 2);
    ClearField(WorksheetField(Shares));
    EXPECT_EQ(WorksheetItemCount(Shares), 0);
    StoreItem(1, "One", 1);
    StoreItem(2, "Two", 1);
    AllocateFieldStore();
    EXPECT_EQ(WorksheetItemCount(Shares), 0);
    EXPECT_EQ(StoredItemField(Shares, 1, 710), nullptr);
}

}  // namespace
