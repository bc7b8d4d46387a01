#include <gtest/gtest.h>

#include "recording_printer.h"
#include "report_fixture.h"

class PrintPagesTest : public ReportTest {
protected:
    // The printer is only stored while the base is made, and is alive before any use.
    PrintPagesTest() : ReportTest(&printer) {}
    RecordingPrinter printer;
};

TEST_F(PrintPagesTest, CopiesRepeatTheChosenPagesAtZoomOneOnThePrinter) {
    Load(R"(
script "PAGES"
section condition=0
text "one"
section condition=0
text "two"
section condition=0
text "three"
)");
    report.NumbOfCopies = 2;
    report.PrintPages({2, 3, 9});
    EXPECT_EQ(printer.printedPages, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(report.PrintingPage, 3);
    EXPECT_TRUE(printer.ended);
    EXPECT_EQ(printer.canvas.FindText("one"), nullptr);
    EXPECT_NE(printer.canvas.FindText("three"), nullptr);
}

TEST_F(PrintPagesTest, AnEmptySetStartsNoJobAndAbortedStopsAfterThePage) {
    Load("script \"P\"\nsection condition=0\ntext \"a\"\nsection condition=0\ntext \"b\"\n");
    report.PrintPages({});
    EXPECT_EQ(printer.jobs, 0);
    printer.betweenPages = [&] { report.Aborted = true; };
    report.PrintPages({1, 2});
    EXPECT_EQ(printer.printedPages, std::vector<int>{1});
    EXPECT_TRUE(printer.aborted);
    EXPECT_FALSE(printer.ended);
}
