#pragma once
// "orvana-tax import" run on a new return: lists written for it, the items it writes read
// back from a dump, and refusals that must leave the return and its backup as they were.

#include "orvana_tax_fixture.h"

class ImportToolTest : public OrvanaTaxTest {
protected:
    static constexpr const char* Id = "123 456 782";

    void SetUp() override { ASSERT_EQ(Tax({"new", file, "--tfn", Id}).status, 0); }

    std::string List(const std::string& name, const std::string& text) {
        const std::string path = dir.File(name);
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    ToolRun ImportInto(const std::string& into, const std::string& list,
                       std::vector<std::string> options = {}) {
        std::vector<std::string> args = {"import", into, "--tfn", Id, "--trades", list};
        args.insert(args.end(), options.begin(), options.end());
        return Tax(args);
    }
    ToolRun Import(const std::string& list, std::vector<std::string> options = {}) {
        return ImportInto(file, list, std::move(options));
    }
    json Items() { return DumpJson(file)["fields"]["1202"]["items"]; }
    static std::string Field(const json& item, int field) {
        return item["fields"][std::to_string(field)]["text"].get<std::string>();
    }
    static std::vector<std::string> Cells(const json& item) {
        return item["fields"]["737"]["value"].get<std::vector<std::string>>();
    }
    json CalcAutoJson(const std::string& path) {
        const ToolRun run = Tax({"calc", path, "--tfn", Id, "--auto", "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return json::parse(run.out);
    }
    // The refusal names the list's line, and neither the return nor its backup changes.
    void ExpectRefusedUnchanged(const ToolRun& run, const std::string& says) {
        ExpectOneErrorLine(run, 3, says);
        EXPECT_NE(run.err.find("nothing was written"), std::string::npos);
        EXPECT_EQ(Slurp(file), before);
        EXPECT_EQ(Slurp(Backup()), backup);
    }
    void KeepBefore() {
        before = Slurp(file);
        backup = Slurp(Backup());
    }
    std::string Backup() const { return fs::path(file).replace_extension(".BAK").string(); }

    std::string before, backup;
};
