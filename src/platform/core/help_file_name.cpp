#include "platform/core/help_file_name.h"

#include <algorithm>
#include <cctype>

#include "base/module_state.h"

namespace {
std::string InFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string LowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
}  // namespace

std::string HelpFileName(const std::string& hostProgramFolder, const std::string& word,
                         const FileExistsCheck& fileExists) {
    const std::string yearName = "orvana" + word + std::to_string(TaxYear) + ".hlp";
    const std::string plainName = "orvana" + word + ".hlp";
    if (fileExists) {
        const std::string yearPath = InFolder(hostProgramFolder, yearName);
        if (fileExists(yearPath)) return yearPath;
        const std::string plainPath = InFolder(hostProgramFolder, plainName);
        if (fileExists(plainPath)) return plainPath;
    }
    return yearName;
}

HelpTopicSet TopicSetForHelpFile(const std::string& helpFileName) {
    const size_t slash = helpFileName.find_last_of("/\\");
    const std::string base =
        LowerCase(slash == std::string::npos ? helpFileName : helpFileName.substr(slash + 1));
    const std::string modulePrefix = std::string("orvana") + ModuleHelpWord;
    return base.rfind(modulePrefix, 0) == 0 ? HelpTopicSet::Module : HelpTopicSet::HostMain;
}
