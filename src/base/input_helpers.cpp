#include "base/input_helpers.h"

#include "base/numbers.h"
#include "base/text_variables.h"

int FindItemByPrefix(const std::vector<std::string>& items, const std::string& prefix) {
    if (prefix.empty()) return -1;
    for (size_t i = 0; i < items.size(); ++i) {
        const std::string& item = items[i];
        if (item.size() >= prefix.size() &&
            SameTextIgnoringCase(item.substr(0, prefix.size()), prefix))
            return static_cast<int>(i);
    }
    return -1;
}

long double TextToNumberDef(const std::string& text, long double defaultValue) {
    long double value = 0;
    return TryReadNumber(text, value) ? value : defaultValue;
}
