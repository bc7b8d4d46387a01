#pragma once
// Reads a compiled script (header records, each followed by its counted records, texts after
// the records that carry one) into sections. A script cut short raises ReportError.

#include <cstdint>
#include <string>
#include <vector>

#include "reports/core/script_record.h"

struct ScriptItem {
    ScriptRecord record{};
    std::string text;  // for 'T', 'I' and '@' records, without its terminating zero
};

struct ScriptSection {
    ScriptRecord header{};
    std::vector<ScriptItem> items;
};

std::vector<ScriptSection> ReadScript(const std::vector<uint8_t>& bytes);
// The inverse, used by the script compiler.
std::vector<uint8_t> WriteScript(const std::vector<ScriptSection>& sections);
