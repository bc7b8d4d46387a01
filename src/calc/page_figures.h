#pragma once
// Figures the printed pages show beside the stored fields, worked out from the return when a
// report is loaded. Each goes by a number above the store's fields, which the report scripts
// name as they name a list field.

#include <map>
#include <string>
#include <vector>

using PageFigureLines = std::map<int, std::vector<std::string>>;

// The choice summary: 12 values a line, one line for each row of the choice table (a second
// line when its description is long), then the totals and the sum from the gains counted
// down to the net capital gain and the losses carried forward.
inline constexpr int figChoiceSummary = 3001;
inline constexpr int ChoiceSummaryColumns = 12;
enum ChoiceSummaryColumn {
    csDescription,
    csType,
    csIndexed,
    csDiscount,
    csOther,
    csMethod,  // the method the row's net gain comes from, or "Deferred"
    csLoss,
    csCounted,  // the gain under that method
    csCollectableApplied,
    csOtherApplied,   // other losses and losses transferred in
    csDiscountTaken,  // the CGT discount, half of the discount gain left after losses
    csNet,
};
// The CGT worksheet's second note: the method the loaded asset's gain was given in the
// choice table and the net gain it makes; until then the note the summary stored.
inline constexpr int figWorksheetChoiceNote = 3101;

// The schedule's capital losses from collectables of this year, which Part B includes.
inline constexpr int figScheduleCollectableLosses = 3201;

// The figures the named report prints; none for a report that needs none.
PageFigureLines PageFigures(const std::string& scriptName);

// The choice summary from the choice table as stored (field 803) and the losses of the
// return.
std::vector<std::string> ChoiceSummaryLines();

// This year's capital losses from collectables in the choice table as stored, counted as the
// schedule counts losses (rows not deferred), whole dollars.
long double CollectableLossesOfTheYear();

// The worksheet's second note for the item in the scratch fields.
std::string WorksheetChoiceNote();
