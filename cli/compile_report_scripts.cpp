// orvana-scriptc: compiles the readable report script sources (.rpt) and their plain PBM
// bitmaps (.pbm) into one C++ source that holds them in the binary formats the report engine
// reads. Run by the build; a source error stops the build with the file and line.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "reports/core/script_source.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    return file.substr(0, file.find('.'));
}

// Plain PBM ("P1", width, height, then 0/1 cells; "#" comments) as width, height and bits.
std::vector<uint8_t> ReadBitmap(const std::string& path) {
    std::stringstream in;
    std::stringstream raw(ReadAll(path));
    for (std::string line; std::getline(raw, line);) in << line.substr(0, line.find('#')) << ' ';
    std::string magic;
    int width = 0, height = 0;
    in >> magic >> width >> height;
    if (magic != "P1" || width <= 0 || height <= 0 || width > 4096 || height > 4096)
        throw std::runtime_error(path + ": not a plain PBM picture");
    std::vector<uint8_t> out = {
        static_cast<uint8_t>(width & 0xFF), static_cast<uint8_t>(width >> 8),
        static_cast<uint8_t>(height & 0xFF), static_cast<uint8_t>(height >> 8)};
    const size_t cells = static_cast<size_t>(width) * height;
    out.resize(4 + (cells + 7) / 8);
    size_t i = 0;
    for (char c; i < cells && in.get(c);) {
        if (c != '0' && c != '1') continue;
        if (c == '1') out[4 + i / 8] |= static_cast<uint8_t>(1u << (i % 8));
        ++i;
    }
    if (i != cells) throw std::runtime_error(path + ": the picture is cut short");
    return out;
}

void WriteArray(std::ostream& out, const std::string& id, const std::vector<uint8_t>& bytes) {
    out << "const uint8_t " << id << "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i)
        out << (i == 0 ? "\n" : i % 20 ? "," : ",\n") << int(bytes[i]);
    out << (bytes.empty() ? "0" : "") << "};\n";
}

void WriteTable(std::ostream& out, const std::string& table, const std::string& count,
                const std::vector<std::pair<std::string, std::string>>& entries) {
    out << "}  // namespace\n\nconst EmbeddedBlob " << table << "[] = {\n";
    for (const auto& [name, id] : entries)
        out << "    {\"" << name << "\", " << id << ", sizeof(" << id << ")},\n";
    if (entries.empty()) out << "    {\"\", nullptr, 0},\n";
    out << "};\nconst size_t " << count << " = " << entries.size() << ";\nnamespace {\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: orvana-scriptc OUTPUT.cpp SOURCE.rpt... BITMAP.pbm...\n";
        return 2;
    }
    std::ostringstream out;
    out << "// Made by orvana-scriptc from the report script sources; do not edit.\n"
           "#include \"reports/core/embedded_scripts.h\"\n\nnamespace {\n";
    std::vector<std::pair<std::string, std::string>> scripts, bitmaps;
    for (int i = 2; i < argc; ++i) {
        const std::string path = argv[i];
        const std::string id = "blob" + std::to_string(i);
        try {
            if (path.ends_with(".pbm")) {
                WriteArray(out, id, ReadBitmap(path));
                bitmaps.emplace_back(BaseName(path), id);
            } else {
                const CompiledScript script = CompileScriptSource(ReadAll(path));
                WriteArray(out, id, WriteScript(script.sections));
                scripts.emplace_back(script.name, id);
            }
        } catch (const std::exception& e) {
            std::cerr << path << ": " << e.what() << "\n";
            return 1;
        }
    }
    WriteTable(out, "EmbeddedScriptTable", "EmbeddedScriptCount", scripts);
    WriteTable(out, "EmbeddedBitmapTable", "EmbeddedBitmapCount", bitmaps);
    out << "}  // namespace\n";
    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file ? 0 : 1;
}
