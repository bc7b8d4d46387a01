#pragma once
// The figures "orvana-tax calc --json" prints, under names a script can read: each asset's
// results, the choice table's rows, the schedule by part, the return labels and the notices
// of items counted otherwise than typed or whose event lies outside the income year. Every
// figure that a field holds is {"value": V, "field": N}; amounts are numbers, a blank is null.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct ChoiceTable;
struct ItemNotice;

// The open return's results after a recalculation; without `assets` the results of each
// asset are left out (only the JSON shows them, and a large return has thousands).
nlohmann::ordered_json CalcResultJson(const ChoiceTable& table,
                                      const std::vector<ItemNotice>& notices, bool assets = true);

// A choice table cell as JSON: amounts as numbers, texts trimmed; null when blank.
nlohmann::ordered_json ChoiceCellJson(const std::string& cell, bool amount);

// One line for a person: the item's name, where it is, and the notice.
std::string NoticeLine(const ItemNotice& notice);
