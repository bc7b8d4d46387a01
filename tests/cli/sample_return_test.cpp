// The bundled sample return as ./run opens it: it reads with its TFN, its figures are the
// module's own, and the README states its results truly.

#include <cmath>
#include <regex>

#include "orvana_tax_fixture.h"

namespace {

const std::string Bin = ORVANA_BIN_DIR;
const std::string Sample = Bin + "/SAMPLE.TAX";

class SampleReturnTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        tfn = Slurp(Bin + "/SAMPLE.TFN");
        while (!tfn.empty() && tfn.back() == '\n') tfn.pop_back();
        stored = DumpJson(Sample, tfn)["fields"];
    }
    // A stored field's value as calc reports it (a number, the mark of an explicit zero as
    // 0, or a check box's tick); a field the file does not hold is blank, 0 or unticked as
    // `like` is.
    static json StoredValue(const json& fields, const std::string& n, const json& like = 0.0) {
        if (!fields.contains(n)) return like.is_boolean() ? json(false) : json(0.0);
        const json& value = fields[n]["value"];
        if (value.is_number() && std::abs(value.get<double>() - 0.0011) < 1e-9) return 0.0;
        return value.is_boolean() || value.is_number() ? value : json(0.0);
    }
    // "... **$12,345** ..." after the words, read from the README.
    static double ReadmeAmount(const std::string& words) {
        const std::string readme = Slurp(ORVANA_SOURCE_DIR "/README.md");
        std::smatch match;
        const std::regex pattern(words + R"( \*\*\$([0-9,]+)\*\*)");
        EXPECT_TRUE(std::regex_search(readme, match, pattern)) << words;
        std::string digits = match.size() > 1 ? match[1].str() : "nan";
        std::erase(digits, ',');
        return std::stod(digits);
    }

    std::string tfn;
    json stored;
};

TEST_F(SampleReturnTest, OpensWithItsTfnAndEveryAssetHasItsResult) {
    const ToolRun check = Tax({"check", Sample, "--tfn", tfn});
    EXPECT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(stored["397"]["value"], "Robin Ashworth");
    // Every asset went through its summary: a gain under some method, or a loss.
    int assets = 0;
    for (const char* worksheet : {"1202", "1203", "1205", "1206"})
        for (const json& item : stored[worksheet]["items"]) {
            ++assets;
            const json& f = item["fields"];
            EXPECT_TRUE(f.contains("1132") || f.contains("1135") || f.contains("1138") ||
                        f.contains("1141"))
                << item["fields"]["710"]["value"];
        }
    EXPECT_EQ(assets, 6);
    // The trust row's net gain, which its screen adds up, is the sum of the row's gains.
    const json& trusts = stored["1215"]["value"];
    ASSERT_FALSE(trusts.empty());
    ASSERT_EQ(trusts.size() % 41, 0u);
    for (size_t row = 0; row < trusts.size(); row += 41) {
        double sum = 0;
        for (size_t col = 1; col <= 9; ++col) {
            const std::string cell = trusts[row + col];
            sum += cell.empty() ? 0 : std::stod(cell);
        }
        EXPECT_EQ(std::stod(trusts[row + 10].get<std::string>()), sum);
    }
}

TEST_F(SampleReturnTest, CalculatingAgainChangesNoFigure) {
    const std::string before = Slurp(Sample);
    const ToolRun calc = Tax({"calc", Sample, "--tfn", tfn, "--dry-run", "--json"});
    ASSERT_EQ(calc.status, 0) << calc.err;
    EXPECT_EQ(Slurp(Sample), before);
    const json result = json::parse(calc.out);

    for (const json& item : result["assets"]) {
        const std::string where = std::to_string(item["worksheet"].get<int>() + 751);
        const json& saved = stored[where]["items"][item["item"].get<int>() - 1]["fields"];
        const json results = CalcByNumber(item["results"]);
        for (const auto& [n, value] : results.items())
            EXPECT_EQ(StoredValue(saved, n, value), value) << item["name"] << " field " << n;
    }
    const json& schedule = stored["1220"]["items"][0]["fields"];
    const json figures = CalcByNumber(result["schedule"]);
    ASSERT_FALSE(figures.empty());
    for (const auto& [n, value] : figures.items())
        EXPECT_EQ(StoredValue(schedule, n, value), value) << "schedule field " << n;
    const json labels = CalcByNumber(result["returnLabels"]);
    for (const auto& [n, value] : labels.items())
        EXPECT_EQ(StoredValue(stored, n, value), value) << "label " << n;
    // Every choice the table asks for was made when the sample was built.
    for (const json& row : result["choiceTable"])
        if (row["choiceRequired"] == "Yes") {
            EXPECT_TRUE(row["method"].is_string()) << row["description"];
        }
}

TEST_F(SampleReturnTest, NetGainAndLossesCarriedForwardAreTheReadmeFigures) {
    EXPECT_EQ(StoredValue(stored, "174"), ReadmeAmount("net capital gain is"));
    EXPECT_EQ(StoredValue(stored, "175"), ReadmeAmount("carried forward are"));
}

TEST_F(SampleReturnTest, TheShotsShowEachItemOfEachPath) {
    const std::string out = scratch.File("shots");
    const std::string command = "umask 022; QT_QPA_PLATFORM=offscreen " + Quote(ORVANA_SHOTS) +
                                " " + Quote(out) + " --sample >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* shot :
         {"2004", "2005", "2016", "2016-i2", "2040", "2060-i2", "2103", "2107"}) {
        const std::string picture = out + "/" + shot + ".png";
        EXPECT_TRUE(fs::exists(picture)) << shot;
        // Pictures of a return carry the taxpayer's data, as the return does.
        EXPECT_EQ(
            fs::status(picture).permissions() & (fs::perms::group_all | fs::perms::others_all),
            fs::perms::none)
            << shot;
    }
    // A path with one item, and one with none, is shown once.
    EXPECT_FALSE(fs::exists(out + "/2040-i2.png"));
    EXPECT_TRUE(fs::exists(out + "/2050.png"));
    // The second share's summary is its own, not the first's again.
    EXPECT_NE(Slurp(out + "/2016.png"), Slurp(out + "/2016-i2.png"));
}

TEST_F(SampleReturnTest, TheShotsRefuseAReturnThatDoesNotRead) {
    const std::string command = "QT_QPA_PLATFORM=offscreen " + Quote(ORVANA_SHOTS) + " " +
                                Quote(scratch.File("shots")) + " --file " + Quote(Sample) +
                                " --tfn 876543210 >/dev/null 2>&1";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    EXPECT_FALSE(fs::exists(scratch.File("shots") + "/2004.png"));
}

}  // namespace
