#include "calc/election_places.h"

#include <array>
#include <string>

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "calc/choice_columns.h"
#include "calc/concession_elections.h"
#include "calc/stored_item.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int fElections = 719;
constexpr const char* ElectionsHeading = "SBAA concessions";
constexpr int Concessions = 3;  // SBAAR, SBRE, SBRO
using Elections = std::array<std::string, Concessions>;

// A table whose records keep their elections in three of their own columns.
struct RecordTable {
    const char* source;
    int field;
    int columns;
    int firstElection;
};
constexpr std::array<RecordTable, 2> RecordTables = {{
    {TrustTableSource, fTrustTable, TrustTableColumns, TrustElectionsColumn},
    {ManualTableSource, fManualTable, ManualTableColumns, ManualElectionsColumn},
}};

// Where a row's gain is kept: an asset item, or a record of one of the tables.
struct Home {
    int worksheet = 0;                   // an asset worksheet
    const RecordTable* table = nullptr;  // or a table
    int number = 0;                      // item key, or 0-based record
    explicit operator bool() const { return worksheet != 0 || table != nullptr; }
    size_t Cell(int concession) const {
        return static_cast<size_t>(number * table->columns + table->firstElection + concession);
    }
};

int RecordCount(const RecordTable& table) {
    const TextList* list = GetFieldLst(table.field);
    return list ? static_cast<int>(list->size()) / table.columns : 0;
}

Home HomeOf(const TGridModel& grid, int row) {
    const std::string source = TrimmedText(grid.Cell(ceWorksheet, row));
    for (const RecordTable& table : RecordTables) {
        if (source != table.source) continue;
        long double number = 0;
        if (!TryReadNumber(TrimmedText(grid.Cell(ceNumber, row)), number)) return {};
        const int n = static_cast<int>(number);
        return n >= 0 && n < RecordCount(table) ? Home{0, &table, n} : Home{};
    }
    const StoredItem item = StoredAssetItem(source, grid.Cell(ceNumber, row));
    return item ? Home{item.worksheet, nullptr, item.number} : Home{};
}

void Keep(const Home& home, const Elections& elections) {
    if (home.table) {
        TextList list = *GetFieldLst(home.table->field);
        for (int c = 0; c < Concessions; ++c) list[home.Cell(c)] = elections[c];
        SetFieldLst(home.table->field, std::move(list));
        return;
    }
    GetWorksheetItem(home.worksheet, home.number);
    SetFieldLst(fElections, {ElectionsHeading, elections[0], elections[1], elections[2]});
    PutWorksheetItem(home.worksheet, home.number);
}

Elections Kept(const Home& home) {
    Elections kept;
    if (home.table) {
        const TextList& list = *GetFieldLst(home.table->field);
        for (int c = 0; c < Concessions; ++c) kept[c] = list[home.Cell(c)];
        return kept;
    }
    GetWorksheetItem(home.worksheet, home.number);
    // The first line is the heading; the elections follow.
    if (const TextList* lines = GetFieldLst(fElections))
        for (size_t c = 0; c < kept.size() && c + 1 < lines->size(); ++c) kept[c] = (*lines)[c + 1];
    return kept;
}

bool Described(const TGridModel& grid, int row) {
    return !TrimmedText(grid.Cell(ceDescription, row)).empty();
}

}  // namespace

void StoreElections(const TGridModel& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (!Described(grid, row)) continue;
        if (const Home home = HomeOf(grid, row))
            Keep(home, {grid.Cell(ceReduction, row), grid.Cell(ceRetirement, row),
                        grid.Cell(ceRollOver, row)});
    }
}

void RestoreElections(TGridModel& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (!Described(grid, row)) continue;
        const Home home = HomeOf(grid, row);
        if (!home) continue;
        const Elections kept = Kept(home);
        for (int c = 0; c < Concessions; ++c)
            if (!kept[c].empty()) grid.SetCell(ceReduction + c, row, kept[c]);
    }
}
