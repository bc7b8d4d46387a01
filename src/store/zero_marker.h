#pragma once
// The amount a stored value stands for.

#include "store/field_store.h"

// An entered-zero marker (anything above 0 and below half a cent) is 0, so that it never
// enters a sum or a difference as a fraction.
inline long double WithoutZeroMarker(long double value) {
    return value > 0 && value < 0.005L ? 0 : value;
}
