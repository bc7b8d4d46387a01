// What "orvana-tax calc" prints for a person and for a script, and the field names dump
// gives: readable without the field numbers, and every figure still tied to its field.

#include "orvana_tax_fixture.h"

namespace {

const std::string Bin = ORVANA_BIN_DIR;
const std::string Sample = Bin + "/SAMPLE.TAX";

class CalcOutputTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        tfn = Slurp(Bin + "/SAMPLE.TFN");
        while (!tfn.empty() && tfn.back() == '\n') tfn.pop_back();
    }
    // Every {"value", "field"} under `node`: the field an integer, the value a number, a tick,
    // a text or null (blank); returns how many there were.
    static int CheckFigures(const json& node, std::set<int>& fields) {
        if (node.is_object() && node.contains("field")) {
            EXPECT_TRUE(node["field"].is_number_integer()) << node;
            const json& value = node["value"];
            EXPECT_TRUE(value.is_number() || value.is_boolean() || value.is_null() ||
                        value.is_string())
                << node;
            if (value.is_string()) {  // only the 15-year exemption's code is a text
                EXPECT_EQ(node["field"], 1135) << node;
            }
            EXPECT_TRUE(fields.insert(node["field"].get<int>()).second) << "twice: " << node;
            return 1;
        }
        int count = 0;
        if (node.is_structured())
            for (const json& child : node) count += CheckFigures(child, fields);
        return count;
    }

    std::string tfn;
};

TEST_F(CalcOutputTest, TheSummaryNamesEachGainItsMethodTheLossesAndTheLabels) {
    ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782"}).status, 0);
    // A domain name sold at a gain, failed shares at a loss, a painting (a collectable) at a
    // gain, and $500 of other losses from earlier years.
    ASSERT_EQ(Tax({"set", file, "--tfn", "123 456 782",
                   "1201=lines:" + ManualRow("Sale of a domain name", "OA", "3200", "") + "|" +
                       ManualRow("Shares in a failed company", "SN", "", "1200") + "|" +
                       ManualRow("Painting", "A", "1500", ""),
                   "921=currency:500"})
                  .status,
              0);
    const ToolRun run = Tax({"calc", file, "--tfn", "123 456 782", "--auto"});
    ASSERT_EQ(run.status, 0) << run.err;
    // 3,200 less this year's 1,200 and the earlier 500.
    EXPECT_EQ(run.out,
              "Gains and losses:\n"
              "  Sale of a domain name       other           $3,200  losses applied $1,700  "
              "net $1,500\n"
              "  Shares in a failed company  loss           -$1,200\n"
              "  Painting                    other           $1,500  net $1,500\n"
              "Losses applied: $1,700 (this year's $1,200, earlier years' $500, transferred in "
              "$0)\n"
              "Net capital gain: $3,000\n"
              "Net capital losses carried forward: $0 (collectables $0, other $0)\n"
              "Labels sent to the return:\n"
              "  Total current year capital gains          $4,700  (field 169)\n"
              "  CGT event during the year                    yes  (field 170)\n"
              "  Net capital gain                          $3,000  (field 174)\n"
              "  Net capital losses carried forward         blank  (field 175)\n");
    EXPECT_TRUE(run.err.empty()) << run.err;

    // The sample: its README figures, and a choice between methods named as made.
    const ToolRun sample = Tax({"calc", Sample, "--tfn", tfn, "--dry-run"});
    ASSERT_EQ(sample.status, 0) << sample.err;
    for (const char* line :
         {"\n  Meridian Resources Ordinary Shares - Disposal   discount       $19,560  net "
          "$9,780\n",
          "\n  Antique Silver Tea Service - Disposal           loss           -$1,155\n",
          "\nNet capital gain: $107,350\n",
          "\nNet capital losses carried forward: $1,455 (collectables $1,455, other $0)\n"})
        EXPECT_NE(sample.out.find(line), std::string::npos) << line << sample.out;
}

