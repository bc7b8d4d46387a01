#include "calc/concession_elections.h"

#include <array>

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/calc_inputs.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/return_labels.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

bool Filled(const TGridModel& grid, int col, int row) {
    return !TrimmedText(grid.Cell(col, row)).empty();
}

long double Amount(const TGridModel& grid, int col, int row) {
    return Filled(grid, col, row) ? NumberOfText(grid.Cell(col, row)) : 0;
}

// The gain of the method used: the first gain cell with text.
long double Base(const TGridModel& grid, int row) {
    for (int col : {ceIndexed, ceDiscount, ceOther})
        if (Filled(grid, col, row)) return Amount(grid, col, row);
    return 0;
}

struct Limit {
    int col;
    const char* message;
};

const std::array<Limit, 3> HalfLimits = {{
    {ceReduction, "Check amount. SBAA concession cannot be greater than 50% of net capital gain."},
    {ceRetirement, "Check amount. SBRE concession cannot be greater than 50% of net capital gain."},
    {ceRollOver, "Check amount. SBRO concession cannot be greater than 50% of net capital gain."},
}};

long double Field(int n) { return GetFieldVal(n, true); }

}  // namespace

std::vector<std::string> ConcessionDescriptors() {
    const std::string amount = "|2|1|10|0|F|F|2|F||||0|F|F|";
    return {"Description|0|0|40|0|T|F|||||||0|T|F|",
            "Indexed\rGain" + amount,
            "Discount\rGain" + amount,
            "Other\rGain" + amount,
            "SBAAR" + amount,
            "SBRE" + amount,
            "SBRO" + amount,
            "Wsheet|0|0|10|0|T|F|||||||0|T|F|",
            "Number|0|0|10|0|T|F|||||||0|T|F|",
            "Part|0|0|10|0|T|F|||||||0|T|F|"};
}

void SetUpConcessionTable(TGridModel& grid) {
    grid.SetColCount(ConcessionColumns);
    grid.SetDisplay(ConcessionDescriptors());
    grid.ReadDescriptors();
}

ElectionProblem CheckElections(const TGridModel& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (!Filled(grid, ceDescription, row)) continue;
        const long double base = Base(grid, row);
        for (const Limit& limit : HalfLimits)
            if (Amount(grid, limit.col, row) > base / 2) return {limit.message, row, limit.col};
        // The three together may take the whole gain, not half of it.
        const long double total = Amount(grid, ceReduction, row) + Amount(grid, ceRetirement, row) +
                                  Amount(grid, ceRollOver, row);
        if (total > base)
            return {
                "Check amounts. Total concession cannot be greater than 50% of net capital "
                "gain.",
                row, ceReduction};
    }
    return {};
}

void StoreConcessionTotals(const TGridModel& grid) {
    // sums[concession][method]: concession SBAAR, SBRE, SBRO; method indexed, discount, other.
    long double sums[3][3] = {};
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (!Filled(grid, ceDescription, row)) continue;
        for (int concession = 0; concession < 3; ++concession)
            for (int method = 0; method < 3; ++method)
                if (Filled(grid, ceIndexed + method, row))
                    sums[concession][method] += Amount(grid, ceReduction + concession, row);
    }
    GetWorksheetItem(ScheduleWorksheet, 1);
    for (int concession = 0; concession < 3; ++concession)
        for (int method = 0; method < 3; ++method)
            SetFieldVal(fSchedActiveReduction + 3 * concession + method,
                        RoundEven(sums[concession][method]));
    SetFieldVal(1125, Field(1116) + Field(1119) + Field(1122));
    // The discount column also takes the CGT discount of both kinds of asset.
    SetFieldVal(1126, Field(1114) + Field(1115) + Field(1117) + Field(1120) + Field(1123));
    SetFieldVal(1127, Field(1118) + Field(1121) + Field(1124));
    for (int col = 0; col < 3; ++col)
        SetFieldVal(1128 + col, Field(1111 + col) - Field(1125 + col));
    SetFieldVal(fSchedNetGain, Field(1128) + Field(1129) + Field(1130));
    SetNetCapitalGain(Field(fSchedNetGain));
    PutWorksheetItem(ScheduleWorksheet, 1);
}
