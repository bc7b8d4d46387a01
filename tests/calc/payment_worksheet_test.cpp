#include "calc/payment_worksheet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/payment_rows.h"
#include "calc_fixture.h"

namespace {

class PaymentTest : public CalcTest {
protected:
    // Shares bought on 01/07/2000 for 1,000.
    void SetUp() override {
        CalcTest::SetUp();
        Shares("01/07/2000");
        AddCost("1", "01/07/2000", "1000");
    }
    int RowOf(const std::string& description) {
        return FindRow(payments, pcDescription, description);
    }
    std::string Totals(int row) {
        return payments.Cell(pcTotalNonIndexed, row) + "|" + payments.Cell(pcTotalIndexed, row) +
               "|" + payments.Cell(pcTotalReduced, row);
    }
};

}  // namespace

TEST_F(PaymentTest, ReturnBelowTheCostBaseReducesAllThreeCostBases) {
    AddSharePayment("01/03/2005", "300");
    const PaymentOutcome outcome = RunPayments();
    EXPECT_TRUE(outcome.stepRan);
    EXPECT_EQ(Totals(RowOf("Total Cost bases at 01/03/2005")), "   1000.00|   1000.00|   1000.00");
    EXPECT_EQ(Totals(RowOf("Receipt adjustments at 01/03/2005")),
              "    300.00|    300.00|    300.00");
    EXPECT_EQ(Totals(RowOf("Adjusted Costbase 01/03/2005")), "    700.00|    700.00|    700.00");
    EXPECT_EQ(GetFieldStr(fPaymentCostBaseDate), "01/03/2005");
    EXPECT_EQ(Value(fPaymentNonIndexed), 700);
    EXPECT_EQ(Value(fPaymentIndexed), 700);
    EXPECT_EQ(Value(fPaymentReduced), 700);
    EXPECT_EQ(Value(fPaymentDiscountGain) + Value(fPaymentDiscountGainPriorYears), 0);
    EXPECT_TRUE(FieldNotChecked(fPaymentGainThisYear));
    // The worksheet is saved with the item.
    ASSERT_NE(GetFieldLst(fPaymentWorksheet), nullptr);
    EXPECT_EQ(GetFieldLst(fPaymentWorksheet)->size() % PaymentWorksheetColumns, 0u);
}

TEST_F(PaymentTest, ExcessOfThisYearIsAGainAndUsesUpTheCostBase) {
    AddSharePayment("01/08/2005", "1200");
    const PaymentOutcome outcome = RunPayments();
    EXPECT_EQ(Value(fPaymentDiscountGain), 200);
    EXPECT_EQ(Value(fPaymentDiscountGainPriorYears), 0);
    // Acquired after 21/09/1999: no indexed gain.
    EXPECT_FALSE(outcome.indexedEnabled);
    EXPECT_EQ(Value(fPaymentIndexedGain), 0);
    EXPECT_TRUE(FieldChecked(fPaymentGainThisYear));
    // Used up exactly: nothing left, kept as an explicit zero.
    EXPECT_TRUE(IsZeroMarker(fPaymentNonIndexed));
    EXPECT_TRUE(IsZeroMarker(fPaymentReduced));
}

TEST_F(PaymentTest, ExcessOfAPriorYearGoesToThePriorYearColumn) {
    AddSharePayment("01/08/2004", "1200");
    RunPayments();
    EXPECT_EQ(Value(fPaymentDiscountGain), 0);
    EXPECT_EQ(Value(fPaymentDiscountGainPriorYears), 200);
    EXPECT_TRUE(FieldNotChecked(fPaymentGainThisYear));
}

TEST_F(PaymentTest, WithoutTheDiscountTheGainMovesToTheOtherMethod) {
    SetFieldStr(fEventDate, "01/02/2001");  // held less than 12 months
    AddSharePayment("01/08/2000", "1200");
    const PaymentOutcome outcome = RunPayments();
    EXPECT_FALSE(outcome.discountEnabled);
    EXPECT_EQ(Value(fPaymentDiscountGainPriorYears), 0);
    EXPECT_EQ(Value(fPaymentOtherGainPriorYears), 200);
}

