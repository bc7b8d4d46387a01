#pragma once
// The texts a matched part parcel's share worksheet item carries: its name, and the mark of
// the trade lines it came from, by which a second import of the same list is recognised.

#include <string>

#include "import/parcel_matching.h"

// The asset name field holds at most 40 characters.
inline constexpr size_t ItemNameLength = 40;
// "CODE Company 1000 12/03/2004": code, company (shortened to fit), quantity, purchase date.
std::string PartItemName(const MatchedPart& part);

// Every import mark begins so; the rest is a digest of the purchase and the sale lines.
inline constexpr const char* ImportMarkPrefix = "Imported trade #";
std::string PartImportMark(const MatchedPart& part);
