#include <gtest/gtest.h>

#include "report_fixture.h"
#include "store/field_store.h"

namespace {

// Four sections: always, when a field of it is filled, when field 500 is filled, never.
const char* const Conditions = R"(
script "CONDS"
section condition=0 height=300
box 0 0 100 50
text "always"
section condition=1 height=300
box 0 300 100 350
text "any field"
field 501
section condition=500 height=300
box 0 600 100 650
text "field 500"
field 500
section condition=9999 height=300
text "never"
)";

// A page-top block in a never-printed section and a repeating section over list 800 with
// two columns a row: heading 375, rows 40, totals 50.
const char* const Rows = R"(
script "ROWS"
section condition=9999
top
box 0 0 1850 40
text "page top"
endtop
section condition=800 height=0
heading height=375
box 0 0 1850 375
text "heading"
endheading
rows field=800 height=40 columns=2 min=1
box 0 0 900 40
field 800 kind=9 column=0 width=2
box 900 0 1850 40
field 800 kind=9 column=1 width=2
endrows
totals height=50
box 0 0 900 50
field 800 kind=33 column=0
endtotals
)";

void FillRows(int rows) {
    TextList lines;
    for (int i = 0; i < rows; ++i) {
        lines.push_back("name " + std::to_string(i));
        lines.push_back(std::to_string(i * 10));
    }
    SetFieldLst(800, lines);
}

std::vector<ScriptRecord> FieldRecords(const TXReport& report, int page) {
    std::vector<ScriptRecord> fields;
    for (const ScriptRecord& r : report.Pages().PageRecords(page))
        if (IsFieldRecord(RecordLetter(r)) && FieldOfRecord(r) == 800) fields.push_back(r);
    return fields;
}

}  // namespace

using ReportLayoutTest = ReportTest;

TEST_F(ReportLayoutTest, SectionConditionsDecideWhatPrints) {
    Load(Conditions);
    ASSERT_EQ(report.PageCount(), 1);
    EXPECT_EQ(Texts(1), std::vector<std::string>{"always"});

    report.ClearPages();
    SetFieldStr(501, "x");
    SetFieldStr(500, "y");
    Load(Conditions);
    const std::vector<std::string> texts = Texts(1);
    EXPECT_TRUE(Contains(texts, "any field"));
    EXPECT_TRUE(Contains(texts, "field 500"));
    EXPECT_FALSE(Contains(texts, "never"));
    // Condition 0 opens the page; the others fit below it and bring no frame of their own.
    EXPECT_EQ(report.PageCount(), 1);
    EXPECT_FALSE(Contains(texts, "Taxpayer Name"));
}

TEST_F(ReportLayoutTest, AConditionOneSectionThatDoesNotFitOpensAFramedPage) {
    SetFieldStr(501, "x");
    Load(R"(
script "TALL"
section condition=0 height=2500
text "first"
section condition=1 height=300
text "second"
field 501
)");
    ASSERT_EQ(report.PageCount(), 2);
    EXPECT_EQ(Texts(1), std::vector<std::string>{"first"});
    const std::vector<std::string> second = Texts(2);
    EXPECT_EQ(second.front(), "Taxpayer Name");
    EXPECT_EQ(second.back(), "second");
}

TEST_F(ReportLayoutTest, AHundredRowsBreakOntoFramedPagesEachWithItsHeading) {
    FillRows(100);
    Load(Rows);
    // The frame with the page-top block (130) and the heading (375) leave room for 54 rows
    // of 40 on a page of 2680.
    ASSERT_EQ(report.PageCount(), 2);
    for (int page = 1; page <= 2; ++page) {
        const std::vector<std::string> texts = Texts(page);
        EXPECT_EQ(texts[0], "page top") << page;
        EXPECT_TRUE(Contains(texts, "Taxpayer Name")) << page;
        EXPECT_TRUE(Contains(texts, "heading")) << page;
    }
    const auto first = FieldRecords(report, 1);
    const auto second = FieldRecords(report, 2);
    // Two cells a row; the totals record (row 255) lands on the last page.
    EXPECT_EQ(first.size(), 2u * 54);
    EXPECT_EQ(second.size(), 2u * 46 + 1);
    EXPECT_EQ(RowOfRecord(second.front()), 54);
    EXPECT_EQ(second.back()[9], TotalRow);
    EXPECT_FALSE(HasRowNumber(second.back()));
}

