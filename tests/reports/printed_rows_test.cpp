// Long lists printed to PDF and read back with pdftotext: every row of the payments worksheet
// of a share parcel with 120 cost elements and 60 payments is on its page, in order, at
// the preview's and printer resolutions, each full page holding the rows its layout gave.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "base/module_state.h"
#include "long_lists_return.h"
#include "module/build_text_variables.h"
#include "orvana_tax_tool.h"
#include "pdf_text.h"
#include "reports/core/module_report.h"
#include "reports/core/txreport.h"
#include "reports/paint/report_pdf.h"
#include "store/data_file.h"
#include "store_fixture.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123456782";
constexpr int PaymentsColumns = 23, DescriptionColumn = 4;

// As pdftotext reads a text: single spaces between its words.
std::string Words(const std::string& text) {
    std::istringstream in(text);
    std::string words;
    for (std::string word; in >> word;) words += (words.empty() ? "" : " ") + word;
    return words;
}

class PrintedRows : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        const std::string answers = dir.File("answers.txt"), out = dir.File("out.txt");
        std::ofstream(answers) << LongListsAnswers(120, 60, "Robin Ashworth");
        ASSERT_EQ(RunOrvanaTax({"new", file, "--tfn", Tfn, "--name", "Robin Ashworth"}, out), 0);
        ASSERT_EQ(RunOrvanaTax({"set", file, "--tfn", Tfn, "--from", answers}, out), 0);
        ASSERT_EQ(RunOrvanaTax({"calc", file, "--tfn", Tfn, "--auto"}, out), 0);
        BuildTextVariables();
        State().IdentifierText = Tfn;
        ASSERT_EQ(OpenDataFile(file), OpenReadCompletely);
        OpenWorksheetItem(451, 1);
        const TextList* rows = GetFieldLst(1199);
        ASSERT_NE(rows, nullptr);
        for (size_t at = DescriptionColumn; at < rows->size(); at += PaymentsColumns)
            descriptions.push_back(Words((*rows)[at]));
    }

    static std::unique_ptr<TXReport> Payments() {
        auto report = std::make_unique<TXReport>();
        PrepareModuleReport(*report);
        LoadModuleReport(*report, "CGTNASS");
        return report;
    }

    // The descriptions on each page, below the table's heading in the description column
    // (10.4 to 40.7 mm right of the 15 mm margin, at the zoom the page was drawn).
    std::vector<std::vector<std::string>> RowsOfPages(const std::string& pdf, double zoom) const {
        std::vector<std::vector<std::string>> rows;
        for (const PdfPage& page : PdfWords(pdf, dir.File("words.html"))) {
            // Between the heading and, on the first page, "Cost base after the payments".
            double headingBottom = -1, tableBottom = 1e9;
            for (const PdfWord& w : page) {
                if (w.text == "Description") headingBottom = w.yMax;
                if (w.text == "after") tableBottom = std::min(tableBottom, w.yMin);
            }
            PdfPage below;
            for (const PdfWord& w : page)
                if (headingBottom >= 0 && w.yMin > headingBottom && w.yMax < tableBottom)
                    below.push_back(w);
            rows.push_back(PdfColumnLines(below, PdfPoints((15 + 10.0) * zoom),
                                          PdfPoints((15 + 40.7) * zoom)));
        }
        return rows;
    }

    // Every stored row once, in order; 57 rows on the first page and 94 on each full
    // continuation page, as the layout holds them.
    void ExpectEveryRow(const std::string& pdf, const std::string& where, double zoom = 1) const {
        const auto pages = RowsOfPages(pdf, zoom);
        ASSERT_EQ(pages.size(), 7u) << where;
        std::vector<std::string> printed;
        for (size_t page = 0; page < pages.size(); ++page) {
            const size_t expected = page == 0 ? 57 : page + 1 < pages.size() ? 94 : 0;
            if (expected) {
                EXPECT_EQ(pages[page].size(), expected) << where << " page " << page + 1;
            }
            printed.insert(printed.end(), pages[page].begin(), pages[page].end());
        }
        EXPECT_EQ(printed, descriptions) << where;
    }

    TempDir dir;
    std::string file = dir.File("LONG.TAX");
    std::vector<std::string> descriptions;
};

}  // namespace

// 96 dots an inch is the preview's screen: there the row pitch rounds the coarsest.
TEST_F(PrintedRows, EveryPaymentsRowPrintsAtThePreviewsAndPrinterResolutions) {
    ASSERT_GT(descriptions.size(), 57u + 5 * 94);
    ASSERT_LE(descriptions.size(), 57u + 6 * 94);
    const std::unique_ptr<TXReport> report = Payments();
    for (const int dpi : {96, 300, 600}) {
        const std::string pdf = dir.File("rows-" + std::to_string(dpi) + ".pdf");
        QString error;
        ASSERT_TRUE(WriteReportPdf(*report, QString::fromStdString(pdf), "rows", error, dpi))
            << error.toStdString();
        ExpectEveryRow(pdf, std::to_string(dpi) + " dpi");
    }
}
