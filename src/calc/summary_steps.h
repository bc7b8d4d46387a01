#pragma once
// Steps of CalculateAsset shared by the general and the depreciating asset summaries.

#include "calc/asset_summary.h"

class TGridModel;

// The figures of steps 1 to 7: availability, event data, worksheet rows and cost bases.
struct CostBaseFigures {
    double baseDate = 0, eventDate = 0;
    bool eventValid = false;  // field 739 holds a valid date
    bool held = false;
    MethodAvailability availability;
    long double eventCpi = 0, proceeds = 0, percent = 0;
    long double adjustedNonIndexed = 0, adjustedIndexed = 0, adjustedReduced = 0;
    long double eventCostsNonIndexed = 0, eventCostsIndexed = 0, eventCostsReduced = 0;
};
CostBaseFigures CalculateCostBases(TGridModel& worksheet, const SummaryState& state);

// A gain that works out below $1 is a result of nothing: the explicit zero.
long double GainOrZero(long double amount);

// Steps 13 to 15: the two message texts into fields 1142 and 1143.
void WriteSummaryMessages(AssetSummary& summary, const SummaryInputs& inputs);

// Writes a method column's three amounts (0 when blank) into its fields.
void WriteMethodColumn(const MethodColumn& column, int proceedsField, int costBaseField,
                       int resultField);
void Blank(MethodColumn& column);
