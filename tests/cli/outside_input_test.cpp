// What "orvana-tax set" and "calc" accept from outside the interview: table cells as their
// screens' editors take them, dates that are dates, and items whose dates a screen would
// refuse named by calc instead of counted wrongly or left out.

#include "calc_json_fields.h"
#include "orvana_tax_fixture.h"

namespace {

constexpr const char* Tfn = "123 456 782";

class OutsideInputTest : public OrvanaTaxTest {
protected:
    void SetUp() override { ASSERT_EQ(Tax({"new", file, "--tfn", Tfn}).status, 0); }
    std::string Answers(const std::string& text) {
        const std::string path = scratch.File("answers.txt");
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    ToolRun From(const std::string& text) {
        return Tax({"set", file, "--tfn", Tfn, "--from", Answers(text)});
    }
    ToolRun Set(std::vector<std::string> assignments) {
        assignments.insert(assignments.begin(), {"set", file, "--tfn", Tfn});
        return Tax(assignments);
    }
    json Calc() {
        const ToolRun run = Tax({"calc", file, "--tfn", Tfn, "--auto", "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.status == 0 ? json::parse(run.out) : json();
    }
};

// An asset item with one cost row and an event, for the date checks.
std::vector<std::string> Shares(const std::string& acquired, const std::string& event,
                                const std::string& incurred = "") {
    return {"1202.1.710=text:Harbour Shares",
            "1202.1.714=text:SN",
            "1202.1.726=text:" + acquired,
            "1202.1.737=lines:1 - Purchase|" + (incurred.empty() ? acquired : incurred) +
                "||Purchase|1000.00|||",
            "1202.1.739=text:" + event,
            "1202.1.742=currency:3000",
            "1202.1.721=check"};
}

}  // namespace

// The table's line (F=rows:C or F=lines:) is named, and the row under it.
TEST_F(OutsideInputTest, TableAmountsAreRefusedAsTheirScreensRefuseThemWithTheLine) {
    const std::string before = Slurp(file);
    const std::string trust = "# trust distributions\n1215=rows:41\n";
    // Amounts no field can hold: the same reading as a field's amount.
    ExpectOneErrorLine(From(trust + "| Fund | 1e308 |\n"), 1,
                       "answers.txt:2: table 1215, row 1, column \"Indexed gain\": \"1e308\" "
                       "is not an amount a field can hold");
    ExpectOneErrorLine(From(trust + "| Fund | | 1e15 |\n"), 1,
                       "\"1e15\" is not an amount a field can hold");
    // Whole dollars, no minus and eight digits, as the trust table's editor takes them.
    ExpectOneErrorLine(From(trust + "| Fund | -999999999999.99 |\n"), 1,
                       "\"-999999999999.99\": takes no minus");
    ExpectOneErrorLine(From(trust + "| Fund | 420 |\n| Other | | 12.50 |\n"), 1,
                       "answers.txt:2: table 1215, row 2, column \"Discounted gain\": \"12.50\": "
                       "Whole dollars only");
    ExpectOneErrorLine(From(trust + "| Fund | 123456789 |\n"), 1,
                       "exceeds allowed number of digits (8)");
    ExpectOneErrorLine(From("1215=lines:Fund|1,000\n"), 1,
                       "answers.txt:1: table 1215, row 1, column \"Indexed gain\": \"1,000\" is "
                       "not a number");
    // Cost elements take a minus (adjustments) and cents, but no more than ten characters.
    const std::string costs = "[1202.1]\n710=text:Shares\n737=rows:8\n";
    ExpectOneErrorLine(From(costs + "| 1 | 16/03/1988 | | x | -999999999999.99 |\n"), 1,
                       "answers.txt:3: table 737, row 1, column \"Amount\": "
                       "\"-999999999999.99\": exceeds allowed number of digits (10)");
    ExpectOneErrorLine(From(costs + "| 1 | 16/03/1988 | | x | 20000.005 |\n"), 1,
                       "\"20000.005\": has more than 2 decimals");
    ExpectOneErrorLine(From(costs + "| 1 | 31/02/2006 | | x | 20000.00 |\n"), 1,
                       "column \"Date expense incurred\": \"31/02/2006\": Enter date in "
                       "dd/mm/yyyy format");
    // The payments of shares: eight characters with the cents.
    ExpectOneErrorLine(From("[1202.1]\n710=text:Shares\n738=rows:6\n| 20/11/2003 | | x | "
                            "100000.00 |\n"),
                       1, "table 738, row 1, column \"Amount\"");
    // A command line assignment is refused the same way.
    ExpectOneErrorLine(Set({"1201=lines:Other assets|Option|ON|1e15"}), 1,
                       "table 1201, row 1, column \"Indexed gain (I)\": \"1e15\"");
    EXPECT_EQ(Slurp(file), before);
}

TEST_F(OutsideInputTest, CellsTheEditorsTakeAreKeptAndReachTheScheduleToTheCent) {
    const ToolRun run = From(
        "1215=rows:41\n"
        "| Northgate Fund | | 420 | 35 | | | | | | | 455 |\n"
        "| Blank Fund | | | | | | | | | | |\n"
        "[1202.1]\n"
        "710=text:Meridian Shares\n714=text:SN\n726=text:05/09/2005\n737=rows:8\n"
        "| 1 - Purchase | 05/09/2005 | | Parcel | 6300.45 | | |\n"
        "| 2A - Incidentals | 05/09/2005 | | Refund of fee | -0.20 | | |\n"
        "| 2B - Incidentals | 22/03/2006 | | Brokerage | 79.80 | | |\n"
        "739=text:22/03/2006\n742=currency:7450\n721=check\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = Calc();
    // Cost base 6,300.45 - 0.20 + 79.80 = 6,380.05, the other gain 1,069.95 to the dollar:
    // 1,070. The trust's discounted 420 is grossed up to 840 and halved again, 35 is other.
    double shareGain = 0;
    for (const json& asset : result["assets"])
        if (asset["worksheet"] == 451) shareGain = CalcAmount(asset["results"]["gain"]["other"]);
    EXPECT_EQ(shareGain, 1070);
    EXPECT_EQ(result["netCapitalGain"]["value"], 420 + 35 + 1070);
    EXPECT_EQ(CalcAmount(result["returnLabels"]["module"]["totalCurrentYearGains"]),
              840 + 35 + 1070);
}

TEST_F(OutsideInputTest, SetTakesOnlyDatesTheDateFieldsTake) {
    const std::string before = Slurp(file);
    ExpectOneErrorLine(Set({"1202.1.739=text:31/02/2006"}), 2,
                       "field 739: \"31/02/2006\" is not a date (dd/mm/yyyy)");
    ExpectOneErrorLine(From("[1202.1]\n726=text:99/99/99\n"), 2,
                       "answers.txt:2: field 726: \"99/99/99\" is not a date");
    ExpectOneErrorLine(Set({"1202.1.730=text:29/02/2005"}), 2, "is not a date");
    // Before CGT started: refused as the screens refuse it, on one line.
    ExpectOneErrorLine(Set({"1202.1.726=text:19/09/1985"}), 2,
                       "field 726: Check your date. You cannot enter a date earlier than "
                       "20/09/1985.");
    EXPECT_EQ(Slurp(file), before);

    // Typed as the date field takes it, kept as it shows it; a blank clears.
    ASSERT_EQ(Set({"1202.1.710=text:Dated", "1202.1.726=text:16031988", "1202.1.729=text:1/2/1980",
                   "1202.1.739=text:31/12/9999", "1202.1.730=text:"})
                  .status,
              0);
    const json fields = DumpJson(file)["fields"]["1202"]["items"][0]["fields"];
    EXPECT_EQ(fields["726"]["value"], "16/03/1988");
    EXPECT_EQ(fields["729"]["value"], "01/02/1980");
    EXPECT_EQ(fields["739"]["value"], "31/12/9999");
}

TEST_F(OutsideInputTest, CalcNamesAnItemWhoseDatesAScreenRefusesAndWritesNothing) {
    // Acquired after the event (the cost row before it, so the event screen's first rule
    // that breaks is the acquisition's).
    ASSERT_EQ(Set(Shares("01/07/2005", "01/03/2005", "01/02/2005")).status, 0);
    const std::string before = Slurp(file);
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", Tfn, "--auto"}), 3,
                       "Harbour Shares (worksheet 451, item 1): Check dates. A CGT event cannot "
                       "occur prior to acquisition.; nothing was written");
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", Tfn, "--json"}), 3, "Harbour Shares");
    EXPECT_EQ(Slurp(file), before);

    // An expense after the event, and a cost base date before the acquisition.
    ASSERT_EQ(Set({"1202.1.739=text:01/03/2006",
                   "1202.1.737=lines:1 - Purchase|01/07/2005||x|1000.00||||2B|02/03/2006||x|10|||"})
                  .status,
              0);
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", Tfn}), 3,
                       "The date asset disposed of cannot be earlier than date an expense was "
                       "incurred.");
    ASSERT_EQ(Set({"1202.1.737=lines:1 - Purchase|01/07/2005||x|1000.00|||",
                   "1202.1.729=text:01/01/2005"})
                  .status,
              0);
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", Tfn}), 3,
                       "The effective date of the cost base cannot be earlier than the date of "
                       "acquisition.");
}

TEST_F(OutsideInputTest, ProceedsWithoutAnEventDateAreNamedNotDroppedSilently) {
    std::vector<std::string> shares = Shares("01/07/2000", "");
    shares.push_back("1202.2.710=text:Sold Parcel");
    shares.push_back("1202.2.714=text:SN");
    shares.push_back("1202.2.726=text:01/07/2000");
    shares.push_back("1202.2.737=lines:1 - Purchase|01/07/2000||x|1000.00|||");
    shares.push_back("1202.2.739=text:01/03/2006");
    shares.push_back("1202.2.742=currency:2000");
    ASSERT_EQ(Set(shares).status, 0);
    const json result = Calc();
    ASSERT_EQ(result["notices"].size(), 1u);
    EXPECT_EQ(result["notices"][0]["item"], 1);
    EXPECT_EQ(result["notices"][0]["field"], 742);
    EXPECT_EQ(result["notices"][0]["text"],
              "Capital proceeds of 3000 have no date of the CGT event; no gain or loss is "
              "worked out");
    // The dated parcel still counts in full.
    EXPECT_EQ(result["netCapitalGain"]["value"], 500);
    // The summary ends with the notice.
    const ToolRun text = Tax({"calc", file, "--tfn", Tfn, "--dry-run"});
    const std::string notice =
        "Harbour Shares (worksheet 451, item 1): Capital proceeds of 3000 have no date of "
        "the CGT event; no gain or loss is worked out\n";
    ASSERT_GE(text.out.size(), notice.size());
    EXPECT_EQ(text.out.substr(text.out.size() - notice.size()), notice) << text.out;
}
