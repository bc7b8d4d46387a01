#pragma once
// Asset type codes: field 714 of an item and the type column of the tables. A stored code
// may carry blanks ("P "), so every reader compares the trimmed code through these.

#include <initializer_list>
#include <string>

// The code without its surrounding blanks.
std::string AssetTypeCode(const std::string& stored);
// The loaded item's code (field 714), trimmed.
std::string ItemAssetType();
// The trimmed code is one of `codes`.
bool IsAssetType(const std::string& stored, std::initializer_list<const char*> codes);

// Active assets, which qualify for the small business concessions: "UA", "SA", "RA", "G", "OA".
bool IsActiveAssetType(const std::string& code);
// Non-active assets other than collectables: "UN", "SN", "RN", "ON", "P".
bool IsNonActiveAssetType(const std::string& code);
bool IsPersonalUseType(const std::string& code);  // "P"
bool IsCollectableType(const std::string& code);  // "A"
