// "orvana-tax import" of a broker's cash-account statement: its trades read from the text of
// the rows, dated three business days before settlement unless given, and imported as a trade
// list of the same parcels would be.

#include "import_tool_fixture.h"

namespace {

// Settlement dates only; trade dates derived: BHP 15/06/2004, ABC 04/03/2005, BHP sale
// 29/06/2005, XYZ 05/08/2005 and 12/12/2005, ABC sale 06/03/2006, BHP sale 28/06/2006.
const std::string Statement =
    "Cash Account 400123 Statement\n"
    "Date,Reference,Details,Debit,Credit,Balance\n"
    "01/06/2004,,Opening Balance,,,\"10,000.00\"\n"
    "18/06/2004,C1001,\"B 1,000 BHP @ 4.50\",\"4,519.95\",,\"5,480.05\"\n"
    "01/07/2004,D2001,Deposit - thank you,,\"2,000.00\",\"7,480.05\"\n"
    "09/03/2005,C1002,Bought 2000 ABC @ $1.25,\"2,529.95\",,\"4,950.10\"\n"
    "25/03/2005,V3001,BHP DIVIDEND 0.26 FRANKED,,260.00,\"5,210.10\"\n"
    "04/07/2005,C1003,S 300 BHP @ 5.000000,,\"1,480.05\",\"6,690.15\"\n"
    "10/08/2005,C1004,B 500 XYZ @ 2.00,\"1,019.95\",,\"5,670.20\"\n"
    "31/08/2005,,Interest paid,,12.34,\"5,682.54\"\n"
    "15/09/2005,W4001,Withdrawal to bank,\"1,000.00\",,\"4,682.54\"\n"
    "15/12/2005,C1005,Sold 500 XYZ @ 2.50,,\"1,230.05\",\"5,912.59\"\n"
    "02/01/2006,T5001,Transfer from savings,,500.00,\"6,412.59\"\n"
    "09/03/2006,C1006,\"S 2,000 ABC @ 1.60\",,\"3,170.05\",\"9,582.64\"\n"
    "03/07/2006,C1007,Sold 400 BHP @ $6.10,,\"2,420.05\",\"12,002.69\"\n"
    "31/07/2006,,Account fee,5.00,,\"11,997.69\"\n"
    "31/07/2006,,Closing Balance,,,\"11,997.69\"\n";

// The same trades as a trade list, on the derived trade dates.
const std::string SameTradesListed =
    "Trade Date,Code,Buy/Sell,Quantity,Price,Brokerage\n"
    "15/06/2004,BHP,B,1000,4.50,19.95\n"
    "04/03/2005,ABC,B,2000,1.25,29.95\n"
    "29/06/2005,BHP,S,300,5.00,19.95\n"
    "05/08/2005,XYZ,B,500,2.00,19.95\n"
    "12/12/2005,XYZ,S,500,2.50,19.95\n"
    "06/03/2006,ABC,S,2000,1.60,29.95\n"
    "28/06/2006,BHP,S,400,6.10,19.95\n";

using StatementImportTest = ImportToolTest;

bool Has(const std::string& out, const std::string& text) {
    return out.find(text) != std::string::npos;
}

}  // namespace

