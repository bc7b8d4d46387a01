#pragma once
// An amount as the taxpayer gave it: a 0 is kept as the entered-zero marker, which tells it
// from no answer (an asset sold for nothing still has its sale).

void SetEnteredAmount(int n, long double value);
