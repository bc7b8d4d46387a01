#include "calc/asset_types.h"

#include "base/text_encoding.h"
#include "calc/asset_fields.h"
#include "store/field_store.h"

std::string AssetTypeCode(const std::string& stored) { return TrimmedText(stored); }

std::string ItemAssetType() { return AssetTypeCode(GetFieldStr(fAssetType)); }

bool IsAssetType(const std::string& stored, std::initializer_list<const char*> codes) {
    const std::string code = AssetTypeCode(stored);
    for (const char* c : codes)
        if (code == c) return true;
    return false;
}

bool IsActiveAssetType(const std::string& code) {
    return IsAssetType(code, {"UA", "SA", "RA", "G", "OA"});
}

bool IsNonActiveAssetType(const std::string& code) {
    return IsAssetType(code, {"UN", "SN", "RN", "ON", "P"});
}

bool IsPersonalUseType(const std::string& code) { return IsAssetType(code, {"P"}); }

bool IsCollectableType(const std::string& code) { return IsAssetType(code, {"A"}); }
