#pragma once
// Display rules of the calculation summary screens that do not depend on widgets.

#include <optional>
#include <string>

class TGridModel;

// The display-only radio groups of the event data panel, from the asset type code:
// 0 "Active", 1 "Non-active", -1 none.
int ActiveStatusItem(const std::string& typeCode);
// 0 "Shares/units", 1 "Real estate", 2 "Other", 3 "Collectable", -1 none.
int AssetKindItem(const std::string& typeCode);

// The payments summary has something to add for shares and trust interests only.
bool ShowsPaymentGains(int worksheet);

// Where the CGT worksheet scrolls so that a clicked column is in sight.
int WorksheetScrollPosition(int col);

// The first data row of the payments worksheet holding a date before CGT started in one of
// its four date columns.
std::optional<int> RowWithPreCgtDate(const TGridModel& worksheet);

// The text the payments summary refuses to be left with while such a date is there.
extern const char* const PaymentDateMessage;
