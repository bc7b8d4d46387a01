#include "controls/core/tax_edit_types.h"

bool ReadsValueFromText(TNumericType type) {
    switch (type) {
        case ntCurrency:
        case ntCurrencyCnt:
        case ntPercentage:
        case ntNumeric:
        case ntCPI:
        case ntDec2:
            return true;
        default:
            return false;
    }
}

bool ParsesTextOnSet(TNumericType type) { return ReadsValueFromText(type) && type != ntDec2; }

bool StripsOnEntry(TNumericType type) {
    return type == ntCurrency || type == ntCurrencyCnt || type == ntPercentage ||
           (type >= ntTFN && type <= ntEGN);
}

bool HasSignedNumberKeys(TNumericType type) {
    return type == ntCurrency || type == ntCurrencyCnt || type == ntNumeric || type == ntCPI;
}

std::optional<IdentifierKind> IdentifierKindOf(TNumericType type) {
    switch (type) {
        case ntTFN:
            return IdentifierKind::TFN;
        case ntABN:
            return IdentifierKind::ABN;
        case ntACN:
            return IdentifierKind::ACN;
        case ntSFN:
            return IdentifierKind::SFN;
        case ntDIN:
            return IdentifierKind::DIN;
        case ntEGN:
            return IdentifierKind::EGN;
        case ntMedicare:
            return IdentifierKind::Medicare;
        default:
            return std::nullopt;
    }
}
