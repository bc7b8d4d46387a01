// orvana-tax print: reports of a return written as PDF, read back with pdftotext.

#include "orvana_tax_fixture.h"

namespace {

std::string PdfText(const std::string& pdf, const std::string& into) {
    const std::string command = "pdftotext -layout " + Quote(pdf) + " " + Quote(into);
    return std::system(command.c_str()) == 0 ? Slurp(into) : std::string();
}

}  // namespace

class OrvanaTaxPrintTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782", "--name", "Alex Sample"}).status, 0);
        // A share bought for 10,000 and sold for 30,000 as the summary screen leaves it.
        const ToolRun set =
            Tax({"set", file, "--tfn", "123456782", "1202.1.710=text:BHP shares",
                 "1202.1.714=text:SN", "1202.1.1130=currency:30000", "1202.1.1131=currency:11950",
                 "1202.1.1132=currency:18050", "1202.1.1135=currency:20000",
                 "1202.1.1105=lines:15/08/1990|Purchase price|10000|0|10000|"
                 "11950|103.3|123.4|1.195|11950|0|10000"});
        ASSERT_EQ(set.status, 0) << set.err;
    }
    std::string pdf = dir.File("OUT.pdf");
};

TEST_F(OrvanaTaxPrintTest, TheWorksheetOfAnAssetShowsItsTitleNameAndGains) {
    const ToolRun run = Tax({"print", file, "--tfn", "123 456 782", "--report", "CGTWSHT", "--item",
                             "451.1", "--pdf", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = PdfText(pdf, scratch.File("out.txt"));
    EXPECT_NE(text.find("Capital gains tax worksheet"), std::string::npos) << text;
    EXPECT_NE(text.find("BHP shares"), std::string::npos) << text;
    EXPECT_NE(text.find("Alex Sample"), std::string::npos);
    EXPECT_NE(text.find("18050"), std::string::npos);           // indexed gain
    EXPECT_NE(text.find("20000"), std::string::npos);           // discount gain
    EXPECT_NE(text.find("Purchase price"), std::string::npos);  // a cost element row
}

TEST_F(OrvanaTaxPrintTest, EveryReportOfTheModulePrints) {
    for (const char* report :
         {"CGTWSHT", "CGTASSET", "CGTNASS", "CGTCHOICE", "CGTCHOICEOLD", "CGTDISEV", "SCHEDCGT"}) {
        const ToolRun run =
            Tax({"print", file, "--tfn", "123456782", "--report", report, "--pdf", pdf});
        // The choice summary and the short-form tables print only the tables of a calculated
        // return; this one has none, and so no pages.
        const bool repeating =
            std::string(report) == "CGTCHOICE" || std::string(report) == "CGTDISEV";
        EXPECT_EQ(run.status, repeating ? 1 : 0) << report << run.err;
    }
}

TEST_F(OrvanaTaxPrintTest, BadNamesItemsAndFilesGetOneLineAndWriteNothing) {
    ExpectOneErrorLine(
        Tax({"print", file, "--tfn", "123456782", "--report", "NOSUCH", "--pdf", pdf}), 2,
        "no report NOSUCH");
    ExpectOneErrorLine(Tax({"print", file, "--tfn", "123456782", "--report", "CGTWSHT", "--item",
                            "451.7", "--pdf", pdf}),
                       2, "no item 451.7");
    ExpectOneErrorLine(Tax({"print", file, "--tfn", "123456782", "--report", "CGTWSHT", "--item",
                            "shares", "--pdf", pdf}),
                       2, "WORKSHEET.N");
    ExpectOneErrorLine(Tax({"print", dir.File("NONE.TAX"), "--tfn", "123456782", "--report",
                            "CGTWSHT", "--pdf", pdf}),
                       1, "no such file");
    ExpectOneErrorLine(
        Tax({"print", file, "--tfn", "111111111", "--report", "CGTWSHT", "--pdf", pdf}), 1,
        "saved with another TFN");
    EXPECT_FALSE(fs::exists(pdf));
    // An unwritable target leaves no part file behind either.
    const std::string into = dir.File("missing/OUT.pdf");
    ExpectOneErrorLine(
        Tax({"print", file, "--tfn", "123456782", "--report", "CGTWSHT", "--pdf", into}), 1,
        "OUT.pdf");
    EXPECT_FALSE(fs::exists(into + ".part"));
}

namespace {

// A manual calculation row of 21 values: description, type, other gain, loss.

}  // namespace

TEST_F(OrvanaTaxPrintTest, TheScheduleOfACalculatedReturnPrintsItsPartsAndAmounts) {
    const ToolRun set = Tax({"set", file, "--tfn", "123456782",
                             "1201=lines:" + ManualRow("Sale of a domain name", "OA", "3200", "") +
                                 "|" + ManualRow("Shares in a failed company", "SN", "", "1200") +
                                 "|" + ManualRow("Painting", "A", "1500", "")});
    ASSERT_EQ(set.status, 0) << set.err;
    const ToolRun calc = Tax({"calc", file, "--tfn", "123456782", "--auto", "--json"});
    ASSERT_EQ(calc.status, 0) << calc.err;
    const json schedule = CalcByNumber(json::parse(calc.out)["schedule"]);
    const auto amount = [&](const char* field) {
        return std::to_string(static_cast<long long>(schedule[field].get<double>()));
    };
    ASSERT_GT(schedule["1131"].get<double>(), 0);
    ASSERT_GT(schedule["738"].get<double>(), 0);

    // No item named: the schedule record is the one printed.
    const ToolRun run =
        Tax({"print", file, "--tfn", "123456782", "--report", "SCHEDCGT", "--pdf", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(std::system(("pdfinfo " + Quote(pdf) + " | grep -q 'Pages: *4$'").c_str()), 0);
    const std::string text = PdfText(pdf, scratch.File("schedule.txt"));
    for (const char* heading :
         {"Part A", "Capital gains from CGT assets and CGT events", "Part B", "Part D", "Part E",
          "Part F", "Part G", "Part H", "Calculating net capital gain", "Part I", "Part J",
          "Part K", "Scrip for scrip roll-over relief for exchanging taxpayer", "Net capital gains",
          "Total current year capital losses"})
        EXPECT_NE(text.find(heading), std::string::npos) << heading;
    // The net capital gain (field 1131), the losses of the year and the other-method gains.
    for (const char* field : {"1131", "738", "734"})
        EXPECT_NE(text.find(" " + amount(field)), std::string::npos) << field << "\n" << text;
    EXPECT_NE(text.find("Alex Sample"), std::string::npos);
}
