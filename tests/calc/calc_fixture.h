#pragma once
// An asset item in the scratch fields, built answer by answer, and the two summaries run
// on it with their grids.

#include <string>

#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/payment_worksheet.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "item_answers.h"
#include "store/field_store.h"
#include "store_fixture.h"

class CalcTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        SetUpPaymentWorksheet(payments);
        SetUpAssetRegister(reg);
        SetUpCgtWorksheet(worksheet);
    }

    static void Shares(const std::string& acquired, const std::string& type = "SA") {
        SetFieldStr(fAssetType, type);
        SetFieldStr(fAcquisitionDate, acquired);
        SetFieldStr(fPaymentEventCode, "G1");
    }
    static void Sold(const std::string& date, long double proceeds) {
        SetFieldStr(fEventDate, date);
        SetFieldVal(fCapitalProceeds, proceeds);
    }

    PaymentOutcome RunPayments(PaymentScreen screen = PaymentScreen::Shares) {
        return RefreshPayments(payments, {screen, IncomeYearDates(2006)});
    }
    AssetSummary RunSummary(SummaryScreen screen = SummaryScreen::General) {
        ResetSummaryFields(screen);
        return RefreshSummary(reg, worksheet, {screen, IncomeYearDates(2006)});
    }

    // The first data row whose cell in `col` equals `text`, or -1.
    static int FindRow(const TGridModel& grid, int col, const std::string& text) {
        for (int row = 1; row < grid.RowCount(); ++row)
            if (grid.Cell(col, row) == text) return row;
        return -1;
    }
    static long double Value(int field) { return GetFieldVal(field); }

    TGridModel payments, reg, worksheet;
};
