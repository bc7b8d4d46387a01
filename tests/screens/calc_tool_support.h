#pragma once
// Returns for the screen walks that compare what the interview stores with what
// "orvana-tax calc" works out for the same answers.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "calc/asset_summary.h"
#include "calc/calc_inputs.h"
#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"
#include "orvana_tax_tool.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"

// A disposal as the asset path stores it, with its summary run as the interview runs it.
inline void AddSoldAsset(int worksheet, const std::string& name, const std::string& type,
                         const std::string& acquired, const std::string& cost,
                         long double proceeds) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, name);
    SetFieldStr(fAssetType, type);
    SetFieldStr(fAcquisitionDate, acquired);
    SetFieldLst(fCostElements, {"1", acquired, acquired, "Purchase", cost, "", "", ""});
    SetFieldStr(fEventDate, "15/10/2005");
    SetFieldVal(fCapitalProceeds, proceeds);
    TGridModel reg, sheet;
    SetUpAssetRegister(reg);
    SetUpCgtWorksheet(sheet);
    ResetSummaryFields(SummaryScreen::General);
    RefreshSummary(reg, sheet, {SummaryScreen::General, IncomeYearDates(TaxYear)});
    PutWorksheetItem(worksheet, WorksheetItemCount(worksheet) + 1);
}

// What "orvana-tax calc FILE --tfn TFN --json OPTION" prints, through a scratch file in `dir`.
inline nlohmann::json CalcToolJson(const TempDir& dir, const std::string& file,
                                   const std::string& tfn, const std::string& option) {
    return CalcJson(file, tfn, option, dir.File("calc.json"));
}
