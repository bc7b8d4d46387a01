#include "controls/core/tax_edit_rules.h"

#include <cmath>

#include "base/dates.h"
#include "base/numbers.h"
#include "base/whole_dollar_cents.h"
#include "store/field_store.h"

namespace {

// Enough significant digits that no amount a field can show turns into exponent form.
constexpr int PlainPrecision = 40;
// Significant digits of numeric displays when the field has no length limit.
constexpr int DefaultSignificant = 18;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsNumberChar(char c) { return IsDigit(c) || c == '-' || c == DecimalSeparator; }

bool IsControl(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code < 32 || code == 127;
}

char UpperCased(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (code >= 0xE0 && code <= 0xFE && code != 0xF7) return static_cast<char>(code - 0x20);
    return c;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool AllAllowed(const CharSet& allowed, const std::string& text, char alsoAllowed = 0) {
    for (char c : text)
        if (!Contains(allowed, c) && !(alsoAllowed && c == alsoAllowed)) return false;
    return true;
}

bool NearZero(long double value) { return std::fabs(value) < 0.001L; }

bool RoundsToDecimals(TNumericType type) {
    return type == ntCurrency || type == ntCurrencyCnt || type == ntPercentage || type == ntCPI ||
           type == ntDec2;
}

// The fraction rounded to the field's decimals (or dropped without rounding). Amounts near
// zero keep their value so that the entered-zero marker survives.
long double RoundedToDecimals(const TaxEditSettings& settings, long double value) {
    if (!RoundsToDecimals(settings.type) || settings.decimals <= 0) return value;
    if (std::fabs(value) <= 0.005L) return value;
    const long double integer = Trunc(value);
    const long double scale = std::pow(10.0L, settings.decimals);
    const long double fraction =
        settings.useRounding ? RoundEven((value - integer) * scale) / scale : 0.0L;
    return integer + fraction;
}

int IntegerDigits(long double value) {
    const std::string digits = FormatFixed(std::fabs(value), PlainPrecision, 0);
    return static_cast<int>(digits.size());
}

std::string NumericText(const TaxEditSettings& settings, long double value) {
    int significant = settings.maxLength > 0 ? settings.maxLength : DefaultSignificant;
    // A value wider than the field is still shown in full rather than in exponent form,
    // which would not read back.
    significant = std::max(significant, IntegerDigits(value));
    return FormatFixed(value, significant, settings.decimals);
}

std::string ZeroPadded(const std::string& text, int length) {
    if (length <= 0 || static_cast<int>(text.size()) >= length) return text;
    const size_t signLength = !text.empty() && text[0] == '-' ? 1 : 0;
    std::string padded = text;
    padded.insert(signLength, std::string(length - text.size(), '0'));
    return padded;
}

std::string AmountText(const TaxEditSettings& settings, long double value) {
    if (NearZero(value)) return {};
    switch (settings.type) {
        case ntCurrency:
            return FormatFixed(value, PlainPrecision, 0);
        case ntCurrencyCnt:
            return FormatFixed(value, PlainPrecision, 2);
        case ntPercentage:
            if (value == ZeroMarker) return FormatFixed(0, PlainPrecision, settings.decimals) + "%";
            return FormatFixed(value, PlainPrecision, 2) + "%";
        case ntNumeric:
        case ntCPI:
            return NumericText(settings, value);
        case ntDec2:
            return ZeroPadded(NumericText(settings, value), settings.maxLength);
        default:
            return {};
    }
}

bool IsBlankDateText(const std::string& trimmed) { return trimmed.empty() || trimmed == "/  /"; }

bool ReadDateText(const std::string& trimmed, double& serial) {
    return TryReadDate(InsertDateSeparators(trimmed), serial);
}

LeaveOutcome Refused(const FieldContent& content, std::string message, bool beep) {
    LeaveOutcome outcome;
    outcome.accepted = false;
    outcome.beep = beep;
    outcome.message = std::move(message);
    outcome.content = content;
    return outcome;
}

LeaveOutcome Accepted(const TaxEditSettings& settings, const FieldContent& content) {
    LeaveOutcome outcome;
    outcome.content = FormatDisplay(settings, content);
    return outcome;
}

LeaveOutcome LeaveDate(const TaxEditSettings& settings, FieldContent content) {
    const std::string trimmed = Trimmed(content.text);
    if (!IsBlankDateText(trimmed)) {
        double serial = 0;
        if (!ReadDateText(trimmed, serial)) return Refused(content, DateFormatMessage(), true);
        content.dateValue = serial;
        return Accepted(settings, content);
    }
    content.dateValue = NoDate;
    // A mandatory date refuses like every other mandatory field, so the taxpayer cannot
    // move on without it.
    if (settings.mandatory) return Refused(content, MandatoryMessage, false);
    return Accepted(settings, content);
}

}  // namespace

std::string RangeMessage(long double minVal, long double maxVal) {
    return "Value must be between " + FormatGeneral(minVal) + " and " + FormatGeneral(maxVal);
}

std::string DateFormatMessage() {
    return std::string("The date must be in ") + ShortDateFormat + " format !";
}

KeyDecision FilterKey(const TaxEditSettings& settings, const std::string& text, size_t position,
                      char key) {
    if (IsControl(key)) return {KeyAction::Default, key};
    const bool unrestricted = settings.allowed.none();
    if (!unrestricted && !Contains(settings.allowed, key)) return {KeyAction::Refuse, key};
    if (HasSignedNumberKeys(settings.type)) {
        if ((key == '-' || key == DecimalSeparator) && text.find(key) != std::string::npos)
            return {KeyAction::Refuse, key};
        if (key == '-' && !text.empty()) return {KeyAction::PrependMinus, key};
        const int room = settings.maxLength - settings.decimals - 2;
        if (settings.decimals > 0 && settings.maxLength > 0 &&
            text.find(DecimalSeparator) == std::string::npos && key != '-' &&
            key != DecimalSeparator && static_cast<int>(text.size()) > room)
            return {KeyAction::Refuse, key};
    }
    if ((settings.type == ntNone || settings.type == ntSpecial) && settings.capitaliseWords) {
        const bool wordStart = position == 0 || text[std::min(position, text.size()) - 1] == ' ';
        if (wordStart) return {KeyAction::Insert, UpperCased(key)};
    }
    return {KeyAction::Insert, key};
}

bool IsWholeDollarField(const TaxEditSettings& settings) { return settings.type == ntCurrency; }

bool CentsFilter::Refuses(const TaxEditSettings& settings, char key) {
    return RefusesCents(IsWholeDollarField(settings), inCents_, key);
}

std::string MinusMovedToFront(const std::string& text) {
    const size_t minus = text.find('-');
    if (minus == std::string::npos || minus == 0) return text;
    std::string moved = "-";
    for (char c : text)
        if (IsDigit(c) || c == DecimalSeparator) moved += c;
    return moved;
}

NumberReading ReadNumValue(const std::string& text) {
    const std::string signedText = MinusMovedToFront(text);
    std::string kept;
    for (size_t i = 0; i < signedText.size(); ++i) {
        const char c = signedText[i];
        if (IsDigit(c) || c == DecimalSeparator || (c == '-' && i == 0)) kept += c;
    }
    if (kept.empty() || kept == "-") return {true, 0};
    // Any spelling of zero ("0", "0.00", "000") is a zero the taxpayer entered.
    if (kept.find_first_of("123456789") == std::string::npos &&
        kept.find('0') != std::string::npos && kept.find('.') == kept.rfind('.'))
        return {true, ZeroMarker};
    NumberReading reading;
    reading.valid = TryReadNumber(kept, reading.value);
    if (!reading.valid) reading.value = 0;
    return reading;
}

long double NumValueOf(const TaxEditSettings& settings, const std::string& text,
                       long double storedValue) {
    return ReadsValueFromText(settings.type) ? ReadNumValue(text).value : storedValue;
}

std::string StripForEditing(TNumericType type, const std::string& text) {
    if (!StripsOnEntry(type)) return text;
    std::string stripped;
    for (char c : text)
        if (IsNumberChar(c)) stripped += c;
    return stripped;
}

std::string ValidateValue(const TaxEditSettings& settings, const std::string& text,
                          long double storedValue) {
    const std::string trimmed = Trimmed(text);
    if (trimmed.empty()) return settings.mandatory ? MandatoryMessage : "";
    if (ReadsValueFromText(settings.type) && !ReadNumValue(trimmed).valid)
        return InvalidNumberMessage;
    const long double value = NumValueOf(settings, trimmed, storedValue);
    if (settings.validate && value != ZeroMarker &&
        (value < settings.minVal || value > settings.maxVal))
        return RangeMessage(settings.minVal, settings.maxVal);
    if (settings.allowed.any() &&
        !AllAllowed(settings.allowed, trimmed, settings.type == ntPercentage ? '%' : 0))
        return InvalidCharactersMessage;
    return {};
}

FieldContent FormatDisplay(const TaxEditSettings& settings, const FieldContent& content) {
    FieldContent result = content;
    if (ReadsValueFromText(settings.type)) {
        result.value = RoundedToDecimals(settings, content.value);
        result.text = AmountText(settings, result.value);
    } else if (settings.type == ntDate) {
        // Day 0 is never a date of this module: a field that never had a date shows none.
        const bool hasDate = content.dateValue > NoDate && std::fabs(content.dateValue) >= 0.001;
        result.text = hasDate ? FormatDate(content.dateValue) : std::string();
    } else if (const auto kind = IdentifierKindOf(settings.type)) {
        result.text = IdentifierDisplay(*kind, content.text);
    }
    return result;
}

LeaveOutcome LeaveField(const TaxEditSettings& settings, const FieldContent& content) {
    const std::string trimmed = Trimmed(content.text);
    if (settings.type == ntDate) return LeaveDate(settings, content);
    // Mandatory holds for texts, codes and identifiers as much as for amounts.
    if (settings.mandatory && trimmed.empty()) return Refused(content, MandatoryMessage, false);
    switch (settings.type) {
        case ntNone:
        case ntPCode:
            if (!trimmed.empty() && settings.allowed.any() &&
                !AllAllowed(settings.allowed, trimmed))
                return Refused(content, InvalidCharactersMessage, true);
            return Accepted(settings, content);
        case ntSpecial:
            return Accepted(settings, content);
        default:
            break;
    }
    if (const auto kind = IdentifierKindOf(settings.type)) {
        if (!trimmed.empty() && !IdentifierValid(*kind, trimmed))
            return Refused(content, IdentifierError(*kind), true);
        return Accepted(settings, content);
    }
    const std::string error = ValidateValue(settings, content.text, content.value);
    if (!error.empty()) return Refused(content, error, false);
    FieldContent read = content;
    read.value = NumValueOf(settings, content.text, content.value);
    return Accepted(settings, read);
}

FieldContent ApplyTextValue(const TaxEditSettings& settings, const FieldContent& content,
                            const std::string& text) {
    FieldContent result = content;
    result.text = text;
    if (ParsesTextOnSet(settings.type)) {
        const NumberReading reading = ReadNumValue(text);
        if (!reading.valid) return result;
        result.value = reading.value;
        return FormatDisplay(settings, result);
    }
    if (settings.type == ntDate) {
        const std::string trimmed = Trimmed(text);
        double serial = 0;
        result.dateValue =
            !IsBlankDateText(trimmed) && ReadDateText(trimmed, serial) ? serial : NoDate;
    }
    return result;
}
