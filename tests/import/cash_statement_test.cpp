#include "import/cash_statement.h"

#include <gtest/gtest.h>

#include "base/dates.h"
#include "import/business_calendar.h"
#include "import/import_notes.h"
#include "import/trade_reading.h"
#include "import/trade_text.h"

namespace {

double D(int day, int month, int year) { return EncodeDate(year, month, day); }

const std::string Header = "Date,Reference,Details,Debit,Credit,Balance\n";

bool Read(const std::string& text, ImportedTrades& read, ImportProblem& problem,
          const TradeReadOptions& options = {}) {
    return ReadTrades(text, options, read, problem);
}

ImportedTrades Read(const std::string& text, const TradeReadOptions& options = {}) {
    ImportedTrades read;
    ImportProblem problem;
    EXPECT_TRUE(Read(text, read, problem, options)) << problem.line << ": " << problem.reason;
    return read;
}

ImportProblem Refusal(const std::string& text, const TradeReadOptions& options = {}) {
    ImportedTrades read;
    ImportProblem problem;
    EXPECT_FALSE(Read(text, read, problem, options));
    return problem;
}

}  // namespace

TEST(CashStatement, HeadersInTheUsualSpellingsAndAnyCase) {
    for (const char* header :
         {"Date,Reference,Details,Debit,Credit,Balance",
          "DATE;REF NO;DESCRIPTION;DEBIT ($);CREDIT "
          "($);BALANCE",
          "Settlement Date\tRef.\tNarration\tWithdrawals\tDeposits\tRunning Balance",
          "date,particulars,dr,cr",
          "Trade Date,Settlement Date,Transaction Details,Debit "
          "(AUD),Credit (AUD),Balance"}) {
        const std::string text = header;
        EXPECT_TRUE(IsCashStatementHeader(SplitCsvRecord(text, CsvSeparator(text)))) << header;
    }
    // A trade list's header, and a statement without a credit column, are not one.
    EXPECT_FALSE(IsCashStatementHeader({"Trade Date", "Code", "Buy/Sell", "Quantity", "Price"}));
    EXPECT_FALSE(IsCashStatementHeader({"Date", "Details", "Debit", "Balance"}));
    // The reading picks the layout from the header.
    EXPECT_TRUE(Read(Header + "01/08/2005,R1,B 10 BHP @ 1.00,10.00,,\n").cashStatement);
    EXPECT_FALSE(
        Read("Trade Date,Code,Buy/Sell,Quantity,Price\n01/08/2005,BHP,B,10,1.00\n").cashStatement);
}

TEST(CashStatement, TradeTextsInTheFormsBrokersWriteThem) {
    struct Case {
        const char* text;
        TradeKind kind;
        long long quantity;
        const char* code;
        long long priceUnits;
        int scale;
    };
    for (const Case& c : {
             Case{"B 1,000 BHP @ 4.50", TradeKind::Buy, 1000, "BHP", 450, 2},
             Case{"Bought 1000 BHP @ $4.50", TradeKind::Buy, 1000, "BHP", 450, 2},
             Case{"S 700 XYZ @ 4.000000", TradeKind::Sell, 700, "XYZ", 4000000, 6},
             Case{"Sold 12,500 abc at 0.055", TradeKind::Sell, 12500, "ABC", 55, 3},
             Case{"CN 5512 bought 25 NABHA@101.5 net", TradeKind::Buy, 25, "NABHA", 1015, 1},
         }) {
        TradeText trade;
        ASSERT_EQ(ReadTradeText(c.text, trade), TradeTextReading::Trade) << c.text;
        EXPECT_EQ(trade.kind, c.kind) << c.text;
        EXPECT_EQ(trade.quantity, c.quantity) << c.text;
        EXPECT_EQ(trade.code, c.code) << c.text;
        EXPECT_EQ(trade.price.units, c.priceUnits) << c.text;
        EXPECT_EQ(trade.price.scale, c.scale) << c.text;
    }
    TradeText trade;
    for (const char* unreadable :
         {"B 1000 BHP", "Sold 100 shares of BHP @ 4.50", "B 1.5 BHP @ 4.50", "S -700 XYZ @ 4.00",
          "Bought 100 BHP @ four"})
        EXPECT_EQ(ReadTradeText(unreadable, trade), TradeTextReading::Unreadable) << unreadable;
    for (const char* other : {"Deposit", "Interest @ 4.5% p.a.", "BHP DIVIDEND 0.26 FRANKED",
                              "Transfer to account 2 B"})
        EXPECT_EQ(ReadTradeText(other, trade), TradeTextReading::NotATrade) << other;
}

