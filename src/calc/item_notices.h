#pragma once
// What the calculation counts although it was not typed as it stands, named for the taxpayer
// by the screens and by `orvana-tax calc` alike: an amount that cannot be negative but holds a
// minus (a return written by another program) counts as a typed 0, an event dated outside
// the income year counts in this year's figures (the event screen had the taxpayer confirm it),
// and proceeds without an event date give no gain or loss.

#include <string>
#include <vector>

// The asset item's amounts that are never negative: the section 2 cost bases, the
// depreciating asset's cost, sum of reductions and total decline, the capital proceeds
// (termination value).
bool CannotBeNegative(int field);
// The field's amount; a negative amount of such a field counts as a typed 0.
long double NonNegativeAmount(int field, bool clean = false);

// The income year of the return: 1 July 2005 to 30 June 2006.
bool OutsideIncomeYear(double date);
// "1 July 2005 to 30 June 2006".
std::string IncomeYearText();
// The event screens' question when the event date lies outside the income year.
std::string EventOutsideYearQuestion();

struct ItemNotice {
    int worksheet = 0, item = 0, field = 0;
    std::string name;  // the item's description, Latin-1
    std::string text;  // what is counted and how, Latin-1
};
// The notices of every asset item, in worksheet and item order. Reads the items only: the
// open worksheet stays the current one and the scratch fields are cleared afterwards.
std::vector<ItemNotice> CollectItemNotices();
