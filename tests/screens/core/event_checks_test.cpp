// The payments, event and deferral rules, each at its edges.

#include <gtest/gtest.h>

#include "base/dates.h"
#include "screens/core/asset_tables.h"
#include "screens/core/event_checks.h"

namespace {

double Date(int d, int m, int y) { return static_cast<double>(EncodeDate(y, m, d)); }

std::string MessageOf(const std::optional<Refusal>& refusal) {
    return refusal ? refusal->message : std::string();
}

std::vector<std::string> ShareRow(const std::string& date, const std::string& amount) {
    return {date, "", "Return of capital", amount, "", ""};
}

// Cost, termination value and event date entered; the pool answer left to each test.
DepreciatingInput SoldLaptop() {
    DepreciatingInput in;
    in.cost = "900";
    in.costValue = 900;
    in.termination = "300";
    in.terminationValue = 300;
    in.eventText = "01/03/2006";
    return in;
}

}  // namespace

TEST(TrustPaymentRule, EventDateIsThePaymentOrTheEndOfItsIncomeYear) {
    EXPECT_EQ(TrustPaymentRuleFor("15/05/1998").eventDate, "15/05/1998");
    EXPECT_EQ(TrustPaymentRuleFor("15/08/2003").eventDate, "30/06/2004");
    EXPECT_EQ(TrustPaymentRuleFor("15/03/2004").eventDate, "30/06/2004");
    EXPECT_EQ(TrustPaymentRuleFor("").eventDate, "");
}

TEST(TrustPaymentRule, ColumnsThatDoNotApplyToThePaymentDate) {
    const TrustPaymentRule early = TrustPaymentRuleFor("01/01/1999");
    EXPECT_TRUE(early.concessionReadOnly);
    EXPECT_TRUE(early.blankConcession);
    EXPECT_FALSE(early.afterJune2001);
    const TrustPaymentRule late = TrustPaymentRuleFor("01/07/2001");
    EXPECT_FALSE(late.concessionReadOnly);
    EXPECT_TRUE(late.blankConcession);
    EXPECT_TRUE(late.afterJune2001);
    EXPECT_TRUE(TrustPaymentRuleFor("17/12/1986").taxFreeReadOnly);
    EXPECT_FALSE(TrustPaymentRuleFor("18/12/1986").taxFreeReadOnly);
    EXPECT_TRUE(TrustPaymentRuleFor("30/06/1990").taxExemptedReadOnly);
    EXPECT_FALSE(TrustPaymentRuleFor("01/07/1990").taxExemptedReadOnly);
}

TEST(PaymentsCheck, SharePaymentOnTheEffectiveDateIsRefused) {
    std::vector<std::string> cells = ShareRow("01/07/2004", "100");
    const auto refusal = SharePaymentsLeaveCheck(cells, Date(1, 1, 2000), Date(1, 7, 2004));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->row, 1);
    EXPECT_EQ(refusal->message,
              "Check dates. A non-assessable receipt cannot be received before the cost base "
              "effective date.");
    EXPECT_FALSE(SharePaymentsLeaveCheck(cells, Date(1, 1, 2000), Date(30, 6, 2004)));
}

TEST(PaymentsCheck, FirstFaultyRowStopsTheScan) {
    std::vector<std::string> cells = ShareRow("01/07/2004", "100");
    const std::vector<std::string> second = ShareRow("01/08/2004", "");
    cells.insert(cells.end(), second.begin(), second.end());
    const auto refusal = SharePaymentsLeaveCheck(cells, Date(1, 1, 2000), NoDate);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->message,
              "If either dates and amount are present then all must be completed.");
    EXPECT_EQ(
        MessageOf(SharePaymentsLeaveCheck(ShareRow("01/07/2004", "5"), Date(1, 8, 2004), NoDate)),
        "Check dates. A non-assessable receipt cannot be received before the date of "
        "acquisition.");
    EXPECT_EQ(MessageOf(SharePaymentsLeaveCheck(ShareRow("01/07/1985", "5"), NoDate, NoDate)),
              PreCgtDateMessage);
    // Trust payments want a description with the date, and know no 1985 rule.
    const std::vector<std::string> trust = {"01/07/1985", "", "", "", "", "", "", ""};
    EXPECT_EQ(MessageOf(TrustPaymentsLeaveCheck(trust, NoDate, NoDate)),
              "If either dates and amount are present then all must be completed.");
    std::vector<std::string> described = trust;
    described[2] = "Tax deferred";
    EXPECT_FALSE(TrustPaymentsLeaveCheck(described, NoDate, NoDate));
}

TEST(EventCheck, ProceedsTypedAsZeroPassAndBlankIsRefused) {
    EventInput in;
    in.event = Date(1, 3, 2006);
    in.acquired = Date(1, 1, 2000);
    in.proceedsEntered = true;
    EXPECT_FALSE(EventLeaveCheck(in));
    in.proceedsEntered = false;
    const auto refusal = EventLeaveCheck(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->focus, efProceeds);
    EXPECT_EQ(refusal->message, ProceedsMissingMessage);
}

