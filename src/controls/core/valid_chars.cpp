#include "controls/core/valid_chars.h"

namespace {
bool IsRange(const std::string& item) { return item.size() == 4 && item.compare(1, 2, "..") == 0; }

void AddRange(CharSet& set, char first, char last) {
    for (int c = static_cast<unsigned char>(first); c <= static_cast<unsigned char>(last); ++c)
        set.set(c);
}
}  // namespace

ValidCharsResult ParseValidChars(const std::string& fullText) {
    const std::string text = fullText.substr(0, ValidCharsLimit);
    ValidCharsResult result;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ',' && i + 3 < text.size() && text.compare(i + 1, 2, "..") == 0) {
            AddRange(result.allowed, ',', text[i + 3]);
            i += 4;
            if (i < text.size() && text[i] == ',') ++i;
            continue;
        }
        const size_t comma = text.find(',', i);
        const std::string item = text.substr(i, comma == std::string::npos ? comma : comma - i);
        i = comma == std::string::npos ? text.size() : comma + 1;
        if (item.empty()) {
            result.allowed.set(static_cast<unsigned char>(','));
        } else if (item.size() == 1) {
            result.allowed.set(static_cast<unsigned char>(item[0]));
        } else if (IsRange(item)) {
            AddRange(result.allowed, item[0], item[3]);
        } else {
            result.allowed.reset();
            result.error = "Bad ValidChars property " + text + " !";
            return result;
        }
    }
    return result;
}
