#include "screens/core/summary_rules.h"

#include "calc/asset_types.h"
#include "grid/grid_model.h"
#include "screens/core/asset_tables.h"

int ActiveStatusItem(const std::string& typeCode) {
    if (IsActiveAssetType(typeCode)) return 0;
    if (IsNonActiveAssetType(typeCode) || IsCollectableType(typeCode)) return 1;
    return -1;
}

int AssetKindItem(const std::string& typeCode) {
    if (IsAssetType(typeCode, {"UA", "UN", "SA", "SN"})) return 0;
    if (IsAssetType(typeCode, {"RA", "RN"})) return 1;
    if (IsAssetType(typeCode, {"G", "P", "OA", "ON"})) return 2;
    if (IsCollectableType(typeCode)) return 3;
    return -1;
}

bool ShowsPaymentGains(int worksheet) { return worksheet == 451 || worksheet == 452; }

int WorksheetScrollPosition(int col) {
    if (col > 10) return 675;
    if (col >= 7) return 540;
    if (col < 4) return 0;
    return 250;
}

std::optional<int> RowWithPreCgtDate(const TGridModel& worksheet) {
    for (int row = worksheet.FixedRows(); row < worksheet.RowCount(); ++row)
        for (int col = 0; col <= 3 && col < worksheet.ColCount(); ++col) {
            const double date = ReadDateText(worksheet.Cell(col, row));
            if (DatePresent(date) && date < CgtStartDate()) return row;
        }
    return std::nullopt;
}

const char* const PaymentDateMessage =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\n"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although there\r\n"
    "is an exception for some shares and trust interests.  If your asset falls within this "
    "exception,\r\nyou should manually calculate your capital gain or capital loss";