TEST_F(StatementImportTest, TradesAreReadFromTheTextAndWhatTurnsOnTheDerivedDatesIsListed) {
    const ToolRun run = ImportInto(file, List("statement.csv", Statement));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out,
                    "Cash statement rows that are not trades, skipped: opening balance 1, deposit "
                    "1, withdrawal 1, dividend 1, interest 1, transfer 1, closing balance 1, "
                    "other 1.\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out,
                    "7 trade(s) dated three business days before the statement's settlement date"));
    EXPECT_TRUE(
        Has(run.out,
            "The 12-month test, income year, indexation or start of capital gains tax of these "
            "parcels turns on a derived trade date:\n"
            "  lines 6 and 14: 2000 ABC bought 04/03/2005 (settled 09/03/2005), sold 06/03/2006 "
            "(settled 09/03/2006): held over 12 months by the trade dates, not by the settlement "
            "dates\n"
            "  lines 4 and 15: 400 BHP bought 15/06/2004 (settled 18/06/2004), sold 28/06/2006 "
            "(settled 03/07/2006): sold in the income year by the trade date, after it by the "
            "settlement date\n"
            "  line 8: 300 BHP sold 29/06/2005 (settled 04/07/2005): before the income year by the "
            "trade date, in it by the settlement date (left out)\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out, "line 8: BHP sold 29/06/2005, outside the income year"));
    EXPECT_TRUE(Has(run.out, "9 line(s) that are not trades skipped."));
    const json items = Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(Field(items[0], 710), "XYZ 500 05/08/2005");
    EXPECT_EQ(Field(items[0], 739), "12/12/2005");
    EXPECT_EQ(Field(items[0], 742), "1250");
    const json& bhp = items[2];
    EXPECT_EQ(Field(bhp, 710), "BHP 400 15/06/2004");
    EXPECT_EQ(Field(bhp, 726), "15/06/2004");
    EXPECT_EQ(Field(bhp, 739), "28/06/2006");
    const std::vector<std::string> cells = Cells(bhp);
    EXPECT_EQ(cells[4], "1800.00");  // units 301 to 700 of 1,000 at 4.50
    EXPECT_EQ(cells[12], "7.98");    // their share of 19.95
    EXPECT_EQ(cells[20], "19.95");   // 2440.00 less the credit 2420.05
    // Imported once only, as a trade list is.
    KeepBefore();
    ExpectRefusedUnchanged(ImportInto(file, List("statement.csv", Statement)), "already in");
}

TEST_F(StatementImportTest, TheSameParcelsFromAStatementAndFromATradeListGiveTheSameGains) {
    ASSERT_EQ(ImportInto(file, List("statement.csv", Statement)).status, 0);
    const std::string listed = dir.File("LISTED.TAX");
    ASSERT_EQ(Tax({"new", listed, "--tfn", Id}).status, 0);
    const ToolRun run = ImportInto(listed, List("list.csv", SameTradesListed));
    ASSERT_EQ(run.status, 0) << run.err;
    const json fromStatement = CalcAutoJson(file);
    EXPECT_EQ(fromStatement["choiceTable"].size(), 3u);
    EXPECT_EQ(fromStatement, CalcAutoJson(listed));
}

TEST_F(StatementImportTest, AMisreadBrokerageStopsWithItsLineAndWritesNothing) {
    ASSERT_EQ(Tax({"set", file, "--tfn", Id, "397=text:Robin Ashworth"}).status, 0);
    KeepBefore();
    std::string misread = Statement;
    const size_t debit = misread.find("\"2,529.95\"");
    ASSERT_NE(debit, std::string::npos);
    misread.replace(debit, 10, "\"2,400.00\"");
    ExpectRefusedUnchanged(ImportInto(file, List("misread.csv", misread)),
                           "misread.csv:6: the debit 2400.00 is less than 2000 x 1.25 = 2500.00, "
                           "which leaves a negative brokerage: the trade or the amount was "
                           "misread");
    ExpectRefusedUnchanged(
        ImportInto(file, List("statement.csv", Statement), {"--trade-date", "C9999=01/08/2005"}),
        "statement.csv: --trade-date C9999: no row of the statement has that reference");
}

TEST_F(StatementImportTest, ATradeDateGivenByReferenceAndCompanyNames) {
    const std::string names = List("names.csv", "BHP,BHP Billiton Limited\nXYZ,Xylo Holdings\n");
    const ToolRun run = ImportInto(
        file, List("statement.csv", Statement),
        {"--trade-date", "C1004=04/08/2005", "--names", names, "--name", "xyz=Xylo Resources"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out,
                    "Trade date given for C1004 (line 9): 04/08/2005, settled "
                    "10/08/2005.\n"));
    EXPECT_TRUE(Has(run.out, "6 trade(s) dated three business days before"));
    const json items = Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(Field(items[0], 710), "XYZ Xylo Resources 500 04/08/2005");
    EXPECT_EQ(Field(items[0], 726), "04/08/2005");
    EXPECT_EQ(Field(items[1], 710), "ABC 2000 04/03/2005");
    EXPECT_EQ(Field(items[2], 710), "BHP BHP Billiton Limited 400 15/06/2004");
}

TEST_F(StatementImportTest, TheSampleStatementImportsAsTheReadmeShows) {
    const std::string sample =
        std::string(ORVANA_SOURCE_DIR) + "/samples/sample-cash-statement.csv";
    const ToolRun run = ImportInto(
        file, sample,
        {"--name", "MRD=Meridian Resources", "--trade-date", "C1004=04/08/2005", "--dry-run"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Has(run.out,
                    "  MRD Meridian Resources 400 15/06/2004\n"
                    "    line 4 bought 15/06/2004, line 15 sold 28/06/2006: 400 of 1000\n"))
        << run.out;
    EXPECT_TRUE(Has(run.out,
                    "  lines 4 and 15: 400 MRD bought 15/06/2004 (settled 18/06/2004), "
                    "sold 28/06/2006 (settled 03/07/2006): sold in the income year by "
                    "the trade date, after it by the settlement date\n"));
    EXPECT_TRUE(Has(run.out, "Trade date given for C1004 (line 9): 04/08/2005"));
    EXPECT_TRUE(Has(run.out, "Dry run: nothing was written."));
}
