#include "calc/ticked_items.h"

#include "store/field_slot.h"
#include "store/worksheet_items.h"

namespace {

// A blank field or a clear check box reads as not ticked; any other record is loaded, so
// that reading it behaves as it always did.
bool SurelyClear(const FieldSlot* stored) {
    return !stored || stored->type == dtNone || (stored->type == dtCheckbox && !stored->Ticked());
}

}  // namespace

void ForEachTickedItem(const std::vector<int>& worksheets, int box,
                       const std::function<void(int worksheet, int item)>& step) {
    int lastWorksheet = 0, lastItem = 0;
    bool lastLoaded = true;
    for (int k : worksheets) {
        const int count = WorksheetItemCount(k);
        for (int item = 1; item <= count; ++item) {
            lastWorksheet = k;
            lastItem = item;
            lastLoaded = !SurelyClear(StoredItemField(k, item, box));
            if (!lastLoaded) continue;
            GetWorksheetItem(k, item);
            step(k, item);
        }
    }
    if (!lastLoaded) GetWorksheetItem(lastWorksheet, lastItem);
}
