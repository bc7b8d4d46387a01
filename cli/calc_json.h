#pragma once
// The figures "orvana-tax calc --json" prints: every item's results, the choice table's
// rows by column, the schedule record and the return labels.

#include <nlohmann/json.hpp>

struct ChoiceTable;

nlohmann::json CalcResultJson(const ChoiceTable& table);
