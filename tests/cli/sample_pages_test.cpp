// The sample return's printed choice summary, worksheet and schedule, read back from the PDF
// with pdftotext: every figure whole and the pages consistent with the stored choices.

#include "orvana_tax_fixture.h"

namespace {

const std::string Bin = ORVANA_BIN_DIR;

class SamplePagesTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        tfn = Slurp(Bin + "/SAMPLE.TFN");
        while (!tfn.empty() && tfn.back() == '\n') tfn.pop_back();
    }
    // The report printed from the sample, as text laid out like the page.
    std::string Printed(const std::string& report, const std::string& item = "") {
        const std::string pdf = scratch.File(report + ".pdf");
        std::vector<std::string> args = {
            "print", Bin + "/SAMPLE.TAX", "--tfn", tfn, "--report", report, "--pdf", pdf};
        if (!item.empty()) args.insert(args.end(), {"--item", item});
        const ToolRun run = Tax(args);
        EXPECT_EQ(run.status, 0) << run.err;
        const std::string text = scratch.File(report + ".txt");
        const std::string command = "pdftotext -layout " + Quote(pdf) + " " + Quote(text);
        return std::system(command.c_str()) == 0 ? Slurp(text) : std::string();
    }
    static bool Has(const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    }

    std::string tfn;
};

TEST_F(SamplePagesTest, TheChoiceSummaryPrintsEveryAmountWholeAndComesToTheNetCapitalGain) {
    const std::string text = Printed("CGTCHOICE");
    // Gains, losses, methods and net gains of the rows, whole.
    for (const char* amount :
         {"11,096", "19,560", "174,256", "191,700", "2,825", "1,155", "990", "1,500", "9,780.00",
          "1,412.50", "95,737.50", "420.00", "Discount", "Other"})
        EXPECT_TRUE(Has(text, amount)) << amount << "\n" << text;
    // Names whole, a long one on two lines.
    for (const char* name :
         {"Meridian Resources Ordinary Shares -", "Rental House 14 Banksia",
          "Antique Silver Tea Service - Disposal", "Option Granted Over Vacant Block",
          "Northgate Property Fund - Trust Oth/Dis"})
        EXPECT_TRUE(Has(text, name)) << name << "\n" << text;
    // The gains of the methods used add up, not the indexed gains nobody chose.
    EXPECT_FALSE(Has(text, "185,352")) << text;
    EXPECT_TRUE(Has(text, "217,450")) << text;
    // The losses applied and the sum down to the net capital gain of the README.
    for (const char* line :
         {"Less other capital losses applied", "2,750.00", "Less the CGT discount", "107,350.00",
          "Net capital gain (whole dollars)", "Collectable losses carried forward", "1,455.00"})
        EXPECT_TRUE(Has(text, line)) << line << "\n" << text;
}

TEST_F(SamplePagesTest, TheWorksheetNamesTheMethodChosenAndTheDiscount) {
    const std::string text = Printed("CGTWSHT", "451.1");
    EXPECT_TRUE(Has(text, "Method chosen in the choice table: discount.")) << text;
    EXPECT_TRUE(Has(text, "discount of 50% ($9,780.00)")) << text;
    EXPECT_TRUE(Has(text, "net capital gain $9,780.00")) << text;
    EXPECT_FALSE(Has(text, "you will be required to choose")) << text;
}

TEST_F(SamplePagesTest, TheScheduleSaysWhereThisYearsCollectableLossIs) {
    const std::string text = Printed("SCHEDCGT");
    EXPECT_FALSE(Has(text, "other than capital losses from collectables")) << text;
    EXPECT_TRUE(Has(text, "Other CGT assets, collectables and any other CGT events")) << text;
    const size_t partC = text.find("Part C");
    ASSERT_NE(partC, std::string::npos);
    const size_t line = text.find("of this year, included in Part B", partC);
    ASSERT_NE(line, std::string::npos) << text;
    EXPECT_NE(text.substr(line, 200).find("1155"), std::string::npos) << text.substr(partC);
}

}  // namespace
