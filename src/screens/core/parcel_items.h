#pragma once
// A matched part parcel as one share worksheet item, in the fields and forms the interview's
// share path stores: registration, cost elements, event and proceeds. Items carry the import
// mark of the trade lines they came from, by which an imported list is found again.

#include <set>
#include <string>
#include <vector>

#include "import/parcel_matching.h"

// A parcel bought before capital gains tax began (20/09/1985) makes no gain or loss.
bool BoughtBeforeCgt(const MatchedPart& part);

// Why the part cannot be written as the share path would write it ("" when it can).
std::string PartItemProblem(const MatchedPart& part);

// Writes the part as share item `key` (an existing key or the next new one); `active` makes
// the asset type "SA" instead of "SN". Loads the item into the scratch fields and stores it.
void WritePartItem(const MatchedPart& part, int key, bool active);

// Every mark an item imported from this list can carry: each purchase paired with each sale
// of the same security, whatever the matching method was.
std::set<std::string> ListImportMarks(const TradeList& list);

// The share items (keys, ascending) whose cost elements carry one of the marks. Reads the
// stored items without loading them, so the item being edited stays in the scratch fields.
std::vector<int> ItemsWithMarks(const std::set<std::string>& marks);

// Deletes the share items as the interview deletes an item (later items move up).
void DeleteShareItems(const std::vector<int>& keys);
