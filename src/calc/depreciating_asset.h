#pragma once
// The depreciating asset summary: the result is worked out from the termination value
// against the asset's cost and scaled by the part of its use that was not taxable.

#include "calc/summary_steps.h"

void DepreciatingMethods(AssetSummary& summary, const CostBaseFigures& figures);
