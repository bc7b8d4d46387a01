#include "controls/core/tax_edit_defaults.h"

namespace {
constexpr FieldAlignment Left = FieldAlignment::Left;
constexpr FieldAlignment Right = FieldAlignment::Right;
constexpr auto Unchanged = std::nullopt;

CharSet LettersDigitsAnd(const char* chars) { return Letters() | Digits() | CharsOf(chars); }
}  // namespace

CharSet CharsOf(const char* chars) {
    CharSet set;
    for (const char* c = chars; *c; ++c) set.set(static_cast<unsigned char>(*c));
    return set;
}

CharSet Digits() { return CharsOf("0123456789"); }

CharSet Letters() {
    CharSet set;
    for (int c = 'A'; c <= 'Z'; ++c) set.set(c).set(c - 'A' + 'a');
    return set;
}

FieldDefaults DefaultsFor(TNumericType type) {
    const CharSet digits = Digits();
    const CharSet sep = CharsOf(".");
    const CharSet minus = CharsOf("-");
    switch (type) {
        case ntNone:
            return {0, Left, Unchanged, LettersDigitsAnd("`!@#$%&()_-={}[]|\\;:'\". ?/,")};
        case ntCurrency:
            return {0, Right, Unchanged, minus | digits};
        case ntCurrencyCnt:
            return {2, Right, Unchanged, minus | digits | sep};
        case ntPercentage:
            return {Unchanged, Right, Unchanged, minus | digits | sep | CharsOf("%")};
        case ntDate:
            return {Unchanged, Left, 10, digits | CharsOf("/")};
        case ntSpecial:
            return {0, Unchanged, Unchanged, Unchanged};
        case ntNumeric:
            return {0, Unchanged, Unchanged, digits};
        case ntPhone:
            return {Unchanged, Left, Unchanged, digits};
        case ntCPI:
            return {Unchanged, Right, Unchanged, digits | sep};
        case ntTFN:
        case ntABN:
        case ntACN:
        case ntSFN:
        case ntDIN:
        case ntEGN:
        case ntPCode:
            return {0, Left, Unchanged, digits};
        case ntDec2:
            return {2, Right, 6, digits | sep};
        case ntMedicare:
            return {0, Left, 12, digits | CharsOf(" ")};
    }
    return {};
}

FieldDefaults DefaultsFor(TMervoDataType format) {
    const CharSet digits = Digits();
    switch (format) {
        case atAddressText:
            return {0, Left, Unchanged, LettersDigitsAnd("&'/-() ")};
        case atDate:
            return {0, Left, 8, digits};
        case atDate8:
            return {0, Left, 10, digits | CharsOf("/")};
        case atDollar:
            return {0, Right, Unchanged, digits};
        case atDollarCents:
            return {2, Right, Unchanged, digits | CharsOf(".")};
        case atDollarNegative:
            return {0, Right, Unchanged, digits | CharsOf("-")};
        case atInteger:
            return {0, Left, Unchanged, digits};
        case atNameText:
            return {0, Left, Unchanged, LettersDigitsAnd("`!@#$%&()_-={}[]\\;:'\". ?/")};
        case atNone:
            return {};
        case atQuestion:
            return {0, Left, 1, CharsOf("Y N")};
        case atRestrictedNameText:
            return {0, Left, Unchanged, LettersDigitsAnd("- '")};
        case atText:
            return {0, Left, Unchanged, LettersDigitsAnd("!@$%&*()-=[];:'\",.? /")};
    }
    return {};
}
