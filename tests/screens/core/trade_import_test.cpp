// The import shared by the command and the registration screen: the preview's rows and what
// is left out, the items it writes, and an earlier import of the same list found and replaced.

#include <gtest/gtest.h>

#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "grid/cell_entry_rules.h"
#include "grid/grid_column.h"
#include "screens/core/entry_table_columns.h"
#include "screens/core/trade_import.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"
#include "store_fixture.h"

namespace {

// The sample list shipped with the project: a heading, a dividend and a totals line among the
// trades, and a sale before the income year.
const std::string Sample =
    "Trade confirmations, account 400123 (sample)\n"
    "Trade Date,Settlement Date,ASX Code,Company,Buy/Sell,Quantity,Price,Brokerage (inc "
    "GST),Consideration\n"
    "15/03/1998,18/03/1998,MRD,Meridian Resources,Buy,\"1,000\",$9.50,$32.95,\"$9,500.00\"\n"
    "12/08/2004,17/08/2004,HBT,Harbourline Telecom,B,500,$4.10,$19.95,\"$2,050.00\"\n"
    "03/02/2005,08/02/2005,HBT,Harbourline Telecom,B,300,$4.60,$19.95,\"$1,380.00\"\n"
    "14/06/2005,17/06/2005,MRD,Meridian Resources,Sell,200,$19.80,$29.95,\"$3,960.00\"\n"
    "01/08/2005,04/08/2005,MRD,Meridian Resources,Dividend,,,,$210.00\n"
    "15/09/2005,20/09/2005,MRD,Meridian Resources,Sell,400,$21.30,$29.95,\"$8,520.00\"\n"
    "20/03/2006,23/03/2006,HBT,Harbourline Telecom,S,600,$5.25,$24.95,\"$3,150.00\"\n"
    ",,,,,,Total,,\"$28,560.00\"\n";

class TradeImportTest : public StoreTest {
protected:
    void Prepare(TradeImport& import, const std::string& text = Sample,
                 MatchMethod method = MatchMethod::Fifo) {
        TradeImportOptions options;
        options.method = method;
        ImportProblem problem;
        ASSERT_TRUE(PrepareTradeImport(text, options, import, problem)) << problem.reason;
    }
    static std::string Text(int key, int field) {
        const FieldSlot* slot = StoredItemField(SharesWorksheet, key, field);
        return slot ? FieldSlotText(*slot) : std::string();
    }
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (int key = 1; key <= WorksheetItemCount(SharesWorksheet); ++key)
            names.push_back(Text(key, fAssetName));
        return names;
    }
    static void AddTypedItem(const std::string& name) {
        const int key = WorksheetItemCount(SharesWorksheet) + 1;
        GetWorksheetItem(SharesWorksheet, key);
        SetFieldStr(fAssetName, name);
        PutWorksheetItem(SharesWorksheet, key);
    }
};

TEST_F(TradeImportTest, PreviewRowsOfTheSampleListAddUpToTheCent) {
    TradeImport import;
    Prepare(import);
    const std::vector<PreviewRow> rows = PreviewRows(import);
    ASSERT_EQ(rows.size(), 3u);
    const PreviewRow& mrd = rows[0];
    EXPECT_EQ(mrd.name, "MRD Meridian Resources 400 15/03/1998");
    EXPECT_EQ(mrd.company, "Meridian Resources");
    EXPECT_EQ(mrd.quantity, 400);
    EXPECT_EQ(mrd.boughtQuantity, 1000);
    EXPECT_EQ(mrd.buyLine, 3);
    EXPECT_EQ(mrd.sellLine, 8);
    EXPECT_EQ(mrd.cost, 380000);
    EXPECT_EQ(mrd.buyBrokerage, 1318);  // 32.95 x 400 / 1000
    EXPECT_EQ(mrd.sellBrokerage, 2995);
    EXPECT_EQ(mrd.proceedsDollars, 8520);
    EXPECT_EQ(mrd.estimatedGain, 467687);  // 8520 - 3800 - 13.18 - 29.95
    EXPECT_TRUE(mrd.heldOverAYear);
    // The sale of 600 HBT over the parcels of 500 and 300: its brokerage and value shared.
    EXPECT_EQ(rows[1].quantity, 500);
    EXPECT_EQ(rows[2].quantity, 100);
    EXPECT_EQ(rows[1].sellBrokerage + rows[2].sellBrokerage, 2495);
    EXPECT_EQ(rows[1].proceedsDollars + rows[2].proceedsDollars, 3150);
    EXPECT_EQ(rows[2].cost, 46000);
    EXPECT_EQ(rows[2].buyBrokerage, 665);  // 19.95 x 100 / 300
    EXPECT_EQ(rows[2].estimatedGain, 52500 - 46000 - 665 - rows[2].sellBrokerage);
    EXPECT_EQ(import.read.list.skipped, 3);
    EXPECT_EQ(LeftOutLines(import),
              (std::vector<std::string>{"line 6: MRD sold 14/06/2005, outside the income year "
                                        "1/07/2005 to 30/06/2006"}));
}

