#pragma once
// The figures "orvana-tax calc --json" prints: every item's results, the choice table's
// rows by column, the schedule record and the return labels, and the notices of items the
// calculation counted otherwise than typed or whose event lies outside the income year.

#include <nlohmann/json.hpp>
#include <vector>

struct ChoiceTable;
struct ItemNotice;

nlohmann::json CalcResultJson(const ChoiceTable& table, const std::vector<ItemNotice>& notices);

// One line for a person: the item's name, where it is, and the notice.
std::string NoticeLine(const ItemNotice& notice);
