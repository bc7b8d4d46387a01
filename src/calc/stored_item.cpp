#include "calc/stored_item.h"

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "store/worksheet_items.h"

StoredItem StoredAssetItem(const std::string& worksheetCell, const std::string& numberCell) {
    long double worksheet = 0, number = 0;
    if (!TryReadNumber(TrimmedText(worksheetCell), worksheet) ||
        !TryReadNumber(TrimmedText(numberCell), number))
        return {};
    const int k = static_cast<int>(worksheet), n = static_cast<int>(number);
    if (k < FirstAssetWorksheet || k > LastAssetWorksheet) return {};
    if (n < 1 || n > WorksheetItemCount(k)) return {};
    return {k, n};
}