TEST_F(TradeImportTest, TheMethodChangesWhichParcelsASaleUses) {
    TradeImport lifo;
    Prepare(lifo, Sample, MatchMethod::Lifo);
    const std::vector<PreviewRow> rows = PreviewRows(lifo);
    ASSERT_EQ(rows.size(), 3u);
    // The newest HBT parcel first, all of it, then 300 of the older one.
    EXPECT_EQ(rows[1].name, "HBT Harbourline Telecom 300 03/02/2005");
    EXPECT_EQ(rows[2].name, "HBT Harbourline Telecom 300 12/08/2004");
    EXPECT_EQ(rows[2].cost, 123000);
}

TEST_F(TradeImportTest, ParcelsBoughtBeforeCapitalGainsTaxAreLeftOutWithTheirReason) {
    TradeImport import;
    Prepare(import,
            "Date,Code,Action,Quantity,Price\n"
            "01/02/1984,OLD,Buy,100,1.00\n"
            "01/10/2005,OLD,Sell,100,5.00\n");
    EXPECT_TRUE(PreviewRows(import).empty());
    EXPECT_EQ(LeftOutLines(import),
              (std::vector<std::string>{
                  "line 3: 100 OLD bought 01/02/1984, before capital gains tax began"}));
}

TEST_F(TradeImportTest, WrittenItemsFollowTheItemsAlreadyThereAndFitTheirColumns) {
    AddTypedItem("Typed Shares");
    TradeImport import;
    Prepare(import);
    import.options.active = {"HBT"};
    const ImportWritten done = WriteTradeImport(import, false);
    EXPECT_EQ(done.written, 3);
    EXPECT_EQ(done.removed, 0);
    EXPECT_EQ(Names(),
              (std::vector<std::string>{"Typed Shares", "MRD Meridian Resources 400 15/03/1998",
                                        "HBT Harbourline Telecom 500 12/08/2004",
                                        "HBT Harbourline Telecom 100 03/02/2005"}));
    EXPECT_EQ(Text(2, fAssetType), "SN");
    EXPECT_EQ(Text(3, fAssetType), "SA");
    EXPECT_EQ(Text(2, fAcquisitionDate), "15/03/1998");
    EXPECT_EQ(Text(2, fEventDate), "15/09/2005");
    const FieldSlot* proceeds = StoredItemField(SharesWorksheet, 2, fCapitalProceeds);
    ASSERT_NE(proceeds, nullptr);
    EXPECT_EQ(proceeds->type, dtCurrency);
    EXPECT_EQ(FieldSlotText(*proceeds), "8520");
    EXPECT_EQ(Text(2, fRollOverNo), "X");
    EXPECT_TRUE(State().StoreChanged);
    // Every cell is one the cost element table's editor takes.
    std::vector<TGridColumn> columns;
    for (const std::string& line : EntryTableColumns(fCostElements, SharesWorksheet)) {
        bool bad = false;
        columns.push_back(ParseColumnDescriptor(line, bad));
    }
    ASSERT_EQ(columns.size(), 8u);
    for (int key = 2; key <= 4; ++key) {
        const FieldSlot* costs = StoredItemField(SharesWorksheet, key, fCostElements);
        ASSERT_TRUE(costs && costs->list);
        ASSERT_EQ(costs->list->size(), 24u);
        for (size_t i = 0; i < costs->list->size(); ++i) {
            if (columns[i % 8].skipped) continue;
            EXPECT_EQ(CellEntryFault(columns[i % 8], (*costs->list)[i]), "")
                << key << ": " << (*costs->list)[i];
        }
    }
}

