#include "import/parcel_matching.h"

#include <gtest/gtest.h>

#include "base/dates.h"
#include "import/holdings_csv.h"
#include "import/parcel_item_text.h"

namespace {

const std::string Header = "Date,Code,Company,Type,Quantity,Price,Brokerage,Parcel\n";

class ParcelMatching : public ::testing::Test {
protected:
    void Match(const std::string& lines, MatchMethod method = MatchMethod::Fifo) {
        ImportProblem problem;
        ASSERT_TRUE(ReadTradeList(Header + lines, {}, {}, list, problem)) << problem.reason;
        ASSERT_TRUE(MatchSales(list, method, result, problem))
            << problem.line << ": " << problem.reason;
    }
    ImportProblem Refusal(const std::string& lines, MatchMethod method = MatchMethod::Fifo) {
        ImportProblem problem;
        EXPECT_TRUE(ReadTradeList(Header + lines, {}, {}, list, problem)) << problem.reason;
        EXPECT_FALSE(MatchSales(list, method, result, problem));
        return problem;
    }
    // The purchase and sale lines of each part, in order.
    std::vector<std::pair<int, int>> Pairs() const {
        std::vector<std::pair<int, int>> pairs;
        for (const MatchedPart& part : result.parts)
            pairs.emplace_back(part.buy->line, part.sell->line);
        return pairs;
    }

    TradeList list;
    MatchResult result;
};

const std::string ThreeBuys =
    "01/02/2004,NAB,National Australia Bank,Buy,100,20.00,10.00,A\n"      // line 2
    "01/03/2004,NAB,National Australia Bank,Buy,100,25.00,10.00,B\n"      // line 3
    "01/04/2004,NAB,National Australia Bank,Buy,100,30.00,10.00,C\n"      // line 4
    "01/08/2005,NAB,National Australia Bank,Sell,150,40.00,30.00,C;A\n";  // line 5

}  // namespace

TEST_F(ParcelMatching, FirstInFirstOutLastInFirstOutAndNamedParcels) {
    Match(ThreeBuys);
    EXPECT_EQ(Pairs(), (std::vector<std::pair<int, int>>{{2, 5}, {3, 5}}));
    EXPECT_EQ(result.parts[1].quantity, 50);
    EXPECT_EQ(result.parts[1].cost, 125000);
    Match(ThreeBuys, MatchMethod::Lifo);
    EXPECT_EQ(Pairs(), (std::vector<std::pair<int, int>>{{4, 5}, {3, 5}}));
    EXPECT_EQ(result.parts[1].quantity, 50);
    Match(ThreeBuys, MatchMethod::Specific);
    EXPECT_EQ(Pairs(), (std::vector<std::pair<int, int>>{{4, 5}, {2, 5}}));
    EXPECT_EQ(result.parts[1].quantity, 50);
    ASSERT_EQ(result.unsold.size(), 2u);
    EXPECT_EQ(result.unsold[0].buy->line, 2);
    EXPECT_EQ(result.unsold[0].quantity, 50);
    EXPECT_EQ(result.unsold[0].cost, 100000);
}

TEST_F(ParcelMatching, APartParcelsAmountsAddUpToTheCent) {
    // 1,000 units for $3,333.33 with $19.99 brokerage, sold in three lots of 333, 333, 334.
    Match(
        "01/02/2004,TLS,Telstra,Buy,1000,3.33333,19.99,\n"
        "01/08/2005,TLS,Telstra,Sell,333,4.00,9.99,\n"
        "01/09/2005,TLS,Telstra,Sell,333,4.00,9.99,\n"
        "01/10/2005,TLS,Telstra,Sell,334,4.00,9.99,\n");
    ASSERT_EQ(list.trades[0].value, 333333);
    ASSERT_EQ(result.parts.size(), 3u);
    Cents cost = 0, brokerage = 0;
    for (const MatchedPart& part : result.parts) {
        // Each part within a cent of its exact share.
        EXPECT_LE(std::llabs(part.cost * 1000 - 333333 * part.quantity), 1000);
        EXPECT_LE(std::llabs(part.buyBrokerage * 1000 - 1999 * part.quantity), 1000);
        cost += part.cost;
        brokerage += part.buyBrokerage;
    }
    EXPECT_EQ(cost, 333333);
    EXPECT_EQ(brokerage, 1999);
    EXPECT_EQ(result.parts[0].cost, 111000);
    EXPECT_EQ(result.parts[2].cost, 111333);
    EXPECT_EQ(result.parts[0].buyBrokerage, 666);
    EXPECT_EQ(result.parts[1].buyBrokerage, 665);
    EXPECT_TRUE(result.unsold.empty());
}