TEST(EventCheck, BeforeAnExpenseUnlessBeforeCgtStarted) {
    EventInput in;
    in.event = Date(1, 3, 2000);
    in.proceedsEntered = true;
    in.incurred = {Date(1, 4, 2000)};
    EXPECT_EQ(MessageOf(EventLeaveCheck(in)),
              "The date asset disposed of cannot be earlier than date an expense was incurred.");
    in.event = Date(1, 3, 1985);
    EXPECT_EQ(MessageOf(EventLeaveCheck(in)), PreCgtDateMessage);
    in.event = NoDate;
    EXPECT_EQ(MessageOf(EventLeaveCheck(in)), "You must enter the date of the CGT event.");
    in.event = Date(1, 5, 2000);
    in.acquired = Date(1, 6, 2000);
    EXPECT_EQ(MessageOf(EventLeaveCheck(in)),
              "Check dates. A CGT event cannot occur prior to acquisition.");
    in.acquired = NoDate;
    in.effective = Date(1, 6, 2000);
    EXPECT_EQ(MessageOf(EventLeaveCheck(in)),
              "Check dates. You cannot have a CGT event date prior to cost base effective date.");
}

TEST(EventCheck, IncurredDatesComeFromNamedRowsOnly) {
    const std::vector<std::string> cells = {
        "2A - Incidentals", "01/02/2003", "", "", "10", "", "", "", "",
        "01/02/2009",       "",           "", "", "",   "", "",
    };
    const std::vector<double> dates = CostElementIncurredDates(cells);
    ASSERT_EQ(dates.size(), 1u);
    EXPECT_EQ(dates[0], Date(1, 2, 2003));
}

TEST(DepreciatingCheck, LowValuePoolAsksOnlyThePercentage) {
    DepreciatingInput in = SoldLaptop();
    in.poolYes = true;
    auto refusal = DepreciatingLeaveCheck(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->focus, dfPercentage);
    EXPECT_EQ(refusal->message, "You must fill in \"Taxable use percentage\" before moving on.");
    in.percentage = "60.00";
    EXPECT_FALSE(DepreciatingLeaveCheck(in));
}

TEST(DepreciatingCheck, MissingAmountsAndPoolAnswerInOrder) {
    DepreciatingInput in;
    in.termination = "300";
    in.terminationValue = 300;
    const std::string amounts =
        "You must enter amounts in \"Cost\", \"Termination value\" and \"Date of CGT event\" "
        "before moving on.";
    auto refusal = DepreciatingLeaveCheck(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, amounts);
    EXPECT_EQ(refusal->focus, dfCost);
    in.cost = "900";
    in.costValue = 900;
    EXPECT_EQ(DepreciatingLeaveCheck(in)->focus, dfEventDate);
    in.eventText = "01/03/2006";
    EXPECT_EQ(DepreciatingLeaveCheck(in)->focus, dfPool);
    in.poolNo = true;
    EXPECT_EQ(MessageOf(DepreciatingLeaveCheck(in)),
              "You must fill in either \"Taxable use percentage\" or both \"Sum of reductions\" "
              "and \"Total decline\" before moving on.");
}

TEST(DepreciatingCheck, DeclineMustCoverTheReductions) {
    DepreciatingInput in = SoldLaptop();
    in.poolNo = true;
    in.sum = "500";
    in.decline = "400";
    auto refusal = DepreciatingLeaveCheck(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->focus, dfDecline);
    in.sum = "400";
    EXPECT_FALSE(DepreciatingLeaveCheck(in));
    in.percentage = "50";
    EXPECT_EQ(MessageOf(DepreciatingLeaveCheck(in)),
              "Only one of taxable use percentage or sum of reductions and total decline can be "
              "present.");
    in.percentage.clear();
    in.decline.clear();
    EXPECT_EQ(DepreciatingLeaveCheck(in)->focus, dfSum);
}

TEST(DeferralCheck, AnswersInOrderAndTheActiveTypeRule) {
    DeferralInput in;
    in.eventDated = true;
    EXPECT_EQ(DeferralLeaveCheck(in)->focus, xfQ2Yes);
    in.eventDated = false;
    EXPECT_FALSE(DeferralLeaveCheck(in));
    in.q2Yes = true;
    EXPECT_EQ(DeferralLeaveCheck(in)->focus, xfQ3Yes);
    in.q3No = true;
    EXPECT_FALSE(DeferralLeaveCheck(in));
    in.scripAsked = true;
    EXPECT_EQ(DeferralLeaveCheck(in)->focus, xfScripYes);
    in.scripNo = true;
    in.exemption = true;
    in.assetType = "SN";
    EXPECT_EQ(MessageOf(DeferralLeaveCheck(in)),
              "Asset must be of an Active type to claim 15 year active asset exemption.");
    in.assetType = "SA";
    EXPECT_FALSE(DeferralLeaveCheck(in));
}
