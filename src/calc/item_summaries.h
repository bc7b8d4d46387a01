#pragma once
// What the interview does to the stored items when it passes through the return: every
// asset item's payments and calculation summaries, every receipt's gain and loss.

// Runs them in interview order, storing each item back.
void RunItemSummaries();
