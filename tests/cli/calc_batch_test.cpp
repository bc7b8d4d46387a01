// "orvana-tax calc" on many returns at once: each return is calculated on its own, one line
// each in the order given, and a damaged return is reported without stopping the rest.

#include <sstream>

#include "orvana_tax_fixture.h"

namespace {

const std::string Bin = ORVANA_BIN_DIR;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    std::string cell;
    bool quoted = false;
    for (size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (c == '"' && quoted && i + 1 < row.size() && row[i + 1] == '"') {
            cell += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.push_back(cell);
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells.push_back(cell);
    return cells;
}

class CalcBatchTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        tfn = Slurp(Bin + "/SAMPLE.TFN");
        while (!tfn.empty() && tfn.back() == '\n') tfn.pop_back();
    }
    void WriteList(const std::string& text) { std::ofstream(dir.File("LIST")) << text; }

    std::string tfn;
};

TEST_F(CalcBatchTest, TwoHundredReturnsWithThreeDamagedGive197ResultsAndThreeErrors) {
    std::ostringstream list;
    list << "# returns of the office, one a line: FILE TFN\n";
    for (int i = 1; i <= 200; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "R%03d.TAX", i);
        fs::copy_file(Bin + "/SAMPLE.TAX", dir.File(name));
        // R120 is listed with another TFN, so it does not open.
        list << name << ' ' << (i == 120 ? "987 654 321" : tfn) << '\n';
    }
    fs::resize_file(dir.File("R050.TAX"), 100);  // cut short
    fs::remove(dir.File("R199.TAX"));
    WriteList(list.str());
    const std::string before = Slurp(dir.File("R001.TAX"));

    const ToolRun run = Tax({"calc", "--tfn-file", dir.File("LIST"), "--csv", "--dry-run"});
    EXPECT_EQ(run.status, 4) << run.err;
    const std::vector<std::string> rows = Lines(run.out);
    ASSERT_EQ(rows.size(), 201u) << run.out;
    EXPECT_EQ(rows[0],
              "file,status,net_capital_gain,losses_carried_forward,total_current_year_gains,"
              "notices,error");
    int ok = 0;
    std::map<std::string, std::string> errors;
    for (size_t i = 1; i < rows.size(); ++i) {
        const std::vector<std::string> cells = Cells(rows[i]);
        ASSERT_EQ(cells.size(), 7u) << rows[i];
        char name[32];
        std::snprintf(name, sizeof name, "R%03zu.TAX", i);
        EXPECT_EQ(cells[0], name);  // in the order listed
        if (cells[1] == "ok") {
            ++ok;
            EXPECT_EQ(cells[2], "107350");
            EXPECT_EQ(cells[3], "1455");
            EXPECT_TRUE(cells[6].empty());
        } else {
            EXPECT_EQ(cells[1], "failed");
            EXPECT_TRUE(cells[2].empty());
            errors[cells[0]] = cells[6];
        }
    }
    EXPECT_EQ(ok, 197);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors["R050.TAX"].find("R050.TAX: not a 2006 return, damaged"), std::string::npos)
        << errors["R050.TAX"];
    EXPECT_NE(errors["R120.TAX"].find("saved with another TFN"), std::string::npos)
        << errors["R120.TAX"];
    EXPECT_NE(errors["R199.TAX"].find("R199.TAX: no such file"), std::string::npos)
        << errors["R199.TAX"];
    // Standard error is no terminal here: no progress, only the count.
    EXPECT_EQ(run.err, "orvana-tax: 3 of 200 returns failed\n");
    EXPECT_EQ(Slurp(dir.File("R001.TAX")), before);
}

