#pragma once
// What the CGT schedule screen shows: one block per schedule part with its heading, column
// titles and rows, each amount naming the schedule record field it shows and the caption a
// screen reader announces for it.

#include <array>
#include <string>
#include <vector>

// The four amount columns: index method, discount method, other, and the fourth column
// (losses, totals and the single-amount parts).
inline constexpr int ScheduleColumns = 4;

struct ScheduleAmount {
    int field = 0;  // 0: nothing in this column
    std::string caption;
};

struct ScheduleRow {
    std::string subHeading;  // shown above the row when not empty
    std::string label;
    std::array<ScheduleAmount, ScheduleColumns> amounts;
    bool codeText = false;  // one character of restricted name text instead of an amount
};

struct SchedulePart {
    std::string name;  // "Part A"
    std::string heading;
    std::array<std::string, ScheduleColumns> columnTitles;
    std::vector<ScheduleRow> rows;
    int checkField = 0;  // the roll-over check box, after the rows in tab order
    std::string checkCaption;
};

const std::vector<SchedulePart>& ScheduleParts();

// The last amount of each part that, when left with screen-reader help on, brings the next
// part into view; the part index to show, or -1.
int PartShownAfterLeaving(int field);
