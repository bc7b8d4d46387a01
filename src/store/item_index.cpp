#include "store/item_index.h"

#include <algorithm>
#include <vector>

namespace {

struct ItemIndex {
    const ItemList* list = nullptr;
    const WorksheetItem* data = nullptr;
    size_t size = 0;
    bool grouped = false;
    int count = 0;
    std::vector<ItemRange> ranges;  // by key; keys run 0 to 65535
};

ItemIndex& Index() {
    static ItemIndex index;
    return index;
}

bool Current(const ItemList& list) {
    const ItemIndex& index = Index();
    return index.list == &list && index.data == list.data() && index.size == list.size();
}

void Build(const ItemList& list) {
    ItemIndex& index = Index();
    index = ItemIndex{&list, list.data(), list.size(), true, 0, {}};
    for (size_t i = 0; i < list.size(); ++i) {
        const int key = list[i].ItemKey;
        index.count = std::max(index.count, key);
        if (index.ranges.size() <= static_cast<size_t>(key)) index.ranges.resize(key + 1u);
        ItemRange& range = index.ranges[static_cast<size_t>(key)];
        if (range.begin == range.end)
            range = ItemRange{i, i + 1};
        else if (range.end == i)
            range.end = i + 1;
        else
            index.grouped = false;
    }
}

const ItemIndex& For(const ItemList& list) {
    if (!Current(list)) Build(list);
    return Index();
}

}  // namespace

int IndexedItemCount(const ItemList& list) { return For(list).count; }

bool IndexedItemRange(const ItemList& list, int key, ItemRange& range) {
    const ItemIndex& index = For(list);
    if (!index.grouped || key < 0) return false;
    const size_t k = static_cast<size_t>(key);
    range = k < index.ranges.size() ? index.ranges[k] : ItemRange{};
    if (range.begin == range.end) range = ItemRange{list.size(), list.size()};
    return true;
}

void ItemRecordsReplaced(const ItemList& list, int key, ItemRange old, size_t count) {
    ItemIndex& index = Index();
    if (index.list != &list || !index.grouped || key < 0) {
        ForgetItemIndex();
        return;
    }
    const size_t k = static_cast<size_t>(key);
    if (index.ranges.size() <= k) index.ranges.resize(k + 1);
    const size_t removed = old.end - old.begin;
    if (count != removed)
        for (ItemRange& range : index.ranges)
            if (range.begin != range.end && range.begin >= old.end) {
                range.begin = range.begin + count - removed;
                range.end = range.end + count - removed;
            }
    index.ranges[k] = count ? ItemRange{old.begin, old.begin + count} : ItemRange{};
    if (count) index.count = std::max(index.count, key);
    if (!count && key == index.count) {
        index.count = 0;
        for (size_t r = 0; r < index.ranges.size(); ++r)
            if (index.ranges[r].begin != index.ranges[r].end) index.count = static_cast<int>(r);
    }
    index.data = list.data();
    index.size = list.size();
}

void ForgetItemIndex() { Index() = ItemIndex{}; }
