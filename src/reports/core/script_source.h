#pragma once
// The readable text form of a report script, one record a line, compiled into the binary
// record format at build time. A line is a keyword, numbers, name=value pairs and at most
// one quoted text; "#" starts a comment. See reports/scripts/README.md for the keywords.

#include <stdexcept>
#include <string>
#include <vector>

#include "reports/core/script_reader.h"

struct CompiledScript {
    std::string name;
    std::vector<ScriptSection> sections;
};

class ScriptSourceError : public std::runtime_error {
public:
    ScriptSourceError(int line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

CompiledScript CompileScriptSource(const std::string& source);
