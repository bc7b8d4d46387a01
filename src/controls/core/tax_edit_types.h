#pragma once
// The vocabulary of the entry field: what its content is, which lodgment format it has,
// and which characters it allows.

#include <bitset>
#include <optional>
#include <string>

#include "base/identifiers.h"

enum TNumericType {
    ntNone,
    ntCurrency,
    ntCurrencyCnt,
    ntPercentage,
    ntDate,
    ntSpecial,
    ntNumeric,
    ntPhone,
    ntCPI,
    ntTFN,
    ntABN,
    ntACN,
    ntSFN,
    ntDIN,
    ntEGN,
    ntPCode,
    ntDec2,
    ntMedicare,
};

enum TMervoDataType {
    atAddressText,
    atDate,
    atDate8,
    atDollar,
    atDollarCents,
    atDollarNegative,
    atInteger,
    atNameText,
    atNone,
    atQuestion,
    atRestrictedNameText,
    atText,
};

enum class FieldAlignment { Left, Right, Centre };

// One flag per Latin-1 character code.
using CharSet = std::bitset<256>;

inline bool Contains(const CharSet& set, char c) { return set[static_cast<unsigned char>(c)]; }

inline constexpr char DecimalSeparator = '.';
inline constexpr char DateSeparator = '/';

// The numeric value of these types is read from the text; the others keep a stored value.
bool ReadsValueFromText(TNumericType type);
// Setting the text of these types parses and reformats it.
bool ParsesTextOnSet(TNumericType type);
// Entering these types strips the text to minus signs, digits and the decimal separator.
bool StripsOnEntry(TNumericType type);
// "-" and "." are unique and "-" goes in front while typing.
bool HasSignedNumberKeys(TNumericType type);
std::optional<IdentifierKind> IdentifierKindOf(TNumericType type);
