#include "store/entered_amount.h"

#include "store/field_store.h"

void SetEnteredAmount(int n, long double value) { SetFieldVal(n, value == 0 ? ZeroMarker : value); }
