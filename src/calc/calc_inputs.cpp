#include "calc/calc_inputs.h"

#include "base/dates.h"
#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/indexation.h"
#include "store/field_store.h"

TaxYearDates IncomeYearDates(int taxYear) {
    return {static_cast<double>(EncodeDate(taxYear - 1, 7, 1)),
            static_cast<double>(EncodeDate(taxYear, 6, 30))};
}

// A blank text and the empty date mask never read as a date, so one reading decides what
// IsBlankDate would and gives the date.
double DateOfText(const std::string& text) {
    double serial = 0;
    return TryReadDate(text.substr(0, 10), serial) ? serial : 0;
}

bool IsDateText(const std::string& text) { return !IsBlankDate(text); }

double FieldDate(int field) { return DateOfText(GetFieldStr(field)); }

bool FieldIsDate(int field) { return IsDateText(GetFieldStr(field)); }

long double NumberOfText(const std::string& text) {
    long double value = 0;
    return TryReadNumber(text, value) ? value : 0;
}

long double FieldNumber(int field) {
    const int type = GetFieldType(field);
    if (type == dtString || type == dtSmallStr) {
        std::string text;
        for (char c : GetFieldStr(field))
            if (c != '%' && c != ',') text += c;
        return NumberOfText(text);
    }
    const bool number = type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
    return number ? GetFieldVal(field, true) : 0;
}

std::string ElementCode(const std::string& text) { return TrimmedText(text.substr(0, 2)); }

std::vector<CostElement> ReadCostElements(int field) {
    std::vector<CostElement> rows;
    const TextList* list = GetFieldLst(field);
    if (!list) return rows;
    for (size_t first = 0; first < list->size(); first += CostElementColumns) {
        auto line = [&](size_t col) -> std::string {
            return first + col < list->size() ? (*list)[first + col] : std::string();
        };
        rows.push_back({line(0), line(1), line(2), line(3), line(4), line(5), line(6), line(7)});
    }
    return rows;
}

std::string BaseDateText() {
    if (FieldIsDate(fReplacedAcquisitionDate)) return GetFieldStr(fReplacedAcquisitionDate);
    if (FieldIsDate(fAcquisitionDate)) return GetFieldStr(fAcquisitionDate);
    return {};
}

std::string SectionTwoDateText() {
    if (FieldIsDate(fAcquisitionDate) && FieldIsDate(fCostBaseDate) &&
        FieldDate(fCostBaseDate) < FieldDate(fAcquisitionDate))
        return GetFieldStr(fAcquisitionDate);
    return GetFieldStr(fCostBaseDate);
}

bool SectionTwoAmountsEntered() {
    return GetFieldVal(fSection2Indexed) > 0 || GetFieldVal(fSection2NonIndexed) > 0 ||
           GetFieldVal(fSection2Reduced) > 0;
}

MethodAvailability DateAvailability(double baseDate) {
    const double cutoff = IndexationCutoff();
    const bool replaced = FieldIsDate(fReplacedAcquisitionDate);
    MethodAvailability a;
    a.noIndexation = (baseDate > cutoff && !replaced) ||
                     (FieldChecked(fAcquiredAfter1145) && !replaced) ||
                     (replaced && FieldDate(fReplacedAcquisitionDate) > cutoff) ||
                     FieldChecked(fReplacedAfter1145);
    a.noDiscount = (FieldIsDate(fEventDate) && FieldDate(fEventDate) < cutoff) ||
                   FieldChecked(fEventAfter1145No);
    return a;
}
