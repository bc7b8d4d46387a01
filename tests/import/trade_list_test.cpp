#include "import/trade_list.h"

#include <gtest/gtest.h>

#include "base/dates.h"

namespace {

double D(int day, int month, int year) { return EncodeDate(year, month, day); }

TradeList Read(const std::string& text, const ColumnMap& map = {},
               const std::set<std::string>& exclude = {}) {
    TradeList list;
    ImportProblem problem;
    EXPECT_TRUE(ReadTradeList(text, map, exclude, list, problem))
        << problem.line << ": " << problem.reason;
    return list;
}

ImportProblem Refusal(const std::string& text, const std::set<std::string>& exclude = {}) {
    TradeList list;
    ImportProblem problem;
    EXPECT_FALSE(ReadTradeList(text, {}, exclude, list, problem));
    return problem;
}

const std::string Header = "Trade Date,Code,Buy/Sell,Quantity,Price,Brokerage\n";

}  // namespace

TEST(TradeAmounts, DollarSignsSeparatorsParenthesesAndRounding) {
    Decimal d;
    ASSERT_TRUE(ReadDecimal("$1,234.56", d));
    EXPECT_EQ(ToCents(d), 123456);
    ASSERT_TRUE(ReadDecimal("(1,234.5)", d));
    EXPECT_EQ(ToCents(d), -123450);
    ASSERT_TRUE(ReadDecimal("-$0.05", d));
    EXPECT_EQ(ToCents(d), -5);
    ASSERT_TRUE(ReadDecimal("19.955", d));
    EXPECT_EQ(ToCents(d), 1996);  // an exact half cent away from zero
    ASSERT_TRUE(ReadDecimal("999999999999.99", d));
    EXPECT_EQ(ToCents(d), 99999999999999);
    for (const char* bad : {"", "$", "1.2.3", "12a", "(12", "12)", "--1", ",12", "1.5,0",
                            "12345678901234567890", "0.0000001"})
        EXPECT_FALSE(ReadDecimal(bad, d)) << bad;
    Cents value = 0;
    ASSERT_TRUE(ReadDecimal("4.235", d));
    ASSERT_TRUE(ValueOf(333, d, value));
    EXPECT_EQ(value, 141026);  // 1410.255 rounds up to the cent
    EXPECT_EQ(FormatCents(-5), "-0.05");
    EXPECT_EQ(FormatCents(100000), "1000.00");
    EXPECT_EQ(RoundedDollars(12350), 124);
    EXPECT_EQ(RoundedDollars(12349), 123);
}

TEST(TradeDates, DayMonthYearShortYearsAndIso) {
    double serial = 0;
    ASSERT_TRUE(ReadTradeDate("15/09/2005", serial));
    EXPECT_EQ(serial, D(15, 9, 2005));
    ASSERT_TRUE(ReadTradeDate("5/9/05", serial));
    EXPECT_EQ(serial, D(5, 9, 2005));
    ASSERT_TRUE(ReadTradeDate("2005-09-15", serial));
    EXPECT_EQ(serial, D(15, 9, 2005));
    for (const char* bad :
         {"31/02/2006", "2005-13-01", "15/9/200", "15-09-2005", "", "2005/09/15x"})
        EXPECT_FALSE(ReadTradeDate(bad, serial)) << bad;
}

TEST(TradeList, QuotedFieldsHeadingsAndTotalsAreSkippedAndCounted) {
    const TradeList list = Read(
        "Account 12345 \"Statement\"\n"
        "\n"
        "Trade Date,Settlement Date,ASX Code,Company,Buy/Sell,Quantity,Price,Brokerage (inc "
        "GST),Consideration\n"
        "14/03/2005,17/03/2005,bhp,\"BHP Billiton, Ltd\",Buy,\"1,000\",$9.50,$32.95,\"$9,500.00\"\n"
        "15/09/2005,18/09/2005,BHP,\"The \"\"Big\"\" Miner\",Sell,400,$21.30,29.95,\"8,520.00\"\n"
        "01/10/2005,,BHP,,Dividend,,,,120.00\n"
        ",,,,,,Total,,\"$18,020.00\"\n");
    ASSERT_EQ(list.trades.size(), 2u);
    EXPECT_EQ(list.skipped, 4);  // two headings, the dividend, the totals line
    const Trade& buy = list.trades[0];
    EXPECT_EQ(buy.line, 4);
    EXPECT_EQ(buy.code, "BHP");
    EXPECT_EQ(buy.company, "BHP Billiton, Ltd");
    EXPECT_EQ(buy.kind, TradeKind::Buy);
    EXPECT_EQ(buy.date, D(14, 3, 2005));  // the trade date, not settlement
    EXPECT_EQ(buy.quantity, 1000);
    EXPECT_EQ(buy.value, 950000);
    EXPECT_EQ(buy.brokerage, 3295);
    EXPECT_EQ(list.trades[1].company, "The \"Big\" Miner");
    EXPECT_EQ(list.trades[1].kind, TradeKind::Sell);
    EXPECT_EQ(list.trades[1].value, 852000);
}

