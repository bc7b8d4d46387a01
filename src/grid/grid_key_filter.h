#pragma once
// The characters a grid cell takes as they are typed, by the column's kind.

#include <string>

#include "grid/grid_column.h"

enum class GridKeyVerdict {
    Accept,        // insert `key` (letter case applied)
    Drop,          // silently
    DropWithBeep,  //
    Control,       // a control character: the editor's own handling
};

struct GridKeyResult {
    GridKeyVerdict verdict = GridKeyVerdict::Drop;
    char key = 0;
    bool cents = false;  // refused as the cents of a whole-dollar column
};

// `text` is the cell text that the key would extend, that is without the editor's
// selection; `hasSelection` tells whether the key replaces a selection.
GridKeyResult FilterGridKey(const TGridColumn& column, const std::string& text, bool hasSelection,
                            char key);

// The keys typed into one cell one after another: FilterGridKey, with a decimal point and
// the digits after it refused in a whole-dollar column as in a whole-dollar entry field.
// Reset when the caret moves, text is deleted or a cell is entered.
class GridCellKeys {
public:
    GridKeyResult Filter(const TGridColumn& column, const std::string& text, bool hasSelection,
                         char key);
    void Reset() { inCents_ = false; }

private:
    bool inCents_ = false;
};

// A number column without decimals holds whole dollars.
bool WholeDollarColumn(const TGridColumn& column);
