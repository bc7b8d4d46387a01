// The elections table's stored rows (field 801), in either of the layouts stored: ten
// lines a row ending in the choice table's part code, or nine lines without it.

#include <string>

#include "base/text_encoding.h"
#include "calc/choice_columns.h"
#include "calc/concession_elections.h"
#include "grid/grid_model.h"
#include "store/field_store.h"

namespace {

constexpr size_t OldConcessionColumns = 9;

bool IsPartCode(const std::string& text) {
    if (text == "B" || text == "C") return true;
    return text.size() == 2 && text[0] == 'A' && text[1] >= '1' && text[1] <= '9';
}

bool HoldsPartCodes(const TextList& list) {
    const size_t columns = ConcessionColumns;
    if (list.size() % columns != 0) return false;
    for (size_t part = cePart; part < list.size(); part += columns)
        if (!IsPartCode(TrimmedText(list[part]))) return false;
    return true;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int GainColumnOf(const TrustComponent& c) {
    if (c.valueColumn == ccIndexed) return ceIndexed;
    return c.valueColumn == ccDiscount ? ceDiscount : ceOther;
}

// A row stored without its part code. A trust record's active gains lie in one gain column
// each; an asset item's trust gains end in their suffix; any other row is the record's own
// gain.
std::string PartOfOldRow(const TextList& row) {
    const std::string source = TrimmedText(row[ceWorksheet]);
    if (source == ManualTableSource) return "C";
    for (const TrustComponent& c : TrustComponents) {
        if (std::string(c.type) != "OA") continue;
        const bool found = source == TrustTableSource
                               ? !TrimmedText(row[static_cast<size_t>(GainColumnOf(c))]).empty()
                               : EndsWith(row[ceDescription], c.itemSuffix);
        if (found) return c.part;
    }
    return "C";
}

}  // namespace

void LoadConcessionRows(TGridModel& grid) {
    const TextList* list = GetFieldLst(fConcessionRows);
    if (!list || HoldsPartCodes(*list)) {
        grid.LoadFromList(list);
        return;
    }
    TextList rows;
    for (size_t first = 0; first + OldConcessionColumns <= list->size();
         first += OldConcessionColumns) {
        const TextList row(
            list->begin() + static_cast<std::ptrdiff_t>(first),
            list->begin() + static_cast<std::ptrdiff_t>(first + OldConcessionColumns));
        rows.insert(rows.end(), row.begin(), row.end());
        rows.push_back(PartOfOldRow(row));
    }
    grid.LoadFromList(&rows);
}
