#pragma once
// The gain or loss of a single-screen CGT event (an other receipt or a right created in
// another entity), worked out from its proceeds and costs.

struct ReceiptResult {
    long double gain = 0;
    long double loss = 0;
};

// gain = proceeds - costs in whole dollars, a typed zero counting as 0; a negative gain is a
// loss instead. A result of nothing with a typed zero on one side is the typed zero.
ReceiptResult ReceiptGainLoss(long double proceeds, long double costs);
