#pragma once
// The dates of the stored asset items as the asset screens would take them, for returns
// that did not come through the interview: each date a date, and no date the registration,
// cost base, cost elements, payments or event screens refuse (before CGT started, an event
// before the acquisition, the cost base date or an expense, a roll-over after the
// acquisition). The screens' own messages say what is wrong.

#include <optional>
#include <string>

#include "calc/item_notices.h"

// Whether `field` of an asset item is one of the dates its screens take (726, 729, 730, 739).
bool IsItemDateField(int field);
// Text for such a field: empty when its screen takes it (a blank included), with `shown` the
// date as the screen shows it (dd/mm/yyyy); otherwise why not.
std::string ItemDateEntryFault(int field, const std::string& text, std::string& shown);

// The loaded item's first date fault; nothing when its dates are all ones the screens take.
std::optional<std::string> LoadedItemDateFault(int worksheet);

// The first asset item, in worksheet and item order, whose dates a screen would refuse,
// with the reason as its text. Reads the items only, as CollectItemNotices does.
std::optional<ItemNotice> FirstItemDateFault();