TEST_F(ParcelMatching, ASaleOverTwoParcelsSharesItsProceedsInCentsAndDollars) {
    // $1,000.50 for 3 units over parcels of 1 and 2: 333.50 and 667.00, $334 and $667.
    Match(
        "01/02/2004,XYZ,,Buy,1,1.00,,\n"
        "01/03/2004,XYZ,,Buy,2,1.00,,\n"
        "01/08/2005,XYZ,,Sell,3,333.50,0.03,\n");
    ASSERT_EQ(result.parts.size(), 2u);
    EXPECT_EQ(result.parts[0].proceeds + result.parts[1].proceeds, 100050);
    EXPECT_EQ(result.parts[0].proceeds, 33350);
    EXPECT_EQ(result.parts[0].proceedsDollars + result.parts[1].proceedsDollars, 1001);
    EXPECT_EQ(result.parts[0].sellBrokerage + result.parts[1].sellBrokerage, 3);
}

TEST_F(ParcelMatching, SalesOutsideTheYearUseParcelsButAreLeftOut) {
    Match(
        "01/02/2004,NAB,,Buy,100,20.00,,\n"
        "01/03/2004,NAB,,Buy,100,25.00,,\n"
        "30/06/2005,NAB,,Sell,100,30.00,,\n"   // the day before the year
        "30/06/2006,NAB,,Sell,50,31.00,,\n"    // its last day
        "01/07/2006,NAB,,Sell,50,32.00,,\n");  // after it
    EXPECT_EQ(Pairs(), (std::vector<std::pair<int, int>>{{3, 5}}));
    ASSERT_EQ(result.outsideYear.size(), 2u);
    EXPECT_EQ(result.outsideYear[0]->line, 4);
    EXPECT_EQ(result.outsideYear[1]->line, 6);
}

TEST_F(ParcelMatching, SameDayPurchaseComesFirstWhateverTheLineOrder) {
    Match(
        "15/08/2005,BHP,,Sell,10,12.00,,\n"
        "15/08/2005,BHP,,Buy,10,11.00,,\n");
    EXPECT_EQ(Pairs(), (std::vector<std::pair<int, int>>{{3, 2}}));
}

TEST_F(ParcelMatching, OversoldUnheldAndWronglyNamedSalesStopWithTheirLine) {
    ImportProblem problem = Refusal(
        "01/02/2004,NAB,,Buy,100,20.00,,\n"
        "01/08/2005,NAB,,Sell,60,30.00,,\n"
        "01/09/2005,NAB,,Sell,41,30.00,,\n");
    EXPECT_EQ(problem.line, 4);
    EXPECT_EQ(problem.reason, "a sale of 41 NAB when only 40 are held");
    problem = Refusal(
        "01/08/2005,CBA,,Sell,10,30.00,,\n"
        "01/09/2005,CBA,,Buy,10,30.00,,\n");
    EXPECT_EQ(problem.line, 2);
    EXPECT_EQ(problem.reason, "a sale of 10 CBA before any purchase of it");
    problem = Refusal(ThreeBuys + "01/09/2005,NAB,,Sell,10,30.00,,Z\n", MatchMethod::Specific);
    EXPECT_EQ(problem.line, 6);
    EXPECT_NE(problem.reason.find("parcel \"Z\""), std::string::npos);
    problem = Refusal(ThreeBuys + "01/09/2005,NAB,,Sell,60,30.00,,A\n", MatchMethod::Specific);
    EXPECT_EQ(problem.line, 6);
    EXPECT_NE(problem.reason.find("hold only 50"), std::string::npos);
    problem = Refusal(ThreeBuys + "01/09/2005,NAB,,Sell,10,30.00,,\n", MatchMethod::Specific);
    EXPECT_EQ(problem.reason, "the sale names no parcel to match");
}

