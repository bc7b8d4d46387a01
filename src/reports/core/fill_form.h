#pragma once
// Puts the store's values into the texts of a loaded report that name a field: a loss sign,
// a whole list, one column of a list, or a field's display text.

#include "reports/core/txreport.h"

void FillForm(TXReport& report);

// The text a reference record stands for with the store as it is; a list column shows the
// rows of `slice`.
std::string ReferenceText(const ScriptRecord& record, RowSlice slice = {});
