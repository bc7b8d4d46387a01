#pragma once
// The module-wide table of named texts: "@" variables for captions, labels and reports,
// "#" internal settings. Names compare without regard to letter case.

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
