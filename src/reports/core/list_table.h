#pragma once
// The lists of a fixed-layout section: records that print a whole column of a list in one box
// (a text naming a list column, or a list field record without a row), drawn one row a line.
// When a list has more rows than its box holds, the rest goes on continuation pages; this
// finds the boxes, their row pitch and the part of the section that continues with them.

#include <optional>
#include <vector>

#include "reports/core/script_reader.h"

// Units between two rows of a list printed in a font of `points`: a little more than the line
// height of the report fonts, so that the rows a box is given always fit in it.
int ListRowPitch(int points);

// Rows of `pitch` units that a box `height` units tall holds, at least one so that the rows
// always move on. The layout cuts the lists with it and the drawing counts with it, both in
// units, so a page draws the rows its layout gave it at any resolution.
int ListRowsThatFit(int height, int pitch);

// Field records draw in this size (points).
constexpr int FieldFontPoints = 12;

struct ListBox {
    size_t item = 0;  // index in the section's records
    int top = 0, bottom = 0, pitch = 1;
};

struct ListTable {
    std::vector<ListBox> boxes;
    int rows = 0;         // the longest list's rows
    int spanTop = 0;      // the heading's top, or the lists' when there is no heading
    int listBottom = 0;   // the lowest list box bottom
    int outerBottom = 0;  // the lowest bottom of a shape that starts inside the table
};

// `items` are the section's records in order; `heading` its heading block. No table when no
// record prints a whole list.
std::optional<ListTable> FindListTable(const std::vector<ScriptItem>& items,
                                       const std::vector<ScriptItem>& heading);

// Whether a box starting at `top` belongs to the table (it continues with the lists).
inline bool InTable(const ListTable& table, int top) {
    return top >= table.spanTop && top < table.listBottom;
}

// Whether a record prints a whole column of a list.
bool PrintsWholeList(const ScriptRecord& r);
