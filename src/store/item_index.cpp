#include "store/item_index.h"

#include <algorithm>
#include <iterator>
#include <map>
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
    thread_local ItemIndex index;  // each thread has its own store
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

namespace {

struct KeptStores {
    int depth = 0;
    // Per list, per key: the records that replace the key's records.
    std::map<ItemList*, std::map<int, std::vector<WorksheetItem>>> lists;
};

KeptStores& Kept() {
    thread_local KeptStores kept;
    return kept;
}

// One sweep: each kept key's records go where its old ones stood.
void Merge(ItemList& list, std::map<int, std::vector<WorksheetItem>>& keys) {
    ItemList merged;
    size_t size = list.size();
    for (const auto& [key, records] : keys) {
        ItemRange range;
        if (IndexedItemRange(list, key, range))
            size = size - (range.end - range.begin) + records.size();
    }
    merged.reserve(size);
    for (size_t i = 0; i < list.size();) {
        const int key = list[i].ItemKey;
        const auto kept = keys.find(key);
        if (kept == keys.end()) {
            merged.push_back(std::move(list[i++]));
            continue;
        }
        std::move(kept->second.begin(), kept->second.end(), std::back_inserter(merged));
        keys.erase(kept);
        while (i < list.size() && list[i].ItemKey == key) ++i;
    }
    list.swap(merged);
}

}  // namespace

ItemStorePass::ItemStorePass() { ++Kept().depth; }

ItemStorePass::~ItemStorePass() {
    if (--Kept().depth == 0) MergeKeptItemRecords();
}

bool ItemStorePassOpen() { return Kept().depth > 0; }

void KeepItemRecords(ItemList& list, int key, std::vector<WorksheetItem> records) {
    Kept().lists[&list][key] = std::move(records);
}

const std::vector<WorksheetItem>* KeptItemRecords(const ItemList& list, int key) {
    auto& lists = Kept().lists;
    const auto found = lists.find(const_cast<ItemList*>(&list));
    if (found == lists.end()) return nullptr;
    const auto records = found->second.find(key);
    return records == found->second.end() ? nullptr : &records->second;
}

void MergeKeptItemRecords() {
    auto lists = std::move(Kept().lists);
    Kept().lists.clear();
    for (auto& [list, keys] : lists) Merge(*list, keys);
    if (!lists.empty()) ForgetItemIndex();
}

void ForgetItemIndex() {
    Index() = ItemIndex{};
    Kept().lists.clear();
}
