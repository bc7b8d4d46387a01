#include "screens/core/summary_rules.h"

#include "base/text_encoding.h"
#include "grid/grid_model.h"
#include "screens/core/asset_tables.h"

namespace {
bool OneOf(const std::string& code, std::initializer_list<const char*> codes) {
    for (const char* c : codes)
        if (code == c) return true;
    return false;
}
}  // namespace

int ActiveStatusItem(const std::string& typeCode) {
    const std::string code = TrimmedText(typeCode);
    if (OneOf(code, {"UA", "SA", "RA", "G", "OA"})) return 0;
    if (OneOf(code, {"UN", "SN", "RN", "ON", "A", "P"})) return 1;
    return -1;
}

int AssetKindItem(const std::string& typeCode) {
    const std::string code = TrimmedText(typeCode);
    if (OneOf(code, {"UA", "UN", "SA", "SN"})) return 0;
    if (OneOf(code, {"RA", "RN"})) return 1;
    if (OneOf(code, {"G", "P", "OA", "ON"})) return 2;
    if (code == "A") return 3;
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
