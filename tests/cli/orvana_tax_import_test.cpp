// "orvana-tax import": broker's trade lists in several layouts matched to parcels and written
// as the share path writes them; every refusal leaves the return as it was.

#include "base/text_encoding.h"
#include "import_tool_fixture.h"

namespace {

// A contract-note export: a heading, the header, five trades and a totals line.
const std::string ContractNotes =
    "Trade Confirmations 2005-06\n"
    "Trade Date,Settlement Date,ASX Code,Company,Buy/Sell,Quantity,Price,Brokerage (inc "
    "GST),Consideration\n"
    "15/03/1998,18/03/1998,BHP,BHP Billiton Limited,Buy,\"1,000\",$9.50,$32.95,\"$9,500.00\"\n"
    "12/08/2004,15/08/2004,NAB,National Australia Bank,B,500,$28.10,$19.95,\"$14,050.00\"\n"
    "03/02/2005,06/02/2005,NAB,National Australia Bank,B,300,$29.00,$19.95,\"$8,700.00\"\n"
    "15/09/2005,18/09/2005,BHP,BHP Billiton Limited,Sell,400,$21.30,$29.95,\"$8,520.00\"\n"
    "20/03/2006,23/03/2006,NAB,National Australia Bank,S,600,$31.25,$24.95,\"$18,750.00\"\n"
    ",,,,,,Total,,\"$59,520.00\"\n";

// The same first-in-first-out parcels typed through the share path.
const std::string TypedParcels =
    "[1202.1]\n"
    "710=text:BHP BHP Billiton Limited 400 15/03/1998\n714=text:SN\n726=text:15/03/1998\n"
    "737=rows:8\n"
    "| 1 - Purchase/Acquisition cost | 15/03/1998 | | 400 shares | 3800.00 | | |\n"
    "| 2A - Incidentals re holding & acquisition | 15/03/1998 | | Brokerage | 13.18 | | |\n"
    "| 2B - Incidentals re specific CGT event | 15/09/2005 | | Brokerage | 29.95 | | |\n"
    "739=text:15/09/2005\n742=currency:8520\n721=check\n"
    "[1202.2]\n"
    "710=text:NAB National Australia Ba 500 12/08/2004\n714=text:SN\n726=text:12/08/2004\n"
    "737=rows:8\n"
    "| 1 - Purchase/Acquisition cost | 12/08/2004 | | 500 shares | 14050.00 | | |\n"
    "| 2A - Incidentals re holding & acquisition | 12/08/2004 | | Brokerage | 19.95 | | |\n"
    "| 2B - Incidentals re specific CGT event | 20/03/2006 | | Brokerage | 20.79 | | |\n"
    "739=text:20/03/2006\n742=currency:15625\n721=check\n"
    "[1202.3]\n"
    "710=text:NAB National Australia Ba 100 03/02/2005\n714=text:SN\n726=text:03/02/2005\n"
    "737=rows:8\n"
    "| 1 - Purchase/Acquisition cost | 03/02/2005 | | 100 shares | 2900.00 | | |\n"
    "| 2A - Incidentals re holding & acquisition | 03/02/2005 | | Brokerage | 6.65 | | |\n"
    "| 2B - Incidentals re specific CGT event | 20/03/2006 | | Brokerage | 4.16 | | |\n"
    "739=text:20/03/2006\n742=currency:3125\n721=check\n";

using ImportCommandTest = ImportToolTest;

}  // namespace

