#include "command_support.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include "base/latin1_text.h"
#include "base/module_state.h"
#include "store/data_file.h"
#include "store/file_bytes.h"
#include "store/return_key.h"

std::vector<std::string>& CoreMessages() {
    // Each thread of a batch keeps the messages of its own return.
    static thread_local std::vector<std::string> messages;
    return messages;
}

std::string OneLine(const std::string& text) {
    std::string line;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool lineBreak = text[i] == '\r' || text[i] == '\n';
        if (!lineBreak)
            line += text[i];
        else if (i == 0 || (text[i - 1] != '\r' && text[i - 1] != '\n'))
            line += ' ';
    }
    return line;
}

void InstallResponder() {
    State().Responder = [](const MessageRequest& request) {
        CoreMessages().push_back(OneLine(Latin1ToUtf8(request.text)));
        return ResultForButton(request.defaultButton);
    };
}

int Fail(int status, const std::string& message) {
    // Messages the screens show over several lines are one line here.
    std::cerr << "orvana-tax: " << OneLine(message) << '\n';
    return status;
}

void FlushCoreMessages() {
    for (const std::string& message : CoreMessages())
        // Messages the screens show over several lines are one line here.
        std::cerr << "orvana-tax: " << OneLine(message) << '\n';
    CoreMessages().clear();
}

std::string OpenProblem(int32_t result, const std::string& file) {
    switch (result) {
        case ENOENT:
            return file + ": no such file";
        case OpenNotADataFile:
            return file + ": not a 2006 return, damaged, or saved with another TFN";
        case OpenOtherTaxYear:
            return file + ": a return of another tax year";
        case OpenOtherIdentifier:
            return file + ": field 1 holds another TFN than the one it opens with (damaged)";
        case OpenBadFieldNumber:
            return file + ": a record names a field outside 1 to 2312";
        default:
            return file + ": " + FileProblemText(result, file);
    }
}

std::string WithFirstCoreMessage(const std::string& problem) {
    if (CoreMessages().empty()) return problem;
    const std::string line = CoreMessages().front() + " (" + problem + ")";
    CoreMessages().clear();
    return line;
}
