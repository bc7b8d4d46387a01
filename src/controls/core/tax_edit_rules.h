#pragma once
// The rules of the entry field without any widget: filtering typed keys, reading the
// numeric value from the text, validating and formatting when the focus leaves.

#include <string>

#include "controls/core/tax_edit_types.h"

struct TaxEditSettings {
    TNumericType type = ntNone;
    int decimals = 0;
    int maxLength = 0;  // 0: no limit
    CharSet allowed;    // empty: every character allowed
    bool validate = false;
    long double minVal = 0, maxVal = 0;
    bool mandatory = false;
    bool useRounding = true;
    bool capitaliseWords = false;
};

inline constexpr const char* MandatoryMessage = "This field is mandatory and MUST be completed";
inline constexpr const char* InvalidCharactersMessage = "Result contains invalid characters";
inline constexpr const char* InvalidNumberMessage = "Invalid number";
std::string RangeMessage(long double minVal, long double maxVal);
std::string DateFormatMessage();

// --- Typing ---------------------------------------------------------------------------

enum class KeyAction {
    Default,       // a control character: the edit control handles it
    Insert,        // insert `key` (possibly upper-cased) at the insertion point
    PrependMinus,  // the key replaces the selection, then "-" goes in front of the text
    Refuse,        // discard with a beep
};

struct KeyDecision {
    KeyAction action = KeyAction::Refuse;
    char key = 0;
};

// `text` is the field's text with any selection removed, `position` the insertion point in it.
KeyDecision FilterKey(const TaxEditSettings& settings, const std::string& text, size_t position,
                      char key);

// Whole-dollar amounts: a decimal point ends the dollars, so it and the digits typed after
// it are refused instead of joining the dollars. A caret move, a deletion or a new entry
// ends the cents.
inline constexpr const char* WholeDollarsOnlyText = "Whole dollars only";

bool IsWholeDollarField(const TaxEditSettings& settings);

class CentsFilter {
public:
    // True when `key` is a decimal point or a digit of the cents of a whole-dollar field.
    bool Refuses(const TaxEditSettings& settings, char key);
    void Reset() { inCents_ = false; }

private:
    bool inCents_ = false;
};

// --- Values ---------------------------------------------------------------------------

struct NumberReading {
    bool valid = true;  // false for a text such as "1.2.3" that is no number
    long double value = 0;
};

// The text a read of the value leaves: a minus sign after the first character makes the
// text "-" and its digits and separators; any other text is kept.
std::string MinusMovedToFront(const std::string& text);

// Minus signs, digits and separator only, a misplaced minus moved to the front; a text of
// zeros gives the entered-zero marker, an empty text or a lone "-" gives 0.
NumberReading ReadNumValue(const std::string& text);

// The numeric value of a field: read from the text for amount-like types, else the stored one.
long double NumValueOf(const TaxEditSettings& settings, const std::string& text,
                       long double storedValue);

// Minus signs, digits and the separator for the types that strip on entry; else unchanged.
std::string StripForEditing(TNumericType type, const std::string& text);

// --- Leaving --------------------------------------------------------------------------

// The range, mandatory and character checks of amount-like types; empty when valid.
std::string ValidateValue(const TaxEditSettings& settings, const std::string& text,
                          long double storedValue);

struct FieldContent {
    std::string text;
    long double value = 0;
    double dateValue = 0;
};

// The display text for the content; amount-like types also round the value to Decimals.
FieldContent FormatDisplay(const TaxEditSettings& settings, const FieldContent& content);

struct LeaveOutcome {
    bool accepted = true;
    bool beep = false;
    std::string message;  // an error box to show, when not empty
    FieldContent content;
};

LeaveOutcome LeaveField(const TaxEditSettings& settings, const FieldContent& content);

// Setting the text from outside: amount-like types parse and reformat it, dates are read
// into the date value; the text of a value that does not read is kept as it is.
FieldContent ApplyTextValue(const TaxEditSettings& settings, const FieldContent& content,
                            const std::string& text);