// Returns with different figures, calculated side by side, give each its own figures: the
// same as each calculated alone.
TEST_F(CalcBatchTest, ReturnsSideBySideGiveWhatEachGivesAlone) {
    std::vector<std::string> files;
    for (int i = 0; i < 8; ++i) {
        const std::string file = dir.File("M" + std::to_string(i) + ".TAX");
        ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782"}).status, 0);
        const std::string gain = std::to_string(1000 * (i + 1));
        const std::string loss = std::to_string(100 * i + 50);
        ASSERT_EQ(Tax({"set", file, "--tfn", "123 456 782",
                       "1201=lines:" + ManualRow("Block " + std::to_string(i), "OA", gain, "") +
                           "|" + ManualRow("Shares", "SN", "", loss)})
                      .status,
                  0);
        files.push_back(file);
    }
    std::vector<std::string> args = {"calc"};
    args.insert(args.end(), files.begin(), files.end());
    for (const char* option : {"--tfn", "123 456 782", "--auto", "--csv", "--jobs", "4"})
        args.push_back(option);
    const ToolRun batch = Tax(args);
    ASSERT_EQ(batch.status, 0) << batch.err;
    const std::vector<std::string> rows = Lines(batch.out);
    ASSERT_EQ(rows.size(), files.size() + 1);
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i]);
        const ToolRun alone =
            Tax({"calc", files[i], "--tfn", "123 456 782", "--dry-run", "--json"});
        ASSERT_EQ(alone.status, 0) << alone.err;
        const json result = json::parse(alone.out);
        const std::vector<std::string> cells = Cells(rows[i + 1]);
        EXPECT_EQ(cells[0], files[i]);
        EXPECT_EQ(cells[2], result["netCapitalGain"]["value"].dump());
        // The other gain less the loss: no two returns alike.
        EXPECT_DOUBLE_EQ(result["netCapitalGain"]["value"].get<double>(),
                         1000.0 * (i + 1) - (100.0 * i + 50));
    }
}

TEST_F(CalcBatchTest, BadListLinesAndRepeatsAreReportedAndTheRestGoOn) {
    fs::copy_file(Bin + "/SAMPLE.TAX", dir.File("With Blank.TAX"));
    fs::copy_file(Bin + "/SAMPLE.TAX", dir.File("B.TAX"));
    WriteList("\"With Blank.TAX\" " + tfn + "\n\nNOTFN.TAX\nB.TAX " + tfn + "\nB.TAX " + tfn +
              "\n");
    const ToolRun run = Tax({"calc", "--tfn-file", dir.File("LIST")});
    EXPECT_EQ(run.status, 4);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[0], "With Blank.TAX: net capital gain $107,350, losses carried forward $1,455");
    EXPECT_NE(lines[1].find("line 3: give the file and its TFN (FILE TFN)"), std::string::npos)
        << lines[1];
    EXPECT_EQ(lines[2], "B.TAX: net capital gain $107,350, losses carried forward $1,455");
    EXPECT_EQ(lines[3], "B.TAX: listed more than once; calculated only the first time (failed)");
    EXPECT_EQ(run.err, "orvana-tax: 2 of 4 returns failed\n");
    // Saved as calc saves one return: figures that did not change leave the file and its
    // backup alone.
    EXPECT_FALSE(fs::exists(dir.File("B.BAK")));

    ExpectOneErrorLine(Tax({"calc", "--tfn-file", dir.File("NONE")}), 2, "cannot be read");
    ExpectOneErrorLine(Tax({"calc", "--tfn-file", dir.File("LIST"), "--tfn", tfn}), 2,
                       "--tfn-file");
    ExpectOneErrorLine(Tax({"calc", dir.File("B.TAX"), "--tfn", tfn, "--json", "--csv"}), 2,
                       "not both");
}

}  // namespace

// Each asset's results are gathered only for the JSON: a batch's JSON holds them as a single
// return's does, and the summaries that leave them out say the same as before.
TEST_F(CalcBatchTest, TheJsonOfABatchHoldsEachAssetsResultsAsTheJsonOfOneReturn) {
    fs::copy_file(Bin + "/SAMPLE.TAX", dir.File("A.TAX"));
    fs::copy_file(Bin + "/SAMPLE.TAX", dir.File("B.TAX"));
    const ToolRun batch =
        Tax({"calc", dir.File("A.TAX"), dir.File("B.TAX"), "--tfn", tfn, "--dry-run", "--json"});
    ASSERT_EQ(batch.status, 0) << batch.err;
    const ToolRun alone = Tax({"calc", dir.File("A.TAX"), "--tfn", tfn, "--dry-run", "--json"});
    ASSERT_EQ(alone.status, 0) << alone.err;
    const json single = json::parse(alone.out);
    ASSERT_FALSE(single["assets"].empty());
    const json all = json::parse(batch.out);
    ASSERT_EQ(all.size(), 2u);
    for (const json& entry : all) EXPECT_EQ(entry["result"]["assets"], single["assets"]);

    const ToolRun text = Tax({"calc", dir.File("A.TAX"), "--tfn", tfn, "--dry-run"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Net capital gain: $107,350"), std::string::npos) << text.out;
}
