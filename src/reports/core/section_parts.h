#pragma once
// A script section split into the parts the layout treats apart: the plain records, the
// heading block (H), the repeating row block (G), the totals block (K) and the page-top block
// (B), each without its opening and closing records.

#include <vector>

#include "reports/core/script_reader.h"

struct RowBlock {
    int rowHeight = 0, listField = 0, columnsPerRow = 1, minimumRows = 0, suppressingField = 0;
    std::vector<ScriptItem> items;
};

struct SectionParts {
    std::vector<ScriptItem> plain;
    std::vector<ScriptItem> heading, totals, pageTop;
    int headingHeight = 0, totalsHeight = 0;
    bool hasRows = false, hasPageTop = false;
    RowBlock rows;
};

SectionParts SplitSection(const ScriptSection& section);

// Rows of the block's list: its lines by columns per row, a part row counting as a row.
int RowCount(const RowBlock& rows);
