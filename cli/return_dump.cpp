#include "return_dump.h"

#include <iomanip>
#include <map>
#include <nlohmann/json.hpp>
#include <ostream>

#include "base/latin1_text.h"
#include "base/module_state.h"
#include "base/numbers.h"
#include "store/data_file_format.h"

namespace {

using nlohmann::ordered_json;

bool IsNumber(int type) { return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt; }

std::string Quoted(const std::string& latin1) { return ordered_json(Latin1ToUtf8(latin1)).dump(); }

std::string TextValue(const FieldSlot& slot) {
    switch (slot.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            return FormatGeneral(slot.Extended());
        case dtString:
            return Quoted(slot.longText.value_or(std::string()));
        case dtSmallStr:
            return Quoted(slot.SmallText());
        case dtCheckbox:
            return slot.Ticked() ? "ticked" : "not ticked";
        case dtList: {
            std::string lines = "[";
            if (slot.list)
                for (size_t i = 0; i < slot.list->size(); ++i)
                    lines += (i ? ", " : "") + Quoted((*slot.list)[i]);
            return lines + "]";
        }
        default:
            return {};
    }
}

// "  (Name)" after a line, when names are asked for and the field has one.
std::string NameAfter(FieldNamer namer, int holder, int n) {
    if (!namer) return {};
    const std::string name = namer(holder, n);
    return name.empty() ? std::string() : "  (" + name + ")";
}

void TextLine(std::ostream& out, const char* indent, int n, const FieldSlot& slot,
              const std::string& name) {
    out << indent << "field " << std::setw(4) << n << "  " << std::left << std::setw(14)
        << DataTypeName(slot.type) << std::right << TextValue(slot) << name << '\n';
}

// Item records grouped by key, keys in the order the items stand.
std::vector<std::pair<int, std::vector<const WorksheetItem*>>> ByItem(const ItemList& items) {
    std::vector<std::pair<int, std::vector<const WorksheetItem*>>> groups;
    for (const WorksheetItem& record : items) {
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const auto& g) { return g.first == record.ItemKey; });
        if (group == groups.end()) group = groups.insert(groups.end(), {record.ItemKey, {}});
        group->second.push_back(&record);
    }
    return groups;
}

ordered_json FieldJson(const FieldSlot& slot, FieldNamer namer, int holder, int n) {
    ordered_json field;
    if (namer) field["name"] = namer(holder, n);
    field["type"] = DataTypeName(slot.type);
    if (IsNumber(slot.type)) {
        field["value"] = static_cast<double>(slot.Extended());
    } else if (slot.type == dtString) {
        field["value"] = Latin1ToUtf8(slot.longText.value_or(std::string()));
    } else if (slot.type == dtSmallStr) {
        field["value"] = Latin1ToUtf8(slot.SmallText());
    } else if (slot.type == dtCheckbox) {
        field["value"] = slot.Ticked();
    } else if (slot.type == dtList) {
        field["value"] = ordered_json::array();
        if (slot.list)
            for (const std::string& line : *slot.list) field["value"].push_back(Latin1ToUtf8(line));
    } else if (slot.type == dtWorksheet) {
        field["items"] = ordered_json::array();
        if (slot.items) {
            for (const auto& [key, records] : ByItem(*slot.items)) {
                ordered_json fields = ordered_json::object();
                for (const WorksheetItem* record : records)
                    fields[std::to_string(record->field)] =
                        FieldJson(record->slot, namer, n, record->field);
                field["items"].push_back({{"key", key}, {"fields", std::move(fields)}});
            }
        }
    }
    field["text"] = Latin1ToUtf8(FieldSlotText(slot));
    return field;
}

}  // namespace

void DumpReturnText(std::ostream& out, FieldNamer namer) {
    const ModuleState& state = State();
    out << "screen group " << state.ScreenGroup << ", index " << state.ScreenIndex << '\n';
    out << "history:";
    for (int32_t screen : state.ScreenHistory) out << ' ' << screen;
    out << '\n';
    for (int n = 1; n <= MaxField; ++n) {
        const FieldSlot& slot = state.Store->Slot(n);
        if (!FieldHoldsRecord(slot)) continue;
        if (slot.type != dtWorksheet) {
            TextLine(out, "", n, slot, NameAfter(namer, 0, n));
            continue;
        }
        const auto items = ByItem(*slot.items);
        out << "field " << std::setw(4) << n << "  " << std::left << std::setw(14) << "dtWorksheet"
            << std::right << items.size() << (items.size() == 1 ? " item" : " items")
            << NameAfter(namer, 0, n) << '\n';
        for (const auto& [key, records] : items) {
            out << "  item " << key << '\n';
            for (const WorksheetItem* record : records)
                TextLine(out, "    ", record->field, record->slot,
                         NameAfter(namer, n, record->field));
        }
    }
}

void DumpReturnJson(std::ostream& out, FieldNamer namer) {
    const ModuleState& state = State();
    ordered_json fields = ordered_json::object();
    for (int n = 1; n <= MaxField; ++n) {
        const FieldSlot& slot = state.Store->Slot(n);
        if (FieldHoldsRecord(slot)) fields[std::to_string(n)] = FieldJson(slot, namer, 0, n);
    }
    const ordered_json dump = {{"screenGroup", state.ScreenGroup},
                               {"screenIndex", state.ScreenIndex},
                               {"history", state.ScreenHistory},
                               {"fields", std::move(fields)}};
    out << dump.dump(2) << '\n';
}