TEST(CashStatement, ValueToTheCentAndBrokerageFromTheDebitOrCredit) {
    const ImportedTrades read = Read("Cash account 400123\n" + Header +
                                     "01/08/2005,R1,\"Bought 333 ABC @ $4.235\",\"1,430.21\",,\n"
                                     "05/08/2005,R2,S 700 XYZ @ 4.000000,,\"$2,780.05\",\n"
                                     "09/08/2005,R3,\"B 1,000 BHP @ 4.50\",-4500.00,,\n");
    ASSERT_EQ(read.list.trades.size(), 3u);
    const Trade& abc = read.list.trades[0];
    EXPECT_EQ(abc.line, 3);
    EXPECT_EQ(abc.kind, TradeKind::Buy);
    EXPECT_EQ(abc.value, 141026);  // 1410.255 to the cent, half up
    EXPECT_EQ(abc.brokerage, 1995);
    EXPECT_TRUE(abc.company.empty());
    const Trade& xyz = read.list.trades[1];
    EXPECT_EQ(xyz.kind, TradeKind::Sell);
    EXPECT_EQ(xyz.value, 280000);
    EXPECT_EQ(xyz.brokerage, 1995);  // the credit is the value less the brokerage
    EXPECT_EQ(read.list.trades[2].quantity, 1000);
    EXPECT_EQ(read.list.trades[2].brokerage, 0);  // a debit shown negative is read unsigned
    EXPECT_EQ(read.list.skipped, 1);              // the heading
}

TEST(CashStatement, RowsThatAreNotTradesAreCountedByKind) {
    const ImportedTrades read = Read(Header +
                                     "01/07/2005,,Opening Balance,,,100.00\n"
                                     "01/07/2005,,Balance brought forward,,,100.00\n"
                                     "02/07/2005,D1,Deposit - thank you,,500.00,600.00\n"
                                     "03/07/2005,D2,BPAY deposit,,50.00,650.00\n"
                                     "04/07/2005,W1,Withdrawal,20.00,,630.00\n"
                                     "05/07/2005,V1,BHP DIVIDEND 0.26 FRANKED,,26.00,656.00\n"
                                     "05/07/2005,V2,XYZ DIST MAR QTR,,3.00,659.00\n"
                                     "31/07/2005,,Interest paid,,1.20,660.20\n"
                                     "01/08/2005,T1,Transfer to savings,100.00,,560.20\n"
                                     "02/08/2005,,Account fee,5.00,,555.20\n"
                                     "\n"
                                     "31/08/2005,,Closing Balance,,,555.20\n");
    EXPECT_TRUE(read.list.trades.empty());
    const StatementRowCounts& n = read.statement.skipped;
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::OpeningBalance)], 2);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::Deposit)], 2);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::Withdrawal)], 1);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::Dividend)], 2);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::Interest)], 1);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::Transfer)], 1);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::ClosingBalance)], 1);
    EXPECT_EQ(n[static_cast<size_t>(StatementRow::Other)], 1);
    EXPECT_EQ(read.list.skipped, 12);  // and the blank line
}

TEST(CashStatement, AMisreadOrUnreadableTradeStopsWithItsLine) {
    const std::string buy = "01/08/2005,R1,\"B 1,000 BHP @ 4.50\",4519.95,,\n";
    ImportProblem problem = Refusal(Header + buy + "02/08/2005,R2,B 100 XYZ @ 2.00,150.00,,\n");
    EXPECT_EQ(problem.line, 3);
    EXPECT_NE(problem.reason.find("debit 150.00 is less than 100 x 2.00 = 200.00"),
              std::string::npos)
        << problem.reason;
    EXPECT_NE(problem.reason.find("misread"), std::string::npos);
    problem = Refusal(Header + buy + "02/08/2005,R2,S 100 BHP @ 4.50,,460.00,\n");
    EXPECT_EQ(problem.line, 3);
    EXPECT_NE(problem.reason.find("credit 460.00 is more than"), std::string::npos);
    problem = Refusal(Header + buy + "02/08/2005,R2,Sold 100 BHP,,460.00,\n");
    EXPECT_EQ(problem.line, 3);
    EXPECT_NE(problem.reason.find("\"Sold 100 BHP\" cannot be read"), std::string::npos);
    problem = Refusal(Header + buy + "02/08/2005,R2,S 100 BHP @ 4.50,12.00,,\n");
    EXPECT_EQ(problem.reason, "a sale with no credit");
    problem = Refusal(Header + "32/08/2005,R2,S 100 BHP @ 4.50,,440.00,\n");
    EXPECT_EQ(problem.line, 2);
    EXPECT_NE(problem.reason.find("\"32/08/2005\" is not a date"), std::string::npos);
}

