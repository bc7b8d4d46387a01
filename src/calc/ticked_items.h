#pragma once
// A pass over the items of some worksheets that only acts on those with one check box
// ticked, such as the roll-over and the 15-year exemption tables.

#include <functional>
#include <vector>

// Calls `step(worksheet, item)` with each item of the worksheets loaded into the scratch
// fields, skipping items whose `box` cannot read as ticked: those are looked at in their
// records, not loaded. The scratch fields are left as loading every item in turn leaves
// them (the last item loaded).
void ForEachTickedItem(const std::vector<int>& worksheets, int box,
                       const std::function<void(int worksheet, int item)>& step);
