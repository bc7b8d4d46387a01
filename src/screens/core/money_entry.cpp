#include "screens/core/money_entry.h"

#include <cmath>

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "store/field_store.h"

namespace {
// The marker is stored as an extended real; a typed zero read back may differ in the last bits.
constexpr long double Tolerance = 1e-7L;
}  // namespace

bool IsTypedZero(long double value) { return std::fabs(value - ZeroMarker) < Tolerance; }

bool AboveTypedZero(long double value) { return value > ZeroMarker + Tolerance; }

bool BelowTypedZero(long double value) { return value < ZeroMarker - Tolerance; }

long double TextAmount(const std::string& text) {
    long double value = 0;
    return TryReadNumber(TrimmedText(text), value) ? value : 0;
}

bool HasText(const std::string& text) { return !TrimmedText(text).empty(); }