TEST_F(PaymentTest, SecondPaymentStartsFromTheCostBaseCarriedForwardAndIndexedAgain) {
    ClearField(fCostElements);
    Shares("15/08/1990");
    AddCost("1", "15/08/1990", "10000");
    AddSharePayment("01/03/1995", "1000");
    AddSharePayment("01/03/2005", "1000");
    RunPayments();
    // First: factor 114.7 / 103.3 = 1.110, indexed 11,100 less 1,000.
    EXPECT_EQ(Totals(RowOf("Adjusted Costbase 01/03/1995")), "   9000.00|  10100.00|   9000.00");
    const int carried = RowOf("Cost base - Indexed at 01/03/1995");
    ASSERT_GT(carried, 0);
    EXPECT_EQ(payments.Cell(pcIncurred, carried), "02/03/1995");
    EXPECT_NE(RowOf("Cost base - non-indexed  at 01/03/1995"), -1);
    EXPECT_NE(RowOf("Reduced cost base at 01/03/1995"), -1);
    // Second: 10,100 indexed from the day after, 123.4 / 114.7 = 1.076 -> 10,868.
    EXPECT_EQ(payments.Cell(pcFactor, carried), "     1.076");
    EXPECT_EQ(Value(fPaymentIndexed), 10868 - 1000);
    EXPECT_EQ(Value(fPaymentNonIndexed), 8000);
    EXPECT_EQ(Value(fPaymentReduced), 8000);
    EXPECT_EQ(GetFieldStr(fPaymentCostBaseDate), "01/03/2005");
}

TEST_F(PaymentTest, CostAfterTheLastPaymentIsLeftOut) {
    AddCost("4", "01/06/2005", "5000");
    AddSharePayment("01/03/2005", "300");
    RunPayments();
    EXPECT_EQ(FindRow(payments, pcIncurred, "01/06/2005"), -1);
    EXPECT_EQ(Value(fPaymentNonIndexed), 700);
}

TEST_F(PaymentTest, NoPaymentsLeaveOnlySectionTwoRowsAndClearEarlierResults) {
    ClearField(fCostElements);
    SetFieldVal(fSection2Indexed, 1000);
    SetFieldVal(fSection2NonIndexed, 1000);
    SetFieldVal(fSection2Reduced, 1000);
    SetFieldStr(fCostBaseDate, "01/07/2000");
    // Results of a payment entered earlier and removed since.
    SetFieldStr(fPaymentCostBaseDate, "01/03/2005");
    SetFieldVal(fPaymentNonIndexed, 700);
    SetFieldVal(fPaymentDiscountGain, 50);
    SetFieldChecked(fPaymentGainThisYear);
    const PaymentOutcome outcome = RunPayments();
    EXPECT_FALSE(outcome.stepRan);
    EXPECT_EQ(payments.Cell(pcCode, 1), "1A");
    EXPECT_EQ(payments.Cell(pcCode, 2), "1B");
    EXPECT_EQ(payments.Cell(pcCode, 3), "1C");
    EXPECT_TRUE(payments.RowBlank(4));
    EXPECT_TRUE(FieldEmpty(fPaymentCostBaseDate));
    EXPECT_TRUE(FieldEmpty(fPaymentNonIndexed));
    EXPECT_TRUE(FieldEmpty(fPaymentDiscountGain));
    EXPECT_TRUE(FieldNotChecked(fPaymentGainThisYear));
}

TEST_F(PaymentTest, TwoReturnsOnOneDayEachReduceWhatIsLeft) {
    AddSharePayment("01/03/2005", "300");
    AddSharePayment("01/03/2005", "300");
    RunPayments();
    EXPECT_EQ(Value(fPaymentNonIndexed), 400);
    EXPECT_EQ(Value(fPaymentIndexed), 400);
    EXPECT_EQ(Value(fPaymentReduced), 400);
    EXPECT_EQ(Value(fPaymentDiscountGain) + Value(fPaymentDiscountGainPriorYears), 0);
}

TEST_F(PaymentTest, TwoReturnsOnOneDayOnlyTheExcessOverWhatRemainsIsAGain) {
    AddSharePayment("01/08/2005", "700");
    AddSharePayment("01/08/2005", "500");
    RunPayments();
    EXPECT_TRUE(IsZeroMarker(fPaymentNonIndexed));
    EXPECT_EQ(Value(fPaymentDiscountGain), 200);
    EXPECT_TRUE(FieldChecked(fPaymentGainThisYear));

    ClearField(fPayments);
    AddSharePayment("01/03/2005", "700");
    AddSharePayment("01/03/2005", "500");
    RunPayments();
    EXPECT_EQ(Value(fPaymentDiscountGain), 0);
    EXPECT_EQ(Value(fPaymentDiscountGainPriorYears), 200);
}

