#pragma once
// Naming rules of the Save dialog: which keystrokes the name field takes, how a typed name
// becomes a data file name, and the full path it is saved under.

#include <string>
#include <vector>

constexpr int SaveNameMaxLength = 36;

// Letters, digits, "-" and one "." (the text the key would join, without any selection).
bool SaveNameKeyAllowed(char key, const std::string& remainingText);

struct SaveNameCheck {
    bool ok = false;
    std::string name;   // the name with its extension, when ok
    std::string error;  // "File extension must be .TAX" or "Invalid filename"
};

// Trims the name, completes a missing extension and checks it.
SaveNameCheck CheckSaveFileName(const std::string& typed);

// The checked name in upper case, in the folder. A file of the folder whose name differs
// only in letter case is that file (as it would be where names ignore case); folders keep
// their case, since paths here are case-sensitive.
std::string FullSaveFileName(const std::string& folder, const std::string& name,
                             const std::vector<std::string>& namesInFolder = {});
