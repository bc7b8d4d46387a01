#include "reports/core/script_source_line.h"

#include <cctype>
#include <stdexcept>

#include "reports/core/script_record.h"

namespace {

int ParseInt(const std::string& token) {
    size_t used = 0;
    const int value = std::stoi(token, &used, 0);
    if (used != token.size()) throw std::invalid_argument("not a number: " + token);
    return value;
}

// A quoted text; \" and \\ stand for themselves, \n for a line break.
std::string ReadQuoted(const std::string& line, size_t& at) {
    std::string text;
    for (++at; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            ++at;
            // The binary form ends a text at its first zero and counts it in 16 bits.
            if (text.find('\0') != std::string::npos)
                throw std::invalid_argument("a text cannot hold a zero byte");
            if (text.size() > MostScriptTextBytes)
                throw std::invalid_argument("a text of more than " +
                                            std::to_string(MostScriptTextBytes) + " bytes");
            return text;
        }
        if (c == '\\' && at + 1 < line.size()) {
            const char next = line[++at];
            text += next == 'n' ? '\n' : next;
        } else {
            text += c;
        }
    }
    throw std::invalid_argument("a text without its closing quote");
}

}  // namespace

int ScriptSourceLine::Number(const std::string& name, int fallback) const {
    const auto found = named.find(name);
    return found == named.end() ? fallback : ParseInt(found->second);
}

int ScriptSourceLine::At(size_t index) const {
    if (index >= numbers.size()) throw std::out_of_range("too few numbers");
    return numbers[index];
}

std::optional<ScriptSourceLine> SplitScriptSourceLine(const std::string& line) {
    ScriptSourceLine parts;
    size_t at = 0;
    while (at < line.size()) {
        const char c = line[at];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++at;
            continue;
        }
        if (c == '#') break;
        if (c == '"') {
            if (parts.text) throw std::invalid_argument("more than one text");
            parts.text = ReadQuoted(line, at);
            continue;
        }
        size_t end = at;
        while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end]))) ++end;
        const std::string token = line.substr(at, end - at);
        at = end;
        if (parts.keyword.empty()) {
            parts.keyword = token;
        } else if (const size_t eq = token.find('='); eq != std::string::npos) {
            parts.named[token.substr(0, eq)] = token.substr(eq + 1);
        } else {
            parts.numbers.push_back(ParseInt(token));
        }
    }
    if (parts.keyword.empty()) {
        if (parts.text) throw std::invalid_argument("a text without a keyword");
        return std::nullopt;
    }
    return parts;
}