TEST(CashStatement, ACorporateActionStopsUnlessItsSecurityIsExcluded) {
    const std::string text = Header +
                             "01/08/2005,R1,B 100 BHP @ 4.50,469.95,,\n"
                             "01/09/2005,R2,BHP capital return 0.50,,50.00,\n"
                             "02/09/2005,R3,Bonus interest,,1.00,\n";
    const ImportProblem problem = Refusal(text);
    EXPECT_EQ(problem.line, 3);
    EXPECT_NE(problem.reason.find("corporate action (BHP capital return 0.50) is not supported"),
              std::string::npos);
    EXPECT_TRUE(problem.corporateAction);
    TradeReadOptions options;
    options.exclude = {"bhp"};
    const ImportedTrades read = Read(text, options);
    EXPECT_TRUE(read.list.trades.empty());
    ASSERT_EQ(read.list.excluded.size(), 2u);
    EXPECT_EQ(read.list.excluded[1].line, 3);
    EXPECT_EQ(read.list.excluded[1].code, "BHP");
}

TEST(CashStatement, TradeDatesDerivedFromSettlementTakenFromAColumnOrGiven) {
    // Settled Wednesday 19/04/2006: Easter Monday and Good Friday are skipped.
    const std::string text = Header +
                             "19/04/2006,C1,B 100 BHP @ 4.50,469.95,,\n"
                             "20/04/2006,D1,Deposit,,100.00,\n"
                             "03/07/2006,c2,S 100 BHP @ 5.00,,480.05,\n";
    ImportedTrades read = Read(text);
    ASSERT_EQ(read.list.trades.size(), 2u);
    EXPECT_EQ(read.list.trades[0].date, D(12, 4, 2006));
    EXPECT_EQ(read.list.trades[1].date, D(28, 6, 2006));
    EXPECT_EQ(read.statement.settlements.at(4).settled, D(3, 7, 2006));
    EXPECT_EQ(read.statement.settlements.at(4).dating, TradeDating::Derived);
    EXPECT_EQ(read.statement.settlements.at(4).reference, "c2");

    TradeReadOptions options;
    std::string error;
    ASSERT_TRUE(ParseTradeDateCorrection("C2=30/06/2006", options.tradeDates, error));
    read = Read(text, options);  // references compared without case
    EXPECT_EQ(read.list.trades[1].date, D(30, 6, 2006));
    EXPECT_EQ(read.statement.settlements.at(4).dating, TradeDating::Given);
    EXPECT_EQ(read.list.trades[0].date, D(12, 4, 2006));

    EXPECT_FALSE(ParseTradeDateCorrection("C2", options.tradeDates, error));
    EXPECT_FALSE(ParseTradeDateCorrection("C2=31/02/2006", options.tradeDates, error));
    options.tradeDates = {{"C9", D(1, 7, 2006)}};
    EXPECT_EQ(Refusal(text, options).reason,
              "--trade-date C9: no row of the statement has that reference");
    options.tradeDates = {{"D1", D(1, 7, 2006)}};
    EXPECT_EQ(Refusal(text, options).reason, "--trade-date D1: that reference is not a trade's");
    options.tradeDates = {{"C1", D(20, 4, 2006)}};
    EXPECT_EQ(Refusal(text, options).reason,
              "the trade date 20/04/2006 is after the settlement date 19/04/2006");
    options.tradeDates = {{"C1", D(20, 4, 2006)}};
    EXPECT_NE(
        Refusal("Trade Date,Code,Buy/Sell,Quantity,Price\n01/08/2005,BHP,B,10,1.00\n", options)
            .reason.find("for a cash statement"),
        std::string::npos);

    // A trade date column is used as it stands; a blank one is derived.
    read = Read(
        "Trade Date,Settlement Date,Ref,Details,Debit,Credit,Balance\n"
        "14/04/2006,20/04/2006,C1,B 100 BHP @ 4.50,469.95,,\n"
        ",20/04/2006,C2,B 100 BHP @ 4.50,469.95,,\n");
    EXPECT_EQ(read.list.trades[0].date, D(14, 4, 2006));
    EXPECT_EQ(read.statement.settlements.at(2).dating, TradeDating::Column);
    EXPECT_EQ(read.list.trades[1].date, D(13, 4, 2006));
}

TEST(CashStatement, CompanyNamesFromAFileOrOneByOne) {
    CompanyNames names;
    ImportProblem problem;
    ASSERT_TRUE(
        ReadCompanyNames("BHP,BHP Billiton Limited\n\nxyz, \"Xylo, Holdings\"\n", names, problem));
    std::string error;
    ASSERT_TRUE(ParseCompanyName("bhp=Broken Hill", names, error));
    EXPECT_EQ(names, (CompanyNames{{"BHP", "Broken Hill"}, {"XYZ", "Xylo, Holdings"}}));
    EXPECT_FALSE(ReadCompanyNames("BHP,BHP Billiton\nABC\n", names, problem));
    EXPECT_EQ(problem.line, 2);
    EXPECT_FALSE(ParseCompanyName("ABC", names, error));
    TradeReadOptions options;
    options.names = names;
    const ImportedTrades read = Read(Header +
                                         "01/08/2005,R1,B 100 XYZ @ 1.00,100.00,,\n"
                                         "01/08/2005,R2,B 100 ABC @ 1.00,100.00,,\n",
                                     options);
    EXPECT_EQ(read.list.trades[0].company, "Xylo, Holdings");
    EXPECT_EQ(read.list.trades[1].company, "");
}

