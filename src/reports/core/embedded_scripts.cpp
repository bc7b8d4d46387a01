#include "reports/core/embedded_scripts.h"

#include <map>

#include "base/text_variables.h"

namespace {

const EmbeddedBlob* Find(const EmbeddedBlob* table, size_t count, const std::string& name) {
    for (size_t i = 0; i < count; ++i)
        if (SameTextIgnoringCase(table[i].name, name)) return &table[i];
    return nullptr;
}

MonoBitmap Decode(const EmbeddedBlob& blob) {
    MonoBitmap bitmap;
    if (blob.size < 4) return bitmap;
    bitmap.width = blob.bytes[0] | (blob.bytes[1] << 8);
    bitmap.height = blob.bytes[2] | (blob.bytes[3] << 8);
    const size_t cells = static_cast<size_t>(bitmap.width) * bitmap.height;
    if (blob.size < 4 + (cells + 7) / 8) return {};
    bitmap.black.resize(cells);
    for (size_t i = 0; i < cells; ++i) bitmap.black[i] = (blob.bytes[4 + i / 8] >> (i % 8)) & 1;
    return bitmap;
}

}  // namespace

std::optional<std::vector<uint8_t>> EmbeddedScript(const std::string& name) {
    const EmbeddedBlob* blob = Find(EmbeddedScriptTable, EmbeddedScriptCount, name);
    if (!blob) return std::nullopt;
    return std::vector<uint8_t>(blob->bytes, blob->bytes + blob->size);
}

std::vector<std::string> EmbeddedScriptNames() {
    std::vector<std::string> names;
    for (size_t i = 0; i < EmbeddedScriptCount; ++i) names.push_back(EmbeddedScriptTable[i].name);
    return names;
}

const MonoBitmap* EmbeddedBitmap(const std::string& name) {
    // Decoded once; the table never changes while the program runs.
    static const std::map<std::string, MonoBitmap> decoded = [] {
        std::map<std::string, MonoBitmap> all;
        for (size_t i = 0; i < EmbeddedBitmapCount; ++i)
            all[EmbeddedBitmapTable[i].name] = Decode(EmbeddedBitmapTable[i]);
        return all;
    }();
    for (const auto& [key, bitmap] : decoded)
        if (SameTextIgnoringCase(key, name) && bitmap.width > 0) return &bitmap;
    return nullptr;
}
