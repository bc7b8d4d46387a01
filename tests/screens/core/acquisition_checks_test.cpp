// The registration, cost base and cost elements rules, each at its edges.

#include <gtest/gtest.h>

#include "base/dates.h"
#include "screens/core/acquisition_checks.h"
#include "screens/core/asset_tables.h"
#include "store/field_store.h"

namespace {

double Date(int d, int m, int y) { return static_cast<double>(EncodeDate(y, m, d)); }

std::string MessageOf(const std::optional<Refusal>& refusal) {
    return refusal ? refusal->message : std::string();
}

}  // namespace

TEST(RegistrationCheck, EmptyScreenLeavesAndEachRuleInItsOrder) {
    EXPECT_FALSE(RegistrationLeaveCheck({"", false, true, "  /  /    "}));
    auto refusal = RegistrationLeaveCheck({"  ", true, true, ""});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "You must enter a description for this asset/event.");
    EXPECT_EQ(refusal->focus, rfDescription);

    refusal = RegistrationLeaveCheck({"Bhp", false, true, "19/09/1985"});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, PreCgtDateMessage);
    EXPECT_EQ(refusal->focus, rfDate);
    EXPECT_EQ(MessageOf(RegistrationLeaveCheck({"Bhp", false, true, "20/09/1985"})),
              "You must select the Asset/Event type from the drop down box.");
    refusal = RegistrationLeaveCheck({"Bhp", true, true, ""});
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "You must enter the acquisition date.");
    EXPECT_EQ(refusal->focus, rfDate);
    EXPECT_FALSE(RegistrationLeaveCheck({"Bhp", true, false, ""}));
    EXPECT_FALSE(RegistrationLeaveCheck({"Bhp", true, true, "20/09/1985"}));
}

TEST(RegistrationCheck, NextWantsADescriptionOnceAnythingIsEntered) {
    const std::string message =
        "You must select a curent worksheet or enter a description for this asset/event.";
    EXPECT_EQ(MessageOf(RegistrationNextCheck({"", false, true, "01/01/2000"})), message);
    EXPECT_EQ(MessageOf(RegistrationNextCheck({" ", true, true, ""})), message);
    EXPECT_FALSE(RegistrationNextCheck({"", false, true, ""}));
    EXPECT_FALSE(RegistrationNextCheck({"Bhp", false, true, "01/01/2000"}));
}

TEST(CostBaseCheck, RollOverOnTheCutOffDayNeedsTheLegalTimeAnswer) {
    CostBaseInput in;
    in.rollover = Date(21, 9, 1999);
    in.discount = 500;
    in.reduced = 400;
    in.deceasedNo = true;
    auto refusal = CostBaseLeaveCheck(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "If acquisition date was 21/09/1999, you must answer Yes or No.");
    EXPECT_EQ(refusal->focus, cfPreLegalYes);
    in.preLegalNo = true;
    in.effective = Date(1, 1, 2000);
    EXPECT_FALSE(CostBaseLeaveCheck(in));
}

TEST(CostBaseCheck, IndexedAmountAfterTheCutOffIsRefused) {
    CostBaseInput in;
    in.rollover = Date(22, 9, 1999);
    in.indexed = 1000;
    in.reduced = 900;
    in.deceasedYes = true;
    in.effective = Date(1, 10, 1999);
    EXPECT_EQ(MessageOf(CostBaseLeaveCheck(in)),
              "Cannot have a Indexed cost base if the date original asset acquired was after "
              "21/09/1999.");
    EXPECT_FALSE(IndexedCostBaseAllowed(NoDate, in.rollover, false));
    EXPECT_TRUE(IndexedCostBaseAllowed(NoDate, Date(20, 9, 1999), false));
    EXPECT_TRUE(IndexedCostBaseAllowed(Date(1, 1, 1990), NoDate, false));
    EXPECT_TRUE(IndexedCostBaseAllowed(NoDate, Date(21, 9, 1999), true));
}

TEST(CostBaseCheck, TypedZeroBesideAnAmountIsRefusedButBlankPasses) {
    CostBaseInput in;
    in.indexed = 1000;
    in.discount = ZeroMarker;
    in.acquired = Date(1, 1, 1990);
    in.effective = Date(1, 1, 1990);
    auto refusal = CostBaseLeaveCheck(in);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->focus, cfDiscount);
    EXPECT_EQ(refusal->message,
              "You cannot enter a value of zero. If you do not wish to use the discount method "
              "then leave blank.");
    in.discount = 0;
    EXPECT_FALSE(CostBaseLeaveCheck(in));
    in.indexed = ZeroMarker;
    in.discount = 20;
    EXPECT_EQ(CostBaseLeaveCheck(in)->focus, cfIndexed);
}

TEST(CostBaseCheck, LaterRulesInOrder) {
    CostBaseInput in;
    in.rollover = Date(1, 1, 1995);
    EXPECT_EQ(MessageOf(CostBaseLeaveCheck(in)),
              "You must enter the cost base of the asset at the time of roll-over.");
    in.discount = 100;
    EXPECT_EQ(CostBaseLeaveCheck(in)->focus, cfDeceasedNo);
    in.deceasedNo = true;
    EXPECT_EQ(CostBaseLeaveCheck(in)->focus, cfReduced);
    in.assetType = "P ";
    EXPECT_EQ(CostBaseLeaveCheck(in)->focus, cfEffective);
    in.acquired = Date(1, 1, 1994);
    EXPECT_EQ(CostBaseLeaveCheck(in)->focus, cfRollover);
    in.acquired = Date(1, 1, 1996);
    in.effective = Date(1, 6, 1995);
    EXPECT_EQ(MessageOf(CostBaseLeaveCheck(in)),
              "The effective date of the cost base cannot be earlier than the date of "
              "acquisition.");
    in.effective = Date(1, 6, 1996);
    EXPECT_FALSE(CostBaseLeaveCheck(in));
    in.rollover = Date(1, 1, 1985);
    EXPECT_EQ(MessageOf(CostBaseLeaveCheck(in)), PreCgtDateMessage);
}

