#pragma once
// The frame at the top of every page that a section other than an always-new-page one opens:
// a white page, the page-top block, the taxpayer's name and file number, a signature line
// and a rule. Returns the height it takes.

#include <vector>

#include "reports/core/page_list.h"
#include "reports/core/script_reader.h"

constexpr int ContinuationFrameHeight = 90;

int AddContinuationFrame(const std::vector<ScriptItem>& pageTop, PageList& pages);
