#pragma once
// The module-wide table of named texts: "@" variables for captions, labels and reports,
// "#" internal settings. Names compare without regard to letter case.

#include <functional>
#include <string>
#include <utility>
#include <vector>

class TVariableManager {
public:
    void SetVariable(const std::string& name, const std::string& value);
    // Empty when the name is not in the table.
    std::string GetVariable(const std::string& name) const;
    // Replaces every "<@Name>" reference by the variable's value, values included.
    std::string ExpandVariables(const std::string& text) const;

    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    std::vector<std::pair<std::string, std::string>> entries_;  // in the order first set
};

// The operations on the module's table.
void SetVariable(const std::string& name, const std::string& value);
std::string GetVariable(const std::string& name);
std::string ExpandVariables(const std::string& text);

bool SameTextIgnoringCase(const std::string& a, const std::string& b);

// The expansion rule with the value of each "<@Name>" reference supplied by `valueOf`
// (called with "@Name"), for callers that need the values in another encoding.
std::string ExpandVariablesWith(const std::string& text,
                                const std::function<std::string(const std::string&)>& valueOf);
