#pragma once
// The calculation summary of a depreciating asset: the termination value against the cost,
// less the indexation component, scaled by the part of the asset's use that was not taxable.

#include "screens/tsummaryscreen.h"

class TQCGT_58A : public TSummaryScreen {
    Q_OBJECT
public:
    TQCGT_58A();

protected:
    void ShowMoreResults(const AssetSummary& summary) override;
};