TEST(BusinessCalendar, NationalHolidaysOfThoseYearsWithTheirSubstitutes) {
    for (const double day : {
             D(1, 1, 1985),    // New Year's Day, a Tuesday
             D(3, 1, 2005),    // for Saturday 1/1/2005
             D(2, 1, 2006),    // for Sunday 1/1/2006
             D(28, 1, 1991),   // Australia Day before 1994: the Monday after Saturday 26th
             D(29, 1, 1990),   // and after Friday 26th
             D(26, 1, 1988),   // the bicentenary, a Tuesday
             D(26, 1, 2005),   // a Wednesday
             D(28, 1, 2002),   // for Saturday 26/1/2002
             D(5, 4, 1985),    // Good Friday (Easter 7/4/1985)
             D(24, 4, 2000),   // Easter Monday (Easter 23/4/2000)
             D(14, 4, 2006),   // Good Friday
             D(17, 4, 2006),   // Easter Monday
             D(25, 4, 2005),   // Anzac Day, a Monday
             D(12, 6, 2006),   // the second Monday of June
             D(13, 6, 2005),   //
             D(27, 12, 2004),  // Christmas for Saturday 25/12/2004
             D(28, 12, 2004),  // Boxing Day for Sunday 26/12/2004
             D(26, 12, 2005),  // Boxing Day, a Monday
             D(27, 12, 2005),  // Christmas for Sunday 25/12/2005
             D(28, 12, 1998),  // Boxing Day for Saturday 26/12/1998
         })
        EXPECT_TRUE(IsNationalPublicHoliday(day)) << FormatDate(day);
    for (const double day : {
             D(26, 4, 2004),  // no weekday for Anzac Day on a Sunday
             D(5, 6, 2006),   // the first Monday of June
             D(29, 12, 2004), D(27, 1, 2005), D(1, 1, 2007),
             D(26, 1, 1990),  // a Friday, before the holiday was kept on the day
         })
        EXPECT_FALSE(IsNationalPublicHoliday(day)) << FormatDate(day);
    EXPECT_FALSE(IsBusinessDay(D(16, 7, 2005)));  // a Saturday
    EXPECT_TRUE(IsBusinessDay(D(26, 1, 1990)));
    // Three business days before: over a weekend, over Christmas and New Year.
    EXPECT_EQ(BusinessDaysBefore(D(4, 7, 2005), 3), D(29, 6, 2005));
    EXPECT_EQ(BusinessDaysBefore(D(30, 12, 2004), 3), D(23, 12, 2004));
    EXPECT_EQ(BusinessDaysBefore(D(5, 1, 2006), 3), D(30, 12, 2005));
    EXPECT_EQ(BusinessDaysBefore(D(15, 6, 2006), 3), D(9, 6, 2006));
}

TEST(CashStatement, NotesNameThePurchasesWhoseIndexationOrCgtStartTurnsOnTheDerivedDate) {
    // Settled on Thursday 23/09/1999 and Monday 23/09/1985: bought on the Monday and Wednesday
    // three business days before, by the cut-off for indexation and before CGT began.
    const ImportedTrades read = Read(Header +
                                     "23/09/1999,C1,B 100 ABC @ 10.00,1000.00,,\n"
                                     "23/09/1985,C2,B 100 XYZ @ 1.00,100.00,,\n"
                                     "15/03/2006,C3,S 100 ABC @ 20.00,,2000.00,\n"
                                     "15/03/2006,C4,S 100 XYZ @ 2.00,,200.00,\n");
    MatchResult result;
    ImportProblem problem;
    ASSERT_TRUE(MatchSales(read.list, MatchMethod::Fifo, result, problem)) << problem.reason;
    std::string notes;
    for (const std::string& line : ImportNoteLines(read, result)) notes += line + '\n';
    EXPECT_NE(notes.find("  lines 2 and 4: 100 ABC bought 20/09/1999 (settled 23/09/1999), sold "
                         "10/03/2006 (settled 15/03/2006): bought by 21/09/1999, so its cost may "
                         "be indexed, by the trade date, not by the settlement date\n"),
              std::string::npos)
        << notes;
    EXPECT_NE(notes.find("  lines 3 and 5: 100 XYZ bought 18/09/1985 (settled 23/09/1985), sold "
                         "10/03/2006 (settled 15/03/2006): bought before capital gains tax began "
                         "(20/09/1985) by the trade date, not by the settlement date\n"),
              std::string::npos)
        << notes;
}
