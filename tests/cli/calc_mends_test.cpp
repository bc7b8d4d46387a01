// "orvana-tax calc" on saved returns whose answers once gave wrong figures: stale payment
// results, a receipt of a typed zero, a padded type code and an exact half of the factor.

#include "orvana_tax_fixture.h"

namespace {

constexpr const char* Tfn = "123 456 782";

class CalcMendsTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Tax({"new", file, "--tfn", Tfn, "--name", "Alex Sample"}).status, 0);
    }
    void Set(std::vector<std::string> assignments) {
        assignments.insert(assignments.begin(), {"set", file, "--tfn", Tfn});
        const ToolRun run = Tax(assignments);
        ASSERT_EQ(run.status, 0) << run.err;
    }
    json Calc() {
        const ToolRun run = Tax({"calc", file, "--tfn", Tfn, "--auto", "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.status == 0 ? json::parse(run.out) : json();
    }
    static json ItemFields(const json& result, int worksheet) {
        for (const json& item : result["assets"])
            if (item["worksheet"] == worksheet) return CalcByNumber(item["results"]);
        ADD_FAILURE() << "no item of worksheet " << worksheet;
        return json::object();
    }
};

}  // namespace

TEST_F(CalcMendsTest, StalePaymentResultsOfAnEmptyListAreCleared) {
    Set({"1202.1.710=text:Shares", "1202.1.714=text:SN", "1202.1.726=text:01/07/2000",
         "1202.1.737=lines:1|01/07/2000|01/07/2000|Purchase|1000|||", "1202.1.739=text:01/03/2006",
         "1202.1.742=currency:3000",
         // What a payment step of an earlier visit left in the item.
         "1202.1.1151=text:01/03/2005", "1202.1.1152=currency:100", "1202.1.1153=currency:100",
         "1202.1.1154=currency:100", "1202.1.1155=currency:50", "1202.1.1198=check"});
    const json result = Calc();
    const json fields = ItemFields(result, 451);
    EXPECT_EQ(fields.value("1112", 0.0), 1000);
    EXPECT_EQ(fields.value("1135", 0.0), 2000);
    for (const char* stale : {"1152", "1153", "1154", "1155"})
        EXPECT_FALSE(fields.contains(stale)) << stale;
    EXPECT_EQ(fields.value("1198", true), false);
    EXPECT_EQ(CalcByNumber(result["schedule"]).value("733", 0.0), 2000);
    EXPECT_EQ(CalcByNumber(result["returnLabels"]).value("1578", 0.0), 1000);
}

TEST_F(CalcMendsTest, AReceiptOfATypedZeroIsStoredInWholeDollars) {
    Set({"1213.1.710=text:Forfeited Deposit", "1213.1.714=text:ON", "1213.1.1136=currency:0.0011",
         "1213.1.1137=currency:29062"});
    const json fields = ItemFields(Calc(), 462);
    EXPECT_EQ(fields.value("1141", 0.0), 29062);
}

TEST_F(CalcMendsTest, SharesSoldForNothingSetAsZeroMakeTheirCapitalLoss) {
    Set({"1202.1.710=text:Worthless shares", "1202.1.714=text:SN", "1202.1.726=text:01/07/2003",
         "1202.1.737=lines:1|01/07/2003|01/07/2003|Purchase|5000|||", "1202.1.739=text:01/03/2006",
         "1202.1.742=currency:0"});
    const json result = Calc();
    EXPECT_EQ(CalcByNumber(result["returnLabels"]).value("175", 0.0), 5000) << result.dump(1);
}

TEST_F(CalcMendsTest, APaddedPersonalUseTypeKeepsItsCostsOfOwnershipOut) {
    Set({"1206.1.710=text:Boat", "1206.1.714=text:P ", "1206.1.726=text:01/10/1999",
         "1206.1.737=lines:1|01/10/1999|01/10/1999|Purchase|10000||||"
         "3A|01/01/2002|01/01/2002|Insurance|500.50|||",
         "1206.1.739=text:01/11/2005", "1206.1.742=currency:12000"});
    const json result = Calc();
    const json fields = ItemFields(result, 455);
    EXPECT_EQ(fields.value("1112", 0.0), 10000);
    EXPECT_EQ(fields.value("1135", 0.0), 2000);
    EXPECT_EQ(CalcByNumber(result["returnLabels"]).value("1578", 0.0), 1000);
}

TEST_F(CalcMendsTest, AnExactDecimalHalfOfTheFactorRoundsUp) {
    // CPI 120.0 when bought, 120.3 when the capital return came: 10,000 indexes to 10,030.
    Set({"1202.1.710=text:Shares", "1202.1.714=text:SN", "1202.1.726=text:15/11/1997",
         "1202.1.737=lines:1|15/11/1997|15/11/1997|Purchase|10000|||",
         "1202.1.738=lines:15/02/1998|15/02/1998|Capital return|1000||", "1202.1.748=text:G1",
         "1202.1.739=text:01/03/2006", "1202.1.742=currency:20000"});
    const json fields = ItemFields(Calc(), 451);
    EXPECT_EQ(fields.value("1153", 0.0), 9030);
    EXPECT_EQ(fields.value("1152", 0.0), 9000);
}
