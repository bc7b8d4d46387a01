#include "tools/core/tag_tool_rules.h"

#include <charconv>

#include "base/numbers.h"
#include "store/field_store.h"
#include "store/return_key.h"

std::optional<int> ReadTag(const std::string& text) {
    int field = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, field);
    if (text.empty() || error != std::errc() || stop != end || !IsValidField(field))
        return std::nullopt;
    return field;
}

TagReading GetTag(int field) {
    TagReading reading;
    reading.type = GetFieldType(field);
    switch (reading.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            reading.value = FormatGeneral(GetFieldVal(field));
            break;
        case dtCheckbox:
            reading.checkbox = true;
            reading.ticked = FieldChecked(field);
            break;
        case dtString:
        case dtSmallStr:
            reading.value = GetFieldStr(field);
            break;
        case dtList:
            reading.value = GetFieldText(field);
            break;
        case dtWorksheet:
            reading.value = FieldNotEmpty(field) ? WorksheetExistsText : NoWorksheetsText;
            break;
        default:
            reading.value = UnsupportedDataTypeText;
            break;
    }
    return reading;
}

TagWrite SetTag(int field, const std::string& value, bool tickShown, bool ticked) {
    switch (GetFieldType(field)) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: {
            long double number = 0;
            if (!TryReadNumber(value, number)) number = 0;
            SetFieldVal(field, number);
            return TagWrite::Stored;
        }
        case dtCheckbox:
            if (!tickShown) return TagWrite::RevealCheckbox;
            if (ticked)
                SetFieldChecked(field);
            else
                SetFieldUnchecked(field);
            return TagWrite::Stored;
        case dtString:
        case dtSmallStr:
            if (field == 1 && !KeepsReturnKey(value)) return TagWrite::KeyRefused;
            SetFieldStr(field, value);
            return TagWrite::Stored;
        default:
            return TagWrite::NotWritable;
    }
}
