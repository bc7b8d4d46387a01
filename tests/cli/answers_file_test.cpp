// "orvana-tax set --from": a return's answers kept as a text file, one assignment a line.

#include "orvana_tax_fixture.h"

namespace {

constexpr const char* Tfn = "123 456 782";

class AnswersFileTest : public OrvanaTaxTest {
protected:
    void SetUp() override { ASSERT_EQ(Tax({"new", file, "--tfn", Tfn}).status, 0); }
    std::string Answers(const std::string& text) {
        const std::string path = scratch.File("answers.txt");
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

TEST_F(AnswersFileTest, FieldsItemsAndTablesAreSetAsTheLinesSay) {
    const std::string answers = Answers(
        "# the taxpayer\n"
        "397=text:Robin Ashworth\r\n"
        "  921 = currency:2750\n"
        "\n"
        "[1202.1]\n"
        "710=text:Meridian Shares\n"
        "714=text:\"A \"\n"
        "737=rows:8\n"
        "| 1 - Purchase | 16/03/1988 | |\n"
        "|2A|01/04/2001||Fee|10.50|\n"
        "[1202.2]\n"
        "710=text:Second\n"
        "[]\n"
        "1201=rows:3\n"
        "| Zo\xC3\xAB's option |\n");
    const ToolRun set =
        Tax({"set", file, "--tfn", Tfn, "--from", answers, "1202.2.710=text:Harbourline"});
    ASSERT_EQ(set.status, 0) << set.err;

    const json fields = DumpJson(file)["fields"];
    EXPECT_EQ(fields["397"]["value"], "Robin Ashworth");
    EXPECT_EQ(fields["921"]["value"], 2750.0);
    EXPECT_EQ(fields["1201"]["value"], (json{"Zo\xC3\xAB's option", "", ""}));
    const json& items = fields["1202"]["items"];
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]["fields"]["710"]["value"], "Meridian Shares");
    EXPECT_EQ(items[0]["fields"]["714"]["value"], "A ");  // the quotes kept the blank
    EXPECT_EQ(items[0]["fields"]["737"]["value"],
              (json{"1 - Purchase", "16/03/1988", "", "", "", "", "", "", "2A", "01/04/2001", "",
                    "Fee", "10.50", "", "", ""}));
    // The command line's assignments come after the file's.
    EXPECT_EQ(items[1]["fields"]["710"]["value"], "Harbourline");
}

TEST_F(AnswersFileTest, AProblemNamesTheLineAndNothingIsChanged) {
    const std::string before = Slurp(file);
    auto from = [&](const std::string& text) {
        return Tax({"set", file, "--tfn", Tfn, "--from", Answers(text)});
    };
    ExpectOneErrorLine(from("397=text:x\n| a | b |\n"), 2, "answers.txt:2: a row");
    ExpectOneErrorLine(from("1201=rows:2\n| a |\n| a | b | c |\n"), 2,
                       "answers.txt:3: the row has 3 cells; the table has 2 columns");
    ExpectOneErrorLine(from("1201=rows:0\n"), 2, "answers.txt:1: \"rows:0\"");
    ExpectOneErrorLine(from("# items need a key\n[1202]\n"), 2, "answers.txt:2: \"[1202]\"");
    ExpectOneErrorLine(from("[1202.1]\n710=bogus\n"), 2, "answers.txt:2: \"bogus\"");
    ExpectOneErrorLine(from("397 text\n"), 2, "answers.txt:1: \"397 text\" is not an answer");
    // Read well, refused when applied: still the line that asked for it.
    ExpectOneErrorLine(from("397=text:x\n[1202.3]\n710=text:x\n"), 1,
                       "answers.txt:3: worksheet field 1202 has 0 items");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Tfn, "--from", scratch.File("none.txt")}), 2,
                       "none.txt: cannot be read");
    ExpectOneErrorLine(Tax({"dump", file, "--tfn", Tfn, "--from", Answers("1=text:x\n")}), 2,
                       "--from belongs to set");
    EXPECT_EQ(Slurp(file), before);
}

}  // namespace
