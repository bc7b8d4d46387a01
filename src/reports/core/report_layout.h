#pragma once
// Lays the sections of a script out onto pages of the page list: which sections print, where
// pages break, the heading, row, totals and page-top blocks, and the continuation frame.

#include <vector>

#include "reports/core/page_list.h"
#include "reports/core/script_reader.h"

// Sections first..last (1-based) of `script` are appended to `pages`. Without `continued`
// the first repeating section starts a new page.
void LayOutScript(const std::vector<ScriptSection>& script, int first, bool continued, int last,
                  PageList& pages);

// Whether a section prints with the store as it stands.
bool SectionPrints(const ScriptSection& section);
