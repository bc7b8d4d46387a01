#include "calc/active_assets.h"

#include "base/text_encoding.h"

bool IsActiveAssetType(const std::string& code) {
    const std::string trimmed = TrimmedText(code);
    return trimmed == "UA" || trimmed == "SA" || trimmed == "RA" || trimmed == "G" ||
           trimmed == "OA";
}