TEST_F(CalcOutputTest, TheJsonGivesNumbersAsNumbersUnderNamesWithTheirFields) {
    const ToolRun run = Tax({"calc", Sample, "--tfn", tfn, "--dry-run", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["format"], 2);
    EXPECT_EQ(result["netCapitalGain"], json({{"value", 107350}, {"field", 1578}}));
    EXPECT_EQ(result["netCapitalLossesCarriedForward"]["collectables"],
              json({{"value", 1455}, {"field", 1132}}));
    const json& schedule = result["schedule"];
    EXPECT_EQ(schedule["partA"]["shares"]["discount"], json({{"value", 22385}, {"field", 712}}));
    EXPECT_EQ(schedule["partA"]["shares"]["indexed"], json({{"value", nullptr}, {"field", 711}}));
    EXPECT_EQ(schedule["partH"]["netCapitalGain"]["total"]["value"], 107350);
    EXPECT_EQ(result["returnLabels"]["netCapitalGain"], json({{"value", 107350}, {"field", 174}}));
    EXPECT_EQ(result["returnLabels"]["cgtEvent"]["yes"]["value"], true);

    std::set<int> fields;
    EXPECT_EQ(CheckFigures(schedule, fields), 80);  // every field of the schedule record
    fields.clear();
    EXPECT_EQ(CheckFigures(result["returnLabels"], fields), 8);

    ASSERT_EQ(result["assets"].size(), 6u);
    const json& meridian = result["assets"][0];
    EXPECT_EQ(meridian["name"], "Meridian Resources Ordinary Shares");
    EXPECT_EQ(meridian["type"], "SN");
    EXPECT_EQ(meridian["results"]["gain"]["indexed"], json({{"value", 11096}, {"field", 1132}}));
    EXPECT_EQ(meridian["results"]["gain"]["discount"]["value"], 19560);
    for (const json& asset : result["assets"]) {
        fields.clear();
        CheckFigures(asset["results"], fields);
    }

    // The choice table's amounts are numbers, its blanks null, its texts trimmed.
    ASSERT_EQ(result["choiceTable"].size(), 9u);
    const json& row = result["choiceTable"][0];
    EXPECT_EQ(row["description"], "Meridian Resources Ordinary Shares - Disposal");
    EXPECT_EQ(row["method"], "Discount");
    EXPECT_EQ(row["indexedGain"], 11096);
    EXPECT_EQ(row["netGain"], 9780);
    EXPECT_EQ(row["loss"], nullptr);
    EXPECT_EQ(row["worksheet"], 451);
    EXPECT_NEAR(row["indexFactor"].get<double>(), 56.72802, 1e-9);
    EXPECT_EQ(result["choiceTable"][1]["otherLossApplied"], 990);
    EXPECT_EQ(result["choiceTable"][4]["type"], "A");
}

TEST_F(CalcOutputTest, DumpNamesGiveEachFieldItsLabel) {
    const ToolRun text = Tax({"dump", Sample, "--tfn", tfn, "--names"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\"Robin Ashworth\"  (Taxpayer's name)\n"), std::string::npos);
    EXPECT_NE(text.out.find("\"Meridian Resources Ordinary Shares\"  (Description of the asset "
                            "or event)\n"),
              std::string::npos)
        << text.out;

    const ToolRun run = Tax({"dump", Sample, "--tfn", tfn, "--json", "--names"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json fields = json::parse(run.out)["fields"];
    EXPECT_EQ(fields["921"]["name"], "Unapplied net capital losses of earlier years: other");
    const json& share = fields["1202"]["items"][0]["fields"];
    EXPECT_EQ(share["726"]["name"], "Date of acquisition (dd/mm/yyyy)");
    EXPECT_EQ(share["1135"]["name"], "Capital gain (discount method)");
    // The schedule record's fields are named as its screen reads them out.
    const json& schedule = fields["1220"]["items"][0]["fields"];
    EXPECT_EQ(schedule["1131"]["name"], "Part H: Net capital gains (total)");
    EXPECT_EQ(schedule["712"]["name"], "Part A: Capital gains, discount method, Shares and units");
    // Without --names the dump is as it was.
    EXPECT_FALSE(DumpJson(Sample, tfn)["fields"]["921"].contains("name"));
    ExpectOneErrorLine(Tax({"check", Sample, "--tfn", tfn, "--names"}), 2, "--names");
}

}  // namespace
