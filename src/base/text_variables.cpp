#include "base/text_variables.h"

#include "base/latin1_case.h"
#include "base/module_state.h"

namespace {
// A value that refers to itself would otherwise expand for ever.
constexpr int MaxExpansions = 1000;
}  // namespace

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Latin1Lower(a[i]) != Latin1Lower(b[i])) return false;
    return true;
}

void TVariableManager::SetVariable(const std::string& name, const std::string& value) {
    for (auto& entry : entries_) {
        if (SameTextIgnoringCase(entry.first, name)) {
            entry.second = value;
            return;
        }
    }
    entries_.emplace_back(name, value);
}

std::string TVariableManager::GetVariable(const std::string& name) const {
    for (const auto& entry : entries_)
        if (SameTextIgnoringCase(entry.first, name)) return entry.second;
    return {};
}

std::string TVariableManager::ExpandVariables(const std::string& text) const {
    return ExpandVariablesWith(text, [this](const std::string& name) { return GetVariable(name); });
}

std::string ExpandVariablesWith(const std::string& text,
                                const std::function<std::string(const std::string&)>& valueOf) {
    std::string result = text;
    for (int round = 0; round < MaxExpansions; ++round) {
        const size_t start = result.find("<@");
        if (start == std::string::npos) break;
        const size_t end = result.find('>', start);
        if (end == std::string::npos) break;
        const std::string name = result.substr(start + 1, end - start - 1);
        result.replace(start, end - start + 1, valueOf(name));
    }
    return result;
}

void SetVariable(const std::string& name, const std::string& value) {
    State().Variables.SetVariable(name, value);
}

std::string GetVariable(const std::string& name) { return State().Variables.GetVariable(name); }

std::string ExpandVariables(const std::string& text) {
    return State().Variables.ExpandVariables(text);
}
