#pragma once
// The steps of the choice table: building it from the store, recalculating it, checking
// it before it is left, saving the choices back to where each row came from, and the
// automatic choices.

#include <string>

#include "calc/choice_table.h"

// Every gain and loss of the trust table, the manual table and the worksheet items, with
// the choices stored for them; the loss totals of the year.
void BuildChoiceTable(ChoiceTable& table);
// Row 1 of `table`: the disposal row of the item in the scratch fields, as the table builds
// it, with the method, defer answer and losses stored for it.
void BuildDisposalRow(ChoiceTable& table);
// The unapplied losses table before any loss is applied; the prior-year and transferred-in
// losses of the return.
void FillUnappliedLosses(ChoiceTable& table);
// Net gains, the small business rows (field 801), the unapplied losses, field 1578.
void RecalculateChoiceTable(ChoiceTable& table);

// The net capital gain as the screen's label shows it, for example "$12,345".
std::string NetCapitalGainText(const ChoiceTable& table);
// Some row still waits for its method or its deferment answer: until then there is no net
// capital gain to show.
bool ChoicesOutstanding(const ChoiceTable& table);

// The first broken rule: its message and the row and column the cursor goes to.
struct ChoiceProblem {
    std::string message;   // empty when the table may be left
    int row = 1, col = 3;  // the cell that puts it right
    explicit operator bool() const { return !message.empty(); }
};
ChoiceProblem CheckChoiceTable(const ChoiceTable& table);

// The loss cells, methods and defer answers into fields 1215, 1201 and the items.
void SaveChoices(const ChoiceTable& table);

void MakeDeferChoices(ChoiceTable& table);
void MakeMethodChoices(ChoiceTable& table);
void ApplyCollectableLosses(ChoiceTable& table);
void ApplyOtherLosses(ChoiceTable& table);

// The CGT schedule (item 1 of worksheet 469) from the table, and the return labels.
void BuildSchedule(const ChoiceTable& table);
