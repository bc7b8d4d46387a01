#pragma once
// The asset item that a table row names in its hidden worksheet and item cells.

#include <string>

struct StoredItem {
    int worksheet = 0, number = 0;
    explicit operator bool() const { return worksheet != 0; }
};

// The item the two cells name when an asset worksheet holds it; none otherwise, so that a
// row naming something else is written nowhere.
StoredItem StoredAssetItem(const std::string& worksheetCell, const std::string& numberCell);
