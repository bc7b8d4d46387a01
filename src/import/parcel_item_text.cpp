#include "import/parcel_item_text.h"

#include <cstdint>
#include <cstdio>

#include "base/dates.h"

namespace {

// 64-bit FNV-1a: stable from run to run and machine to machine.
uint64_t Digest(const std::string& text) {
    uint64_t hash = 1469598103934665603ULL;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

}  // namespace

std::string PartItemName(const MatchedPart& part) {
    const std::string tail = " " + std::to_string(part.quantity) + " " + FormatDate(part.buy->date);
    std::string name = part.buy->code.substr(0, ItemNameLength - tail.size());
    const size_t room = ItemNameLength - tail.size() - name.size();
    if (!part.buy->company.empty() && room > 1) name += " " + part.buy->company.substr(0, room - 1);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name + tail;
}

std::string PartImportMark(const MatchedPart& part) {
    // A sale matched to one purchase in two runs cannot happen, so the pair is unique in a
    // list; the line numbers tell identical lines apart.
    const std::string source = std::to_string(part.buy->line) + "\n" + part.buy->text + "\n" +
                               std::to_string(part.sell->line) + "\n" + part.sell->text;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(Digest(source)));
    return ImportMarkPrefix + std::string(hex);
}