TEST_F(PaymentTest, TrustPaymentsOfOneEventDateMakeOneReceipt) {
    SetFieldStr(fAssetType, "UA");
    SetFieldStr(fPaymentEventCode, "E4");
    AddTrustPayment("30/06/2005", "30/06/2005", "", "", "", "100");
    AddTrustPayment("30/06/2005", "30/06/2005", "", "", "", "50");
    RunPayments(PaymentScreen::Trusts);
    const int receipt = FindRow(payments, pcCode, "B");
    ASSERT_GT(receipt, 0);
    EXPECT_EQ(payments.Cell(pcReceipt, receipt), "0");
    EXPECT_EQ(payments.Cell(pcReceiptCost, receipt), "-150");
    EXPECT_EQ(payments.Cell(pcReceiptReduced, receipt), "-150");
    EXPECT_EQ(payments.Cell(pcEvent, receipt), "E4");
    EXPECT_EQ(FindRow(payments, pcDescription, "Capital receipt"), receipt);
    int receipts = 0;
    for (int row = 1; row < payments.RowCount(); ++row)
        receipts += payments.Cell(pcCode, row) == "B";
    EXPECT_EQ(receipts, 1);
    EXPECT_NE(FindRow(payments, pcDescription, "Cost bases at 30/06/2005"), -1);
    EXPECT_EQ(Value(fPaymentNonIndexed), 850);
    EXPECT_EQ(Value(fPaymentReduced), 850);
}

TEST_F(PaymentTest, TrustTaxFreeAmountsReduceOnlyTheReducedCostBase) {
    SetFieldStr(fAssetType, "UA");
    AddTrustPayment("30/06/2005", "30/06/2005", "10", "35", "99", "100");
    RunPayments(PaymentScreen::Trusts);
    EXPECT_EQ(Value(fPaymentNonIndexed), 1000 - 110);
    EXPECT_EQ(Value(fPaymentReduced), 1000 - 145);  // tax exempted amounts change nothing
    // The carried cost base of a trust is effective on the payment date itself.
    const int carried = FindRow(payments, pcDescription, "Cost base - Indexed at 30/06/2005");
    ASSERT_GT(carried, 0);
    EXPECT_EQ(payments.Cell(pcIncurred, carried), "30/06/2005");
    EXPECT_EQ(payments.Cell(pcSortDate, carried), "01/07/2005");
}

TEST_F(PaymentTest, CostWithoutACpiIsNotIndexedInsteadOfDividingByZero) {
    ClearField(fCostElements);
    Shares("15/03/1985", "UA");
    AddCost("1", "15/03/1985", "1000");
    AddTrustPayment("01/03/2005", "01/03/2005", "", "", "", "100");
    RunPayments(PaymentScreen::Trusts);
    const int cost = FindRow(payments, pcIncurred, "15/03/1985");
    ASSERT_GT(cost, 0);
    EXPECT_EQ(payments.Cell(pcFactor, cost), "     1.000");
    EXPECT_EQ(payments.Cell(pcCpiIncurred, cost), "     123.4");
    EXPECT_TRUE(std::isfinite(static_cast<double>(Value(fPaymentIndexed))));
    EXPECT_EQ(Value(fPaymentIndexed), 900);
}

TEST_F(PaymentTest, AnExactDecimalHalfOfTheFactorRoundsUp) {
    // Cost in the December 1997 quarter (CPI 120.0), a capital return in the March 1998
    // quarter (120.3): the factor 1.0025 is 1.003, so 10,000 is indexed to 10,030.
    ClearField(fCostElements);
    ClearField(fPayments);
    Shares("15/11/1997");
    AddCost("1", "15/11/1997", "10000");
    AddSharePayment("15/02/1998", "1000");
    Sold("01/03/2006", 20000);
    RunPayments();
    const int row = FindRow(payments, pcIncurred, "15/11/1997");
    ASSERT_GT(row, 0);
    EXPECT_EQ(payments.Cell(pcFactor, row), "     1.003");
    EXPECT_EQ(Value(fPaymentIndexed), 9030);
    EXPECT_EQ(Value(fPaymentNonIndexed), 9000);
}
