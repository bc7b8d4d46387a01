#include "controls/core/text_label_types.h"

#include "base/text_variables.h"

bool TryReadKindName(const std::string& name, TTextLblKind& kind) {
    static constexpr struct {
        const char* name;
        TTextLblKind kind;
    } kinds[] = {{"None", tlkNone},
                 {"Direction", tlkDirection},
                 {"Attention", tlkAttention},
                 {"Danger", tlkDanger}};
    for (const auto& entry : kinds) {
        if (SameTextIgnoringCase(name, entry.name)) {
            kind = entry.kind;
            return true;
        }
    }
    return false;
}
