#pragma once
// Which help file a help request opens, and which set of topics a help file name stands for.

#include <functional>
#include <string>

using FileExistsCheck = std::function<bool(const std::string& path)>;

inline constexpr const char* ModuleHelpWord = "cgt";

// In the host program's folder "orvana<word>2006.hlp" when it exists, else "orvana<word>.hlp"
// there when that exists, else the bare "orvana<word>2006.hlp" without a folder. The module's
// help uses the word "cgt", the host's main help no word.
std::string HelpFileName(const std::string& hostProgramFolder, const std::string& word,
                         const FileExistsCheck& fileExists);

enum class HelpTopicSet { Module, HostMain };

// The module's topics for its own help file (any folder, any letter case), the host's main
// topics for every other name.
HelpTopicSet TopicSetForHelpFile(const std::string& helpFileName);
