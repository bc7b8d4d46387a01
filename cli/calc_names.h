#pragma once
// The names "orvana-tax calc" gives the fields and columns it prints, so that a script reads
// `schedule.partA.shares.indexed` instead of a field number. Each name is a dotted path in
// the JSON; the field number stands beside the value there.

#include <string>
#include <vector>

struct NamedField {
    int field;
    std::string path;   // dotted, within its section
    std::string label;  // for a person, in the summary
    bool tick = false;  // a check box: true or false, never blank
};

// Every field of the CGT schedule record (worksheet 469, item 1), by part.
const std::vector<NamedField>& ScheduleFieldNames();
// The labels of the return the module fills for the host.
const std::vector<NamedField>& ReturnLabelNames();
// What the summaries leave in an asset item for the choice table to read.
const std::vector<NamedField>& AssetResultNames();

// A choice table column: its key, and whether its cells are amounts (printed as numbers).
struct ChoiceColumnName {
    const char* key;
    bool amount;
};
// By column, in column order (21 columns).
const std::vector<ChoiceColumnName>& ChoiceColumnNames();
