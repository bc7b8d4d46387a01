#include "calc/choice_columns.h"

#include <vector>

#include "calc/worksheet_columns.h"
#include "grid/grid_model.h"

const std::array<TrustComponent, 9> TrustComponents = {{
    {"A1", " - Trust Col/Ind", " - Trust Col/Ind", "A", ccIndexed, 1, 4},
    {"A2", " - Trust Oth/Ind", " - Trust Oth/Ind", "ON", ccIndexed, 1, 1},
    {"A3", " - Trust SBAA/Ind", " - Trust SBAA/Ind", "OA", ccIndexed, 2, 7},
    {"A4", " - Trust Col/Dis", " - Trust Col/Disc", "A", ccDiscount, 2, 5},
    {"A5", " - Trust Oth/Dis", " - Trust Oth/Dis", "ON", ccDiscount, 2, 2},
    {"A6", " - Trust SBAA/Dis", " - Trust SBAA/Dis", "OA", ccDiscount, 4, 8},
    {"A7", " - Trust Col/Oth", " - Trust Col/Oth", "A", ccOther, 1, 6},
    {"A8", " - Trust Oth/Oth", " - Trust Oth/Oth", "ON", ccOther, 1, 3},
    {"A9", " - Trust SBAA/Oth", " - Trust SBAA/Oth", "OA", ccOther, 2, 9},
}};

// Plain gains first, then collectables, then active assets.
const std::array<int, 9> TrustTableOrder = {1, 4, 7, 0, 3, 6, 2, 5, 8};

LossEntries LossEntriesOf(const std::string& part) {
    if (part == "C") return {1, 2, 23};
    if (part == "B") return {3, 4, 24};
    if (part.size() == 2 && part[0] == 'A' && part[1] >= '1' && part[1] <= '9') {
        const int i = part[1] - '1';
        return {5 + 2 * i, 6 + 2 * i, 25 + i};
    }
    return {};
}

LossEntries TrustLossColumns(int tableColumn) {
    return {10 + tableColumn, 19 + tableColumn, 28 + tableColumn};
}

namespace {

struct ChoiceColumnSpec {
    const char* title;
    int kind;
    int decimals;
    bool editable;
    std::vector<std::string> picklist;
};

// title|alignment|kind|length|hint|skip|picklist|decimals|minus|min|max|list|button|
// entries...|no total|locked
std::string Descriptor(const ChoiceColumnSpec& c) {
    const bool number = c.kind == gkNumber;
    const bool picks = !c.picklist.empty();
    std::string line = std::string(c.title) + (number ? "|2|" : "|0|") + std::to_string(c.kind) +
                       "|30|0|F|" + (picks ? "T|" : "F|") +
                       (number ? std::to_string(c.decimals) + "|T" : "|") + "|0|0|" +
                       std::to_string(c.picklist.size()) + "|" + (picks ? "1|" : "0|") +
                       std::to_string(c.picklist.size()) + "|";
    for (const std::string& entry : c.picklist) line += entry + "|";
    return line + "F|" + (c.editable ? "F" : "T");
}

}  // namespace

std::vector<std::string> ChoiceTableDescriptors() {
    // The gains, the loss and the net gain are rebuilt from the worksheets on every visit, so
    // a figure typed over one would be dropped while a choice made from it stayed: read only.
    const std::vector<ChoiceColumnSpec> columns = {
        {"Section / Grouping", gkText, 0, false, {}},
        {"Asset Description", gkText, 0, true, {}},
        {"Asset\rType", gkText, 0, false, {}},
        {"Indexed\rgain\r(I)", gkNumber, 0, false, {}},
        {"Discount\rgain\r(D)", gkNumber, 0, false, {}},
        {"Choice\rReq'd", gkText, 0, false, {}},
        {"Method\rchoice\r(I or D)", gkText, 0, true, {"Discount", "Indexed"}},
        {"Other\rgain", gkNumber, 0, false, {}},
        {"Loss", gkNumber, 0, false, {}},
        {"Can\rgain be\rdeferred?", gkText, 0, false, {}},
        {"Deferment\rautomatic", gkText, 0, false, {}},
        {"Do you\rwant to\rdefer?", gkText, 0, true, {"No", "Yes"}},
        {"Collect\r-able\rloss applied", gkNumber, 0, true, {}},
        {"Prior year\rcollect\r-able loss applied", gkNumber, 0, false, {}},
        {"Other\rloss applied", gkNumber, 0, true, {}},
        {"Prior year\rother loss\rapplied", gkNumber, 0, false, {}},
        {"Net gain", gkNumber, 2, false, {}},
        {"W/sheet number", gkNumber, 0, false, {}},
        {"W/sheet count", gkNumber, 0, false, {}},
        {"Part A or B", gkText, 0, false, {}},
        {"Index factor", gkNumber, 5, true, {}},
    };
    std::vector<std::string> lines;
    for (const ChoiceColumnSpec& column : columns) lines.push_back(Descriptor(column));
    return lines;
}

void SetUpChoiceTable(TGridModel& grid) {
    grid.SetColCount(ChoiceColumns);
    grid.SetDisplay(ChoiceTableDescriptors());
    grid.ReadDescriptors();
    for (int col : {ccSection, ccPriorCollectableApplied, ccTransferredApplied, ccSource, ccRecord,
                    ccPart, ccIndexFactor})
        grid.SetColumnHidden(col, true);
}

void SetUpUnappliedLosses(TGridModel& grid) {
    SetUpCalculatedGrid(grid, {{"Unapplied losses", gkText, 0},
                               {"Collectable loss", gkNumber, 0},
                               {"Other loss", gkNumber, 0}});
    grid.SetRowCount(3);
    grid.SetCell(0, 1, "Prior Years");
    grid.SetCell(0, 2, "Current Year");
}
