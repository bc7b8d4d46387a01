#pragma once
// The built orvana-tax, run through a shell as a support person or a test script runs it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "calc_json_fields.h"
#include "temp_dir.h"

namespace fs = std::filesystem;
using nlohmann::json;

struct ToolRun {
    int status = -1;
    std::string out, err;
    std::vector<std::string> ErrLines() const {
        std::vector<std::string> lines;
        std::istringstream in(err);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

inline std::string Quote(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

inline std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A row of the manual calculation table (field 1201) for "set 1201=lines:ROW|ROW...":
// description, type, other gain, loss.
inline std::string ManualRow(const std::string& name, const std::string& type,
                             const std::string& other, const std::string& loss) {
    std::vector<std::string> cells(21);
    cells[1] = name;
    cells[2] = type;
    cells[7] = other;
    cells[8] = loss;
    std::string row;
    for (size_t i = 0; i < cells.size(); ++i) row += (i ? "|" : "") + cells[i];
    return row;
}

class OrvanaTaxTest : public ::testing::Test {
protected:
    ToolRun Tax(const std::vector<std::string>& args) {
        std::string command = Quote(ORVANA_TAX);
        for (const std::string& arg : args) command += " " + Quote(arg);
        const std::string out = scratch.File("out"), err = scratch.File("err");
        command += " >" + Quote(out) + " 2>" + Quote(err);
        ToolRun run;
        const int raw = std::system(command.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }
    json DumpJson(const std::string& file, const std::string& tfn = "123 456 782") {
        const ToolRun run = Tax({"dump", file, "--tfn", tfn, "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return json::parse(run.out);
    }
    void ExpectOneErrorLine(const ToolRun& run, int status, const std::string& containing) {
        EXPECT_EQ(run.status, status) << run.err;
        ASSERT_EQ(run.ErrLines().size(), 1u) << run.err;
        EXPECT_EQ(run.err.rfind("orvana-tax: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(containing), std::string::npos) << run.err;
    }

    TempDir dir, scratch;
    std::string file = dir.File("RETURN.TAX");
};
