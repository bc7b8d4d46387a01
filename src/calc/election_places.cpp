#include "calc/election_places.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/choice_columns.h"
#include "calc/concession_elections.h"
#include "calc/stored_item.h"
#include "grid/grid_model.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr int fElections = 719;
constexpr const char* ElectionsHeading = "SBAA concessions";
constexpr const char* OwnGain = "C";
constexpr int Concessions = 3;  // SBAAR, SBRE, SBRO
using Elections = std::array<std::string, Concessions>;
// The active gains of a trust record, in the order of their columns from 38.
constexpr std::array<const char*, 3> TrustActiveParts = {"A3", "A6", "A9"};

// What a record keeps: a set per part code, or one set for all its rows kept before the
// part codes.
struct Kept {
    std::map<std::string, Elections> byPart;
    std::optional<Elections> single;
};

enum class Kind { None, Item, Trust, Manual };

// Where a row's gain is kept: an asset item, or a record of one of the tables.
struct Home {
    Kind kind = Kind::None;
    int worksheet = 0;  // of an item
    int number = 0;     // item key, or 0-based record
    explicit operator bool() const { return kind != Kind::None; }
    bool operator==(const Home&) const = default;
};

int RecordCount(int field, int columns) {
    const TextList* list = GetFieldLst(field);
    return list ? static_cast<int>(list->size()) / columns : 0;
}

Home HomeOf(const TGridModel& grid, int row) {
    const std::string source = TrimmedText(grid.Cell(ceWorksheet, row));
    const bool trust = source == TrustTableSource;
    if (trust || source == ManualTableSource) {
        long double number = 0;
        if (!TryReadNumber(TrimmedText(grid.Cell(ceNumber, row)), number)) return {};
        const int n = static_cast<int>(number);
        const int records = trust ? RecordCount(fTrustTable, TrustTableColumns)
                                  : RecordCount(fManualTable, ManualTableColumns);
        if (n < 0 || n >= records) return {};
        return {trust ? Kind::Trust : Kind::Manual, 0, n};
    }
    const StoredItem item = StoredAssetItem(source, grid.Cell(ceNumber, row));
    return item ? Home{Kind::Item, item.worksheet, item.number} : Home{};
}

std::string PartOf(const TGridModel& grid, int row) { return TrimmedText(grid.Cell(cePart, row)); }

bool Described(const TGridModel& grid, int row) {
    return !TrimmedText(grid.Cell(ceDescription, row)).empty();
}

bool Empty(const Elections& e) { return e[0].empty() && e[1].empty() && e[2].empty(); }

std::string Joined(const Elections& e) { return Empty(e) ? "" : e[0] + ";" + e[1] + ";" + e[2]; }