TEST_F(ImportCommandTest, FirstInFirstOutWritesEachPartParcelAsTheSharePathDoes) {
    const std::string holdings = dir.File("holdings.csv");
    const ToolRun run = Import(List("notes.csv", ContractNotes), {"--holdings", holdings});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("2 line(s) that are not trades skipped"), std::string::npos);
    // What is left: 600 of the BHP parcel and 200 of the second NAB one.
    EXPECT_EQ(Slurp(holdings),
              "Trade Date,Code,Company,Buy/Sell,Quantity,Consideration,Brokerage,Parcel\n"
              "15/03/1998,BHP,BHP Billiton Limited,Buy,600,5700.00,19.77,line 3\n"
              "03/02/2005,NAB,National Australia Bank,Buy,200,5800.00,13.30,line 5\n");
    EXPECT_NE(run.out.find("3 share worksheet item(s) written"), std::string::npos);
    const json items = Items();
    ASSERT_EQ(items.size(), 3u);
    const json& bhp = items[0];
    EXPECT_EQ(Field(bhp, 710), "BHP BHP Billiton Limited 400 15/03/1998");
    EXPECT_EQ(Field(bhp, 714), "SN");
    EXPECT_EQ(Field(bhp, 726), "15/03/1998");
    EXPECT_EQ(Field(bhp, 739), "15/09/2005");
    EXPECT_EQ(bhp["fields"]["742"]["type"], "dtCurrency");
    EXPECT_EQ(Field(bhp, 742), "8520");
    EXPECT_EQ(Field(bhp, 721), "X");
    const std::vector<std::string> cells = Cells(bhp);
    ASSERT_EQ(cells.size(), 24u);
    EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.begin() + 7),
              (std::vector<std::string>{"1 - Purchase/Acquisition cost", "15/03/1998", "",
                                        "400 of 1000 bought, line 3", "3800.00", "", ""}));
    EXPECT_EQ(cells[7].rfind("Imported trade #", 0), 0u);
    EXPECT_EQ(cells[8], "2A - Incidentals re holding & acquisition");
    EXPECT_EQ(cells[12], "13.18");  // 32.95 x 400 / 1000
    EXPECT_EQ(cells[16], "2B - Incidentals re specific CGT event");
    EXPECT_EQ(cells[17], "15/09/2005");
    EXPECT_EQ(cells[20], "29.95");
    // The sale of 600 NAB over parcels of 500 and 300: its brokerage 24.95 shared 20.79 + 4.16.
    EXPECT_EQ(Cells(items[1])[20], "20.79");
    EXPECT_EQ(Cells(items[2])[20], "4.16");
    EXPECT_EQ(Cells(items[2])[12], "6.65");
    EXPECT_EQ(Field(items[1], 742), "15625");
    EXPECT_EQ(Field(items[2], 742), "3125");
}

TEST_F(ImportCommandTest, AParcelBoughtBefore21September1999HasIndexedAndDiscountGains) {
    ASSERT_EQ(Import(List("notes.csv", ContractNotes)).status, 0);
    const json calc = CalcAutoJson(file);
    const json& row = calc["choiceTable"][0];
    EXPECT_EQ(row["description"], "BHP BHP Billiton Limited 400 15/03/1998 - Disposal");
    EXPECT_EQ(row["choiceRequired"], "Yes");
    // Indexed: 8520 - (3813.18 x 123.4 / 120.3 + 29.95) = 8520 - 3942; discount 8520 - 3843.
    EXPECT_EQ(row["indexedGain"], 4578);
    EXPECT_EQ(row["discountGain"], 4677);
    // Bought after the cut-off: the discount only.
    EXPECT_TRUE(calc["choiceTable"][1]["indexedGain"].is_null());
}

TEST_F(ImportCommandTest, ImportedGainsEqualThoseOfTheSameParcelsTyped) {
    ASSERT_EQ(Import(List("notes.csv", ContractNotes)).status, 0);
    const std::string typed = dir.File("TYPED.TAX");
    ASSERT_EQ(Tax({"new", typed, "--tfn", Id}).status, 0);
    const ToolRun set = Tax({"set", typed, "--tfn", Id, "--from", List("typed.txt", TypedParcels)});
    ASSERT_EQ(set.status, 0) << set.err;
    const json imported = CalcAutoJson(file);
    EXPECT_EQ(imported["choiceTable"].size(), 3u);
    EXPECT_EQ(imported, CalcAutoJson(typed));
}