TEST_F(TradeImportTest, ReplacingDeletesTheEarlierImportWhateverItsMethodAndKeepsTheRest) {
    TradeImport fifo;
    Prepare(fifo);
    WriteTradeImport(fifo, false);
    AddTypedItem("Typed Shares");
    // Another list's items are not this list's.
    TradeImport other;
    Prepare(other,
            "Date,Code,Action,Quantity,Price\n"
            "01/02/2004,ZED,Buy,100,1.00\n"
            "01/10/2005,ZED,Sell,100,5.00\n");
    WriteTradeImport(other, false);
    ASSERT_EQ(WorksheetItemCount(SharesWorksheet), 5);

    TradeImport lifo;
    Prepare(lifo, Sample, MatchMethod::Lifo);
    EXPECT_EQ(EarlierImportItems(lifo), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(EarlierImportItems(other), (std::vector<int>{5}));
    const ImportWritten done = WriteTradeImport(lifo, true);
    EXPECT_EQ(done.removed, 3);
    EXPECT_EQ(done.written, 3);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Typed Shares", "ZED 100 01/02/2004",
                                                 "MRD Meridian Resources 400 15/03/1998",
                                                 "HBT Harbourline Telecom 300 03/02/2005",
                                                 "HBT Harbourline Telecom 300 12/08/2004"}));
    EXPECT_EQ(EarlierImportItems(lifo), (std::vector<int>{3, 4, 5}));
}

TEST_F(TradeImportTest, ReadingTheItemsLeavesTheItemBeingEditedInTheScratchFields) {
    TradeImport import;
    Prepare(import);
    WriteTradeImport(import, false);
    GetWorksheetItem(SharesWorksheet, 2);
    SetFieldStr(fAssetName, "Being edited");
    EXPECT_EQ(EarlierImportItems(import).size(), 3u);
    EXPECT_EQ(GetFieldText(fAssetName), "Being edited");
}

TEST_F(TradeImportTest, AListThatCannotBeImportedSaysWhereAndWhy) {
    TradeImport import;
    ImportProblem problem;
    EXPECT_FALSE(
        PrepareTradeImport("Date,Code,Action,Quantity,Price\n"
                           "01/02/2004,ZED,Buy,100,1.00\n"
                           "01/10/2005,ZED,Sell,150,5.00\n",
                           {}, import, problem));
    EXPECT_EQ(problem.line, 3);
    EXPECT_EQ(problem.reason, "a sale of 150 ZED when only 100 are held");
    // A UTF-8 list with a byte order mark reads as Latin-1.
    ASSERT_TRUE(
        PrepareTradeImport("\xEF\xBB\xBF"
                           "Date,Code,Company,Action,Quantity,Price\n"
                           "01/02/2004,ZED,Z\xC3\xA9phyr,Buy,100,1.00\n"
                           "01/10/2005,ZED,Z\xC3\xA9phyr,Sell,100,5.00\n",
                           {}, import, problem))
        << problem.reason;
    EXPECT_EQ(PreviewRows(import)[0].company, "Z\xE9phyr");
}

// Codes typed in the preview: any separator, any case; those no line names are found.
TEST_F(TradeImportTest, TypedSecurityCodesAreReadAndThoseNotInTheListFound) {
    EXPECT_EQ(SecurityCodesOf(" hbt,MRD;; xyz\tabc  "),
              (std::set<std::string>{"ABC", "HBT", "MRD", "XYZ"}));
    EXPECT_TRUE(SecurityCodesOf(" , ;").empty());
    TradeImport import;
    TradeImportOptions options;
    options.read.exclude = {"MRD"};
    ImportProblem problem;
    ASSERT_TRUE(PrepareTradeImport(Sample, options, import, problem)) << problem.reason;
    // MRD is named by its excluded lines, HBT by its trades.
    EXPECT_EQ(CodesNotInList(import, {"HBT", "MRD", "XYZ", "ABC"}),
              (std::vector<std::string>{"ABC", "XYZ"}));
}

}  // namespace