TEST_F(ReportLayoutTest, RowsAreNumberedAndPlacedOneUnderTheOther) {
    FillRows(3);
    Load(Rows);
    const auto fields = FieldRecords(report, 1);
    ASSERT_EQ(fields.size(), 7u);
    for (int row = 0; row < 3; ++row) {
        const ScriptRecord& cell = fields[static_cast<size_t>(2 * row + 1)];
        EXPECT_TRUE(HasRowNumber(cell));
        EXPECT_EQ(RowOfRecord(cell), row);
        EXPECT_EQ(cell[8], 1);  // drawn without a frame
    }
    // The box of row 2 sits two rows below row 0's, under the frame, page-top block and heading.
    std::vector<int> boxTops;
    for (const ScriptRecord& r : report.Pages().PageRecords(1))
        if (RecordLetter(r) == '#' && RecordInt16(r, 6) == 900)
            boxTops.push_back(RecordInt16(r, 4));
    ASSERT_EQ(boxTops.size(), 4u);  // three rows and the totals
    EXPECT_EQ(boxTops[1] - boxTops[0], 40);
    EXPECT_EQ(boxTops[0], 130 + 375);
}

TEST_F(ReportLayoutTest, TenThousandRowsPaginateAndKeepTheirRowNumbers) {
    FillRows(10000);
    Load(Rows);
    EXPECT_EQ(report.PageCount(), 10000 / 54 + 1);
    const auto last = FieldRecords(report, report.PageCount());
    ASSERT_GE(last.size(), 3u);
    // Rows above 255 are not folded back onto the first rows.
    EXPECT_EQ(RowOfRecord(last[last.size() - 2]), 9999);
}

TEST_F(ReportLayoutTest, ListsShorterThanTheMinimumOrSuppressedPrintNothing) {
    Load(Rows);
    EXPECT_EQ(report.PageCount(), 0);
    FillRows(2);
    SetFieldStr(801, "x");
    Load(R"(
script "SUPPRESSED"
section condition=800
rows field=800 height=40 columns=2 suppress=801
field 800 kind=9
endrows
)");
    EXPECT_EQ(report.PageCount(), 0);
    Load(R"(
script "MINIMUM"
section condition=800
rows field=800 height=40 columns=2 min=3
field 800 kind=9
endrows
)");
    EXPECT_EQ(report.PageCount(), 0);
}

TEST_F(ReportLayoutTest, PagesAreLinkedAndOmittedFieldsLeftOut) {
    Load(R"(
script "LINKS"
section condition=0
field 501 column=9999
text "one"
section condition=0
text "two"
)");
    ASSERT_EQ(report.PageCount(), 2);
    EXPECT_EQ(Letters(1), "T");
    const ScriptRecord first = report.Pages().PageRecord(1);
    const ScriptRecord second = report.Pages().PageRecord(2);
    EXPECT_EQ(first[2], 1);
    EXPECT_EQ(second[2], 2);
    EXPECT_EQ(RecordUInt32(second, 3), 0u);                   // back to the first page record
    EXPECT_EQ(RecordUInt32(first, 7), 2 * ScriptRecordSize);  // forward to the second
}

TEST_F(ReportLayoutTest, AMissingOrDamagedScriptIsAnErrorToTheCaller) {
    EXPECT_THROW(report.AddScript("NOSUCH", 1, false, 1), ReportError);
    report.FindScript = [](const std::string&) {
        return std::optional<std::vector<uint8_t>>(std::vector<uint8_t>{'!', 0, 1, 5, 0});
    };
    EXPECT_THROW(report.AddScript("CUT", 1, false, 1), ReportError);
    EXPECT_EQ(report.PageCount(), 0);
}