TEST_F(ImportCommandTest, LastInFirstOutAndActiveShares) {
    const ToolRun run =
        Import(List("notes.csv", ContractNotes), {"--match", "lifo", "--active", "nab"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("last in, first out"), std::string::npos);
    const json items = Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(Field(items[0], 714), "SN");
    EXPECT_EQ(Field(items[1], 710), "NAB National Australia Ba 300 03/02/2005");
    EXPECT_EQ(Field(items[1], 714), "SA");
    EXPECT_EQ(Field(items[2], 710), "NAB National Australia Ba 300 12/08/2004");
    EXPECT_EQ(Cells(items[2])[4], "8430.00");
    EXPECT_EQ(Cells(items[2])[12], "11.97");  // 19.95 x 300 / 500
    EXPECT_EQ(Field(items[1], 742), "9375");
}

TEST_F(ImportCommandTest, SpecificParcelsFromANetAmountLayout) {
    // Semicolons, ISO dates, net amounts (bought in parentheses), GST apart, parcel names.
    const std::string list = List("net.csv",
                                  "Date;Symbol;Action;Units;Net Amount;Fees;GST;Parcel\n"
                                  "2004-08-12;NAB;Bought;500;(14,069.95);18.14;1.81;N1\n"
                                  "2005-02-03;NAB;Bought;300;(8,719.95);18.14;1.81;N2\n"
                                  "2006-03-20;NAB;Sold;400;12,480.05;18.14;1.81;N2 N1\n");
    const ToolRun run = Import(list, {"--match", "specific"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json items = Items();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(Field(items[0], 710), "NAB 300 03/02/2005");
    EXPECT_EQ(Cells(items[0])[4], "8700.00");
    EXPECT_EQ(Cells(items[0])[12], "19.95");
    EXPECT_EQ(Cells(items[0])[20], "14.96");  // 19.95 x 300 / 400
    EXPECT_EQ(Field(items[0], 742), "9375");
    EXPECT_EQ(Field(items[1], 710), "NAB 100 12/08/2004");
    EXPECT_EQ(Cells(items[1])[4], "2810.00");
    EXPECT_EQ(Cells(items[1])[12], "3.99");
    EXPECT_EQ(Cells(items[1])[20], "4.99");
    EXPECT_EQ(Field(items[1], 742), "3125");
}

TEST_F(ImportCommandTest, BrokerageOnItsOwnRowAndSalesOutsideTheYearListed) {
    const std::string list = List("rows.csv",
                                  "Date,Security,Type,Qty,Consideration\n"
                                  "3/2/05,CBA,B,100,\"3,000.00\"\n"
                                  "3/2/05,CBA,Brokerage,,19.95\n"
                                  "1/6/05,CBA,S,20,700.00\n"
                                  "1/8/05,CBA,S,50,\"1,750.00\"\n"
                                  "1/8/05,CBA,Brokerage,,19.95\n"
                                  "3/7/06,CBA,S,30,\"1,100.00\"\n");
    const ToolRun run = Import(list);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("line 4: CBA sold 01/06/2005, outside the income year"),
              std::string::npos);
    EXPECT_NE(run.out.find("line 7: CBA sold 03/07/2006, outside the income year"),
              std::string::npos);
    const json items = Items();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(Cells(items[0])[4], "1500.00");  // units 21 to 70 of the parcel
    EXPECT_EQ(Cells(items[0])[12], "9.98");    // 19.95 x 50 / 100, the run after 3.99
    EXPECT_EQ(Cells(items[0])[20], "19.95");
}

TEST_F(ImportCommandTest, DryRunPrintsAndWritesNothing) {
    KeepBefore();
    const ToolRun run = Import(List("notes.csv", ContractNotes), {"--dry-run"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("estimated gain 4676.87 (held over 12 months)"), std::string::npos);
    EXPECT_NE(run.out.find("Dry run: nothing was written."), std::string::npos);
    EXPECT_EQ(Slurp(file), before);
}

TEST_F(ImportCommandTest, ProblemsStopWithTheLineAndLeaveTheReturnUnchanged) {
    ASSERT_EQ(Tax({"set", file, "--tfn", Id, "397=text:Robin Ashworth"}).status, 0);
    KeepBefore();
    const size_t totals = ContractNotes.find(",,,,,,Total");
    const auto with = [&](const std::string& line) {
        return ContractNotes.substr(0, totals) + line + "\n" + ContractNotes.substr(totals);
    };
    ExpectRefusedUnchanged(
        Import(
            List("over.csv", with("10/04/2006,,BHP,BHP Billiton Limited,Sell,700,22.00,29.95,"))),
        "over.csv:8: a sale of 700 BHP when only 600 are held");
    ExpectRefusedUnchanged(
        Import(List("bad.csv", with("32/04/2006,,BHP,BHP Billiton Limited,Sell,100,22.00,29.95,"))),
        "bad.csv:8: \"32/04/2006\" is not a date");
    const std::string action =
        List("action.csv", with("01/12/2005,,NAB,National Australia Bank,Consolidation 1:2,,,,"));
    ExpectRefusedUnchanged(Import(action), "action.csv:8: NAB: a corporate action");
    ExpectRefusedUnchanged(Import(List("none.csv", "Date,Amount\n")), "none.csv: no header row");
    ExpectRefusedUnchanged(Import(List("none.csv", "Date,Amount\n")),
                           "debit and credit columns of a cash statement; nothing was written");
    ExpectRefusedUnchanged(
        Import(List("huge.csv", with("01/04/2006,,XYZ,Huge Holdings,Buy,1000000,10.00,,\n"
                                     "02/04/2006,,XYZ,Huge Holdings,Sell,1000000,11.00,,"))),
        "huge.csv:9: the amount 10000000.00 is more than a cost element holds");
    // Leaving the security out imports the rest.
    const ToolRun rest = Import(action, {"--exclude", "NAB"});
    ASSERT_EQ(rest.status, 0) << rest.err;
    EXPECT_NE(rest.out.find("line 8: NAB excluded"), std::string::npos);
    EXPECT_EQ(Items().size(), 1u);
}

TEST_F(ImportCommandTest, TheSameListTwiceIsRefused) {
    const std::string list = List("notes.csv", ContractNotes);
    ASSERT_EQ(Import(list).status, 0);
    KeepBefore();
    ExpectRefusedUnchanged(Import(list), "trades of this list are already in");
    // A line added to the list does not hide the trades already imported.
    ExpectRefusedUnchanged(
        Import(List("more.csv", ContractNotes + "01/05/2006,,BHP,BHP,Sell,10,20.00,,\n")),
        "already in");
}

TEST_F(ImportCommandTest, ReplaceDeletesTheEarlierImportAndWritesTheListAgain) {
    const std::string list = List("notes.csv", ContractNotes);
    ASSERT_EQ(Import(list).status, 0);
    ASSERT_EQ(Tax({"set", file, "--tfn", Id, "1202.4.710=text:Typed Parcel"}).status, 0);
    KeepBefore();
    const ToolRun refused = Import(list, {"--match", "lifo"});
    ExpectRefusedUnchanged(refused, "already in");
    EXPECT_NE(refused.err.find("--replace"), std::string::npos);
    // Another method pairs other lines: the first import's items are still found.
    const ToolRun run = Import(list, {"--match", "lifo", "--replace"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("3 share worksheet item(s) of the earlier import removed"),
              std::string::npos);
    const json items = Items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(Field(items[0], 710), "Typed Parcel");
    EXPECT_EQ(Field(items[2], 710), "NAB National Australia Ba 300 03/02/2005");
    // A failing replacement deletes nothing either.
    KeepBefore();
    const size_t totals = ContractNotes.find(",,,,,,Total");
    ExpectRefusedUnchanged(
        Import(List("over.csv", ContractNotes.substr(0, totals) +
                                    "10/04/2006,,BHP,BHP Billiton Limited,Sell,700,22.00,29.95,\n"),
               {"--replace"}),
        "over.csv:8: a sale of 700 BHP when only 600 are held");
}

TEST_F(ImportCommandTest, AParcelBoughtBeforeCapitalGainsTaxIsLeftOutAndListed) {
    const std::string list = List("old.csv",
                                  "Date,Code,Type,Quantity,Price\n"
                                  "19/09/1985,WBC,Buy,100,5.00\n"
                                  "20/09/1985,WBC,Buy,100,5.10\n"
                                  "01/09/2005,WBC,Sell,150,30.00\n");
    const ToolRun run = Import(list);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("line 4: 100 WBC bought 19/09/1985, before capital gains tax began"),
              std::string::npos);
    const json items = Items();
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(Field(items[0], 710), "WBC 50 20/09/1985");
    EXPECT_EQ(Field(items[0], 742), "1500");
}

TEST_F(ImportCommandTest, TheSampleTradeListImportsAsTheReadmeShows) {
    const std::string sample = std::string(ORVANA_SOURCE_DIR) + "/samples/sample-trades.csv";
    const ToolRun run = Import(sample);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  MRD Meridian Resources 400 15/03/1998\n"
                           "    line 3 bought 15/03/1998, line 8 sold 15/09/2005: 400 of 1000\n"
                           "    cost 3800.00  brokerage on purchase 13.18  brokerage on sale "
                           "29.95\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("line 6: MRD sold 14/06/2005, outside the income year"),
              std::string::npos);
    EXPECT_EQ(Items().size(), 3u);
    EXPECT_EQ(CalcAutoJson(file)["choiceTable"].size(), 3u);
}

TEST_F(ImportCommandTest, AUtf8ListWithAByteOrderMarkKeepsItsAccents) {
    const std::string list = List("bom.csv",
                                  "\xEF\xBB\xBF"
                                  "Trade Date,Code,Company,Buy/Sell,Quantity,Price\n"
                                  "01/02/2004,CAF,Caf\xC3\xA9 Holdings,Buy,10,1.00\n"
                                  "01/02/2006,CAF,Caf\xC3\xA9 Holdings,Sell,10,2.00\n");
    ASSERT_EQ(Import(list, {"--map", "date=Trade Date"}).status, 0);
    // The dump shows the store's Latin-1 as UTF-8 again.
    EXPECT_EQ(Field(Items()[0], 710), "CAF Caf\xC3\xA9 Holdings 10 01/02/2004");
}

TEST_F(ImportCommandTest, ALodgedReturnIsRefusedButCanBeTriedDry) {
    ASSERT_EQ(
        Tax({"set", file, "--tfn", Id, "1479=text:REF1", "1478=text:01/07/2006", "1490=text:10:00"})
            .status,
        0);  // this save freezes it
    KeepBefore();
    const std::string list = List("notes.csv", ContractNotes);
    ExpectOneErrorLine(Import(list), 1, "lodged and is locked");
    EXPECT_EQ(Slurp(file), before);
    EXPECT_EQ(Import(list, {"--dry-run"}).status, 0);
    EXPECT_EQ(Slurp(file), before);
}

TEST_F(ImportCommandTest, SharesSoldForNothingKeepTheirSaleAndCapitalLoss) {
    const std::string list = List("worthless.csv",
                                  "Trade Date,Code,Buy/Sell,Quantity,Price,Brokerage\n"
                                  "01/07/2003,DUD,B,5000,1.00,0\n"
                                  "01/03/2006,DUD,S,5000,0.00,0\n");
    ASSERT_EQ(Import(list).status, 0);
    const json fields = CalcByNumber(CalcAutoJson(file)["returnLabels"]);
    EXPECT_EQ(fields.value("175", 0.0), 5000);
}
