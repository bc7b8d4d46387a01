#pragma once
// The small business concession elections table: the rule that keeps each election within
// half of its gain, and the concession totals it gives the CGT schedule.

#include <string>
#include <vector>

class TGridModel;

enum ConcessionColumn {
    ceDescription = 0,
    ceIndexed = 1,
    ceDiscount = 2,
    ceOther = 3,
    ceReduction = 4,   // SBAAR
    ceRetirement = 5,  // SBRE
    ceRollOver = 6,    // SBRO
    ceWorksheet = 7,
    ceNumber = 8,
    cePart = 9,  // the choice table's part code: which gain of the record the row is
};
inline constexpr int ConcessionColumns = 10;

// The column descriptors: the description and the gains shown, the elections entered.
std::vector<std::string> ConcessionDescriptors();
// The columns of a table without a screen.
void SetUpConcessionTable(TGridModel& grid);
// The stored rows (field 801) into the table. Rows stored nine lines each, without a part
// code, get the part their record, gain column and description name.
void LoadConcessionRows(TGridModel& grid);

struct ElectionProblem {
    std::string message;  // empty when the table may be left
    int row = 1, col = ceReduction;
    explicit operator bool() const { return !message.empty(); }
};

// The first row, in order, whose elections break a limit.
ElectionProblem CheckElections(const TGridModel& grid);
// The nine concession sums and the net capital gain lines of the schedule record, and the
// net capital gain for the return.
void StoreConcessionTotals(const TGridModel& grid);