TEST_F(ParcelMatching, ItemNamesFitTheFieldAndMarksTellPartsApart) {
    Match(
        "01/02/2004,NAB,A Very Long Company Name Indeed Limited,Buy,123456,1.00,,\n"
        "01/08/2005,NAB,,Sell,100,2.00,,\n"
        "01/09/2005,NAB,,Sell,100,2.00,,\n");
    ASSERT_EQ(result.parts.size(), 2u);
    EXPECT_EQ(PartItemName(result.parts[0]), "NAB A Very Long Company N 100 01/02/2004");
    EXPECT_LE(PartItemName(result.parts[0]).size(), ItemNameLength);
    EXPECT_NE(PartImportMark(result.parts[0]), PartImportMark(result.parts[1]));
    EXPECT_EQ(PartImportMark(result.parts[0]).rfind(ImportMarkPrefix, 0), 0u);
}

TEST_F(ParcelMatching, SmallestGainFirstCountsTheDiscountOfParcelsHeldOverAYear) {
    // A sale at $40 a unit: the $50 parcel loses $10 a unit, the $38 one held under a year
    // gains $2, the $30 one $10 halved to $5, the $20 one $20 halved to $10.
    Match(
        "01/02/2004,NAB,,Buy,100,20.00,,\n"
        "01/06/2005,NAB,,Buy,100,38.00,,\n"
        "01/04/2004,NAB,,Buy,100,30.00,,\n"
        "01/05/2004,NAB,,Buy,100,50.00,,\n"
        "01/08/2005,NAB,,Sell,250,40.00,,\n",
        MatchMethod::MinGain);
    EXPECT_EQ(Pairs(), (std::vector<std::pair<int, int>>{{5, 6}, {3, 6}, {4, 6}}));
    EXPECT_EQ(result.parts[2].quantity, 50);
    MatchMethod method;
    ASSERT_TRUE(ReadMatchMethod("min-gain", method));
    EXPECT_EQ(method, MatchMethod::MinGain);
    EXPECT_FALSE(ReadMatchMethod("smallest", method));
}

TEST_F(ParcelMatching, UnsoldParcelsWrittenAsAListReadBackToTheSameParcels) {
    Match(
        "01/02/2004,NAB,\"Bank, National\",Buy,100,20.00,9.99,\n"
        "01/03/2004,TLS,Telstra,Buy,300,3.33333,19.99,T1\n"
        "01/08/2005,NAB,,Sell,30,40.00,,\n"
        "01/09/2005,TLS,,Sell,100,4.00,,\n");
    const std::string csv = HoldingsCsv(result.unsold);
    EXPECT_EQ(csv,
              "Trade Date,Code,Company,Buy/Sell,Quantity,Consideration,Brokerage,Parcel\n"
              "01/02/2004,NAB,\"Bank, National\",Buy,70,1400.00,6.99,line 2\n"
              "01/03/2004,TLS,Telstra,Buy,200,666.67,13.33,T1\n");
    TradeList again;
    ImportProblem problem;
    ASSERT_TRUE(ReadTradeList(csv, {}, {}, again, problem)) << problem.reason;
    ASSERT_EQ(again.trades.size(), 2u);
    EXPECT_EQ(again.trades[0].company, "Bank, National");
    EXPECT_EQ(again.trades[1].value, 66667);
    EXPECT_EQ(again.trades[1].brokerage, 1333);
    EXPECT_EQ(again.trades[1].parcel, "T1");
}