TEST(CostElementsCheck, RowsAreScannedInOrderAndTheFirstFaultStops) {
    std::vector<CostElementRow> rows = {
        {"2A - Incidentals re holding and acquisition", "01/02/2000", "", "120.00", ""},
        {"6C - Adjustments to the cost base", "01/03/2000", "", "100.00", ""},
        {"1 - Purchase/Acquisition cost", "01/03/2000", "", "", ""},
    };
    auto refusal = CostElementsLeaveCheck(rows, Date(1, 1, 2000), NoDate);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->row, 2);
    EXPECT_EQ(refusal->col, 4);
    EXPECT_EQ(refusal->message,
              "If cost element 6C or 6R is present, amount must be entered as a negative.");
    rows[1].amount = "-100.00";
    refusal = CostElementsLeaveCheck(rows, Date(1, 1, 2000), NoDate);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->row, 3);
    EXPECT_EQ(refusal->col, 0);
    EXPECT_EQ(refusal->message,
              "If either dates and amount are present then all must be completed.");
    rows[2].amount = "900";
    EXPECT_FALSE(CostElementsLeaveCheck(rows, Date(1, 1, 2000), NoDate));
    // With a section 2 effective date only instalments may be element 1.
    EXPECT_EQ(MessageOf(CostElementsLeaveCheck(rows, Date(1, 1, 2000), Date(1, 1, 2000))),
              "If you completed Section 2, Cost element 1 can only be entered if purchased by "
              "instalments.");
    rows[2].element = "1D - Instalment payment";
    EXPECT_FALSE(CostElementsLeaveCheck(rows, Date(1, 1, 2000), Date(1, 1, 2000)));
}

TEST(CostElementsCheck, DatesAndTheExcludedAmount) {
    const CostElementRow early{"4 - Capital expenditure - increases value", "31/12/1999", "", "5",
                               ""};
    EXPECT_EQ(MessageOf(CostElementsLeaveCheck({early}, Date(1, 1, 2000), NoDate)),
              "Check dates. An expense must be incurred no earlier than the acquisition date.");
    EXPECT_EQ(MessageOf(CostElementsLeaveCheck({early}, NoDate, Date(1, 1, 2000))),
              "Check dates. An expense must be incurred no earlier than the effective date "
              "entered previously..");
    const CostElementRow paidEarly{"5 - Capital expenditure - maintain ownership", "01/01/1990",
                                   "01/01/1985", "5", ""};
    EXPECT_EQ(MessageOf(CostElementsLeaveCheck({paidEarly}, NoDate, NoDate)), PreCgtDateMessage);
    const CostElementRow excluded{"5 - Capital expenditure - maintain ownership", "01/01/1990", "",
                                  "50", "60"};
    EXPECT_EQ(MessageOf(CostElementsLeaveCheck({excluded}, NoDate, NoDate)),
              "Check Cost Base adjustment amount entered.  Amount entered must not exceed "
              "original amount already entered.");
}

TEST(AssetTables, ListsDefaultsAndTopicsPerWorksheet) {
    EXPECT_EQ(AssetTypeLines(451)[DefaultAssetTypeLine(451) - 1], "SN - Non-active asset - Shares");
    EXPECT_EQ(DefaultAssetTypeLine(455), 0);
    EXPECT_EQ(AssetTypeLines(456)[DefaultAssetTypeLine(456) - 1],
              "ON - Non-active asset - Other asset or CGT event");
    EXPECT_EQ(LineCode("A  - Collectables"), "A");
    for (const char* code : {"UA", "SA", "RA", "G ", "OA"}) EXPECT_TRUE(IsActiveAssetType(code));
    for (const char* code : {"UN", "SN", "RN", "A ", "P", "ON", ""})
        EXPECT_FALSE(IsActiveAssetType(code));
    EXPECT_EQ(CostElementLines(451).size(), 6u);
    EXPECT_EQ(CostElementLines(455).size(), 5u);
    EXPECT_EQ(CostElementLines(458).back(), "6R - Adjustments to the reduced cost base");
    EXPECT_EQ(CostElementHelpTopic("1D"), 378);
    EXPECT_EQ(CostElementHelpTopic("6R"), 381);
    EXPECT_EQ(CostElementHelpTopic("9"), 0);
    EXPECT_EQ(CostElementColumnHelpSection(1, 452), 2);
    EXPECT_EQ(CostElementColumnHelpSection(1, 454), 9);
    EXPECT_EQ(CostElementColumnHelpSection(7, 454), 8);
    EXPECT_EQ(ExamplesHelpTopic(458), 354);
    EXPECT_EQ(ExamplesHelpTopic(456), 318);
    EXPECT_EQ(RegistrationSkip(452), 8);
    EXPECT_EQ(PathWorksheetOfScreen(2046), 458);
    EXPECT_EQ(PathWorksheetOfScreen(2071), 456);
    EXPECT_EQ(PathWorksheetOfScreen(2018), 0);
    EXPECT_EQ(RegistrationSkip(455), 6);
}