Elections Split(const std::string& text) {
    Elections e;
    size_t start = 0;
    for (int c = 0; c < Concessions; ++c) {
        const size_t end = c + 1 < Concessions ? text.find(';', start) : std::string::npos;
        e[c] = text.substr(start, end == std::string::npos ? end : end - start);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return e;
}

size_t Cell(const Home& home, int columns, int column) {
    return static_cast<size_t>(home.number * columns + column);
}

Kept KeptInTrust(const Home& home) {
    const TextList& list = *GetFieldLst(fTrustTable);
    Elections cells;
    for (int c = 0; c < Concessions; ++c)
        cells[c] = list[Cell(home, TrustTableColumns, TrustElectionsColumn + c)];
    Kept kept;
    // A set kept before the part codes holds a bare amount in at least one of the cells.
    for (const std::string& cell : cells)
        if (!cell.empty() && cell.find(';') == std::string::npos) kept.single = cells;
    if (kept.single) return kept;
    for (size_t i = 0; i < TrustActiveParts.size(); ++i)
        if (!cells[i].empty()) kept.byPart[TrustActiveParts[i]] = Split(cells[i]);
    return kept;
}

Kept KeptInManual(const Home& home) {
    const TextList& list = *GetFieldLst(fManualTable);
    Kept kept;
    Elections& own = kept.byPart[OwnGain];
    for (int c = 0; c < Concessions; ++c)
        own[c] = list[Cell(home, ManualTableColumns, ManualElectionsColumn + c)];
    return kept;
}

Kept KeptInItem(const Home& home) {
    GetWorksheetItem(home.worksheet, home.number);
    Kept kept;
    const TextList* lines = GetFieldLst(fElections);
    if (!lines || lines->empty()) return kept;
    // The heading, then the own gain's three lines.
    Elections own;
    for (size_t c = 0; c < own.size() && c + 1 < lines->size(); ++c) own[c] = (*lines)[c + 1];
    if (lines->size() <= 1 + Concessions) {
        kept.single = own;
        return kept;
    }
    kept.byPart[OwnGain] = own;
    for (size_t at = 1 + Concessions; at + Concessions < lines->size(); at += 1 + Concessions) {
        Elections& set = kept.byPart[TrimmedText((*lines)[at])];
        for (size_t c = 0; c < set.size(); ++c) set[c] = (*lines)[at + 1 + c];
    }
    return kept;
}

Kept KeptAt(const Home& home) {
    switch (home.kind) {
        case Kind::Trust:
            return KeptInTrust(home);
        case Kind::Manual:
            return KeptInManual(home);
        case Kind::Item:
            return KeptInItem(home);
        case Kind::None:
            break;
    }
    return {};
}

void KeepInTrust(const Home& home, const std::map<std::string, Elections>& sets) {
    TextList list = *GetFieldLst(fTrustTable);
    for (size_t i = 0; i < TrustActiveParts.size(); ++i) {
        const auto found = sets.find(TrustActiveParts[i]);
        list[Cell(home, TrustTableColumns, TrustElectionsColumn + static_cast<int>(i))] =
            found == sets.end() ? std::string() : Joined(found->second);
    }
    SetFieldLst(fTrustTable, std::move(list));
}

void KeepInManual(const Home& home, const std::map<std::string, Elections>& sets) {
    TextList list = *GetFieldLst(fManualTable);
    const auto found = sets.find(OwnGain);
    const Elections own = found == sets.end() ? Elections() : found->second;
    for (int c = 0; c < Concessions; ++c)
        list[Cell(home, ManualTableColumns, ManualElectionsColumn + c)] = own[c];
    SetFieldLst(fManualTable, std::move(list));
}

void KeepInItem(const Home& home, const std::map<std::string, Elections>& sets) {
    const auto found = sets.find(OwnGain);
    const Elections own = found == sets.end() ? Elections() : found->second;
    TextList lines = {ElectionsHeading, own[0], own[1], own[2]};
    for (const auto& [part, set] : sets) {
        if (part == OwnGain) continue;
        lines.push_back(part);
        lines.insert(lines.end(), set.begin(), set.end());
    }
    GetWorksheetItem(home.worksheet, home.number);
    SetFieldLst(fElections, std::move(lines));
    PutWorksheetItem(home.worksheet, home.number);
}

void Keep(const Home& home, const std::map<std::string, Elections>& sets) {
    switch (home.kind) {
        case Kind::Trust:
            return KeepInTrust(home, sets);
        case Kind::Manual:
            return KeepInManual(home, sets);
        case Kind::Item:
            return KeepInItem(home, sets);
        case Kind::None:
            break;
    }
}

// The described rows of the table, grouped by the record they come from, in table order.
struct RecordRows {
    Home home;
    std::vector<int> rows;
};

std::vector<RecordRows> RowsByRecord(const TGridModel& grid) {
    std::vector<RecordRows> records;
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (!Described(grid, row)) continue;
        const Home home = HomeOf(grid, row);
        if (!home) continue;
        auto it = records.begin();
        while (it != records.end() && !(it->home == home)) ++it;
        if (it == records.end()) {
            records.push_back({home, {}});
            it = records.end() - 1;
        }
        it->rows.push_back(row);
    }
    return records;
}

}  // namespace

void StoreElections(const TGridModel& grid) {
    for (const RecordRows& record : RowsByRecord(grid)) {
        std::map<std::string, Elections> sets;
        for (int row : record.rows)
            sets[PartOf(grid, row)] = {grid.Cell(ceReduction, row), grid.Cell(ceRetirement, row),
                                       grid.Cell(ceRollOver, row)};
        Keep(record.home, sets);
    }
}

void RestoreElections(TGridModel& grid) {
    for (const RecordRows& record : RowsByRecord(grid)) {
        const Kept kept = KeptAt(record.home);
        for (int row : record.rows) {
            std::optional<Elections> set;
            if (kept.single) {
                if (row == record.rows.back()) set = kept.single;
            } else if (const auto found = kept.byPart.find(PartOf(grid, row));
                       found != kept.byPart.end()) {
                set = found->second;
            }
            if (!set) continue;
            for (int c = 0; c < Concessions; ++c)
                if (!(*set)[c].empty()) grid.SetCell(ceReduction + c, row, (*set)[c]);
        }
    }
}
