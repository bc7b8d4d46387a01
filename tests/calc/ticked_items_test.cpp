// A pass over the items with one check box ticked: the others are looked at in their records
// and not loaded, and the scratch fields end as loading every item leaves them.

#include "calc/ticked_items.h"

#include <string>
#include <utility>
#include <vector>

#include "base/module_state.h"
#include "store/field_store.h"
#include "store/item_index.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

constexpr int Shares = 451, Trusts = 452, Box = 724;

// An item named `name` whose box is ticked, cleared, left blank or holds another type.
enum class BoxState { Ticked, Cleared, Blank, Text };

void Add(int worksheet, const std::string& name, BoxState box) {
    ZeroScratchFields();
    SetFieldStr(710, name);
    SetFieldVal(1100, 5);  // an answer beside the name, so an item without a box still stores
    if (box == BoxState::Ticked) SetFieldChecked(Box);
    if (box == BoxState::Text) SetFieldStr(Box, "Y");
    const int key = WorksheetItemCount(worksheet) + 1;
    PutWorksheetItem(worksheet, key);
    // An unticked box is no answer, so only a file keeps a record of one.
    if (box == BoxState::Cleared) {
        WorksheetItem record{static_cast<uint16_t>(key), Box, FieldSlot()};
        record.slot.type = dtCheckbox;
        WorksheetItems(worksheet, true)->push_back(record);
    }
}

std::vector<std::pair<int, int>> Visited(const std::vector<int>& worksheets) {
    std::vector<std::pair<int, int>> visited;
    ForEachTickedItem(worksheets, Box, [&visited](int k, int item) {
        visited.emplace_back(k, item);
        EXPECT_EQ(State().CurrentWorksheet, k);
    });
    return visited;
}

class TickedItemsTest : public StoreTest {};

TEST_F(TickedItemsTest, OnlyItemsThatMayBeTickedAreLoadedAndTheLastItemIsLeftLoaded) {
    Add(Shares, "Ticked", BoxState::Ticked);
    Add(Shares, "Cleared", BoxState::Cleared);
    Add(Shares, "Text in the box", BoxState::Text);  // loaded: reading it is the step's affair
    Add(Trusts, "Ticked trust", BoxState::Ticked);
    Add(Trusts, "Blank", BoxState::Blank);
    EXPECT_EQ(Visited({Shares, Trusts}),
              (std::vector<std::pair<int, int>>{{Shares, 1}, {Shares, 3}, {Trusts, 1}}));
    // The last item was passed over, yet it is the one the scratch fields hold.
    EXPECT_EQ(GetFieldStr(710), "Blank");
    EXPECT_EQ(State().CurrentWorksheet, Trusts);

    // Ending on a visited item, and on a worksheet without items: nothing more is loaded.
    ZeroScratchFields();
    EXPECT_EQ(Visited({Trusts, 454}).size(), 1u);
    EXPECT_EQ(GetFieldStr(710), "Blank");
    EXPECT_EQ(Visited({Shares}).back(), std::make_pair(Shares, 3));
    EXPECT_EQ(GetFieldStr(710), "Text in the box");
}

TEST_F(TickedItemsTest, AnItemTickedWhileItsRecordsAreKeptAsideIsLoaded) {
    Add(Shares, "One", BoxState::Blank);
    GetWorksheetItem(Shares, 1);
    SetFieldChecked(Box);
    {
        const ItemStorePass pass;
        PutWorksheetItem(Shares, 1);  // a record more: kept aside until the pass ends
        EXPECT_EQ(Visited({Shares}).size(), 1u);
    }
    EXPECT_EQ(Visited({Shares}).size(), 1u);
}

}  // namespace
