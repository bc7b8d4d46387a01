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
};

// `text` is the cell text that the key would extend, that is without the editor's
// selection; `hasSelection` tells whether the key replaces a selection.
GridKeyResult FilterGridKey(const TGridColumn& column, const std::string& text, bool hasSelection,
                            char key);
