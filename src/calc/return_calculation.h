#pragma once
// The whole return recalculated from what is stored, as `orvana-tax calc` does it: the same
// steps the interview takes from the items to the CGT schedule.

#include <string>

#include "calc/choice_table.h"

struct CalculationRefusal {
    std::string message;  // empty when the return was recalculated
    explicit operator bool() const { return !message.empty(); }
};

// Every item's summaries, the choice table (every method and loss chosen afresh by the
// module when `automatic`; deferment answers of "No" are kept), the
// concession summaries, the scrip for scrip totals and the schedule; the table is stored in
// its bound field. When the choice table or the elections break a rule, the first broken
// rule is returned and nothing after the item summaries is stored.
CalculationRefusal RecalculateReturn(ChoiceTable& table, bool automatic);
