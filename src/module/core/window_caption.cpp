#include "module/core/window_caption.h"

#include "base/module_state.h"
#include "store/field_store.h"
#include "store/lodgment.h"

namespace {
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
}  // namespace

std::string MainWindowCaption() {
    std::string caption = std::string(ApplicationTitle) + " " + std::to_string(TaxYear);
    const std::string& file = State().CurrentFileName;
    if (!file.empty()) caption += " - " + file;
    if (IsFileLodged())
        caption += " (Lodged on " + Trimmed(GetFieldText(1478)) + " at " +
                   Trimmed(GetFieldText(1490)) + ".  Ref:" + Trimmed(GetFieldText(1479)) + ")";
    return caption;
}
