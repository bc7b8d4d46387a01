#include "reports/core/script_source.h"

#include <functional>
#include <map>
#include <sstream>

#include "reports/core/script_source_line.h"

namespace {

using Line = ScriptSourceLine;

ScriptRecord Letter(char letter) {
    ScriptRecord r{};
    r[0] = static_cast<uint8_t>(letter);
    return r;
}

void PutByte(ScriptRecord& r, int at, int value) {
    if (value < 0 || value > 255) throw std::invalid_argument("a byte out of range");
    r[at] = static_cast<uint8_t>(value);
}

void PutBox(ScriptRecord& r, const Line& l) {
    for (int i = 0; i < 4; ++i) SetRecordInt16(r, 2 + 2 * i, l.At(i));
}

int FontIndex(const std::string& name) {
    static const std::map<std::string, int> names = {
        {"arial", 0}, {"narrow", 1}, {"courier", 2}, {"times", 3}};
    const auto found = names.find(name);
    if (found != names.end()) return found->second;
    return std::stoi(name);
}

ScriptRecord Font(const Line& l) {
    ScriptRecord r = Letter('F');
    PutByte(r, 2, l.Number("background", 15));
    PutByte(r, 3, FontIndex(l.named.count("name") ? l.named.at("name") : "arial"));
    PutByte(r, 4, l.Number("size", 10));
    PutByte(r, 5, l.Number("style", 0));
    PutByte(r, 6, l.Number("colour", 1));
    PutByte(r, 7, l.Number("mode", 0));
    SetRecordInt16(r, 8, l.Number("spacing", 0));
    return r;
}

ScriptRecord Pen(const Line& l) {
    ScriptRecord r = Letter('A');
    PutByte(r, 2, l.Number("brush", 15));
    PutByte(r, 3, l.Number("brushstyle", 0));
    PutByte(r, 4, l.Number("colour", 1));
    PutByte(r, 5, l.Number("width", 5));
    PutByte(r, 6, l.Number("style", 0));
    return r;
}

// ref=F:397, ref=S:1139, ref=L:1102 or ref=C:1105:FIRST:STRIDE.
void PutReference(ScriptRecord& r, const std::string& ref) {
    std::vector<std::string> parts;
    std::stringstream in(ref);
    for (std::string part; std::getline(in, part, ':');) parts.push_back(part);
    if (parts.size() < 2 || parts[0].size() != 1 ||
        std::string("FSLC").find(parts[0]) == std::string::npos)
        throw std::invalid_argument("a reference is F:, S:, L: or C: and a field");
    const bool column = parts[0] == "C";
    if (parts.size() != (column ? 4u : 2u)) throw std::invalid_argument("C:FIELD:FIRST:STRIDE");
    r[12] = static_cast<uint8_t>(parts[0][0]);
    SetRecordInt16(r, 13, std::stoi(parts[1]));
    if (column) {
        SetRecordInt16(r, 15, std::stoi(parts[2]));
        PutByte(r, 17, std::stoi(parts[3]));
    }
}

ScriptItem Text(const Line& l) {
    ScriptItem item{Letter('T'), l.text.value_or("")};
    SetRecordInt16(item.record, 2, l.Number("dx", 0));
    SetRecordInt16(item.record, 4, l.Number("dy", 0));
    PutByte(item.record, 10, l.Number("flags", 0));
    PutByte(item.record, 11, l.Number("boxed", 0));
    if (l.named.count("ref")) PutReference(item.record, l.named.at("ref"));
    return item;
}

ScriptItem Field(char letter, const Line& l) {
    ScriptItem item{Letter(letter), {}};
    PutByte(item.record, 2, l.Number("width", 0));
    SetRecordInt16(item.record, 3, l.At(0));
    SetRecordInt16(item.record, 5, l.Number("column", 0));
    PutByte(item.record, 7, l.Number("kind", 0));
    PutByte(item.record, 8, l.Number("flags", 0));
    return item;
}

ScriptItem Block(char letter, const Line& l) {
    ScriptItem item{Letter(letter), {}};
    SetRecordInt16(item.record, 3, l.Number("height", 0));
    if (letter == 'G') {
        SetRecordInt16(item.record, 5, l.Number("field", 0));
        SetRecordInt16(item.record, 7, l.Number("columns", 1));
        SetRecordInt16(item.record, 9, l.Number("min", 0));
        SetRecordInt16(item.record, 11, l.Number("suppress", 0));
    }
    return item;
}

ScriptItem Item(const Line& l) {
    static const std::map<std::string, char> shapes = {
        {"box", '#'},     {"rect", 'R'},     {"line", 'L'},   {"ellipse", 'C'},
        {"rounded", 'D'}, {"triangle", 'P'}, {"caution", '1'}};
    static const std::map<std::string, char> blocks = {
        {"rows", 'G'}, {"endrows", 'g'}, {"heading", 'H'}, {"endheading", 'h'},
        {"top", 'B'},  {"endtop", 'b'},  {"totals", 'K'},  {"endtotals", 'k'}};
    const std::string& k = l.keyword;
    if (const auto s = shapes.find(k); s != shapes.end()) {
        ScriptItem item{Letter(s->second), {}};
        PutBox(item.record, l);
        return item;
    }
    if (const auto b = blocks.find(k); b != blocks.end()) return Block(b->second, l);
    if (k == "pen") return {Pen(l), {}};
    if (k == "font") return {Font(l), {}};
    if (k == "text") return Text(l);
    if (k == "field") return Field('S', l);
    if (k == "entry") return Field('E', l);
    if (k == "repeat") {
        ScriptItem item{Letter('@'), l.text.value_or("")};
        SetRecordInt16(item.record, 2, l.At(0));
        SetRecordInt16(item.record, 4, l.At(1));
        return item;
    }
    if (k == "image") {
        ScriptItem item{Letter('I'), l.text.value_or("")};
        SetRecordInt16(item.record, 2, l.Number("dx", 0));
        SetRecordInt16(item.record, 4, l.Number("dy", 0));
        SetRecordInt16(item.record, 10, l.Number("scale", 100));
        return item;
    }
    throw std::invalid_argument("unknown keyword " + k);
}

ScriptRecord Header(const Line& l, int number) {
    ScriptRecord r = Letter('!');
    PutByte(r, 2, number);
    SetRecordInt16(r, 5, l.Number("condition", 0));
    const std::string layout = l.named.count("layout") ? l.named.at("layout") : "A";
    if (layout != "A" && layout != "R") throw std::invalid_argument("layout is A or R");
    r[7] = static_cast<uint8_t>(layout[0]);
    SetRecordInt16(r, 8, l.Number("height", 0));
    SetRecordInt16(r, 10, l.Number("second", 0));
    return r;
}

}  // namespace

CompiledScript CompileScriptSource(const std::string& source) {
    CompiledScript script;
    std::stringstream in(source);
    int number = 0;
    std::string text;
    while (std::getline(in, text)) {
        ++number;
        try {
            const auto line = SplitScriptSourceLine(text);
            if (!line) continue;
            if (line->keyword == "script") {
                if (!line->text || line->text->empty()) throw std::invalid_argument("a name");
                script.name = *line->text;
            } else if (line->keyword == "section") {
                script.sections.push_back(
                    {Header(*line, static_cast<int>(script.sections.size()) + 1), {}});
            } else {
                if (script.sections.empty()) throw std::invalid_argument("no section yet");
                script.sections.back().items.push_back(Item(*line));
            }
        } catch (const std::exception& e) {
            throw ScriptSourceError(number, e.what());
        }
    }
    if (script.name.empty()) throw ScriptSourceError(number, "the script has no name");
    return script;
}