TEST(TradeList, OtherLayoutsNetAmountsSeparateBrokerageRowsAndGst) {
    // Semicolons, ISO dates, net amounts with negatives in parentheses, GST in its own column.
    const TradeList net = Read(
        "Date;Symbol;Action;Units;Net Amount;Fees;GST\n"
        "2004-08-12;NAB;Bought;500;(14,069.95);18.14;1.81\n"
        "2006-03-20;NAB;Sold;500;15,605.05;18.14;1.81\n");
    ASSERT_EQ(net.trades.size(), 2u);
    EXPECT_EQ(net.trades[0].brokerage, 1995);
    EXPECT_EQ(net.trades[0].value, 1405000);
    EXPECT_EQ(net.trades[1].value, 1562500);
    // Brokerage on a row of its own, after its trade.
    const TradeList rows = Read(
        "Date,Security,Type,Qty,Consideration\n"
        "3/2/05,CBA,B,100,\"3,000.00\"\n"
        "3/2/05,CBA,Brokerage,,19.95\n");
    ASSERT_EQ(rows.trades.size(), 1u);
    EXPECT_EQ(rows.trades[0].brokerage, 1995);
    EXPECT_EQ(rows.trades[0].value, 300000);
    // Columns named by the user.
    ColumnMap map;
    std::string error;
    ASSERT_TRUE(ParseColumnMap("date=When,code=Stk,action=Dir,quantity=N,price=At", map, error));
    const TradeList mapped = Read("When,Stk,Dir,N,At\n01/07/2005,XYZ,S,10,1.005\n", map);
    ASSERT_EQ(mapped.trades.size(), 1u);
    EXPECT_EQ(mapped.trades[0].value, 1005);
    EXPECT_FALSE(ParseColumnMap("date=When,colour=Red", map, error));
    EXPECT_NE(error.find("colour=Red"), std::string::npos);
}

TEST(TradeList, AnUnreadableTradeStopsWithItsLineAndReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"31/02/2006,BHP,Buy,10,1.00,0", "\"31/02/2006\" is not a date"},
        {"01/02/2006,BHP,Buy,10.5,1.00,0", "not a whole number"},
        {"01/02/2006,BHP,Buy,-10,1.00,0", "negative"},
        {"01/02/2006,BHP,Sell,0,1.00,0", "zero"},
        {"01/02/2006,BHP,Buy,10,abc,0", "the price \"abc\""},
        {"01/02/2006,BHP,Buy,10,,", "neither a price nor an amount"},
        {"01/02/2006,,Buy,10,1.00,0", "no security code"},
    };
    for (const auto& [line, says] : cases) {
        const ImportProblem problem =
            Refusal(Header + "01/01/2005,BHP,Buy,10,1.00,0\n" + line + "\n");
        EXPECT_EQ(problem.line, 3) << line;
        EXPECT_NE(problem.reason.find(says), std::string::npos) << problem.reason;
        EXPECT_FALSE(problem.corporateAction) << line;
    }
    EXPECT_EQ(Refusal("Date,Amount\n1/1/05,3\n").line, 0);  // no usable header at all
}

TEST(TradeList, ACorporateActionStopsUnlessItsSecurityIsExcluded) {
    const std::string text = Header +
                             "01/01/2005,BHP,Buy,10,1.00,0\n"
                             "01/02/2005,WOW,Buy,10,1.00,0\n"
                             "01/03/2005,WOW,Share Split 2:1,10,,\n"
                             "01/04/2005,WOW,Sell,20,1.00,0\n";
    const ImportProblem problem = Refusal(text);
    EXPECT_EQ(problem.line, 4);
    EXPECT_NE(problem.reason.find("WOW: a corporate action (Share Split 2:1) is not supported"),
              std::string::npos);
    EXPECT_TRUE(problem.corporateAction);  // which excluding the security mends
    const TradeList list = Read(text, {}, {"wow"});
    ASSERT_EQ(list.trades.size(), 1u);
    EXPECT_EQ(list.trades[0].code, "BHP");
    ASSERT_EQ(list.excluded.size(), 3u);
    EXPECT_EQ(list.excluded[1].line, 4);
}
