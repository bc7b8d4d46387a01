#pragma once
// The calculation summary of one asset item: cost base, indexed cost base and reduced cost
// base, the capital gain under the indexation, discount and other methods or the capital
// loss, and what happens to the result. Results go into the item's scratch fields.

#include <string>

#include "calc/calc_inputs.h"

class TGridModel;

enum class SummaryScreen { General, Depreciating };

struct SummaryInputs {
    SummaryScreen screen = SummaryScreen::General;
    TaxYearDates year;
};

// What the register step found for the calculation step.
struct SummaryState {
    double eventDate = 0;      // 0 when the item has no valid event date
    long double proceeds = 0;  // capital proceeds (termination value), 0 when none
    std::string relevantDate;  // effective date of the section 2 rows
};

// One method column of the taxpayer view: blank and disabled when not available.
struct MethodColumn {
    bool enabled = true;
    long double proceeds = 0, costBase = 0, result = 0;
};

struct DepreciatingColumn {
    long double cost = 0, unadjusted = 0, adjusted = 0, nonTaxableUse = 0;
};

struct AssetSummary {
    SummaryState state;
    bool held = false;
    MethodColumn indexed, discount, other, loss;
    bool partialDisposal = false;
    long double carriedIndexed = 0, carriedNonIndexed = 0, carriedReduced = 0;
    std::string message1, message2;  // empty: label hidden
    // Depreciating assets only.
    long double indexationComponent = 0;
    DepreciatingColumn indexedUse, discountUse, otherUse, lossUse;
};

// Result fields to 0 (typed as amounts with cents where shown so) before a first show.
void ResetSummaryFields(SummaryScreen screen);

// Base date, then the register rows: section 2 (or the cost base after payments), the cost
// elements that count, the capital proceeds.
void FillAssetRegister(TGridModel& reg, SummaryState& state);

// The worksheet rows, cost bases, method results and messages.
AssetSummary CalculateAsset(TGridModel& worksheet, const SummaryInputs& inputs,
                            const SummaryState& state);

// Both steps on cleared grids (set up with SetUpAssetRegister and SetUpCgtWorksheet); the
// register and the worksheet are also saved into the item.
AssetSummary RefreshSummary(TGridModel& reg, TGridModel& worksheet, const SummaryInputs& inputs);
