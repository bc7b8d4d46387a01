#include <gtest/gtest.h>

#include <cctype>

#include "recording_canvas.h"
#include "report_fixture.h"
#include "reports/core/fill_form.h"
#include "reports/core/list_table.h"
#include "reports/core/module_report.h"
#include "reports/core/text_wrap.h"
#include "store/field_store.h"

namespace {

// A page-top block and a fixed page: a title, a table of two list columns under a heading
// (rows of 30 units in 7 points, 690 units of list box: 23 rows) and a text below the table.
const char* const Table = R"(
script "TABLE"
section condition=9999
top
box 0 0 1850 40
text "page top"
endtop
section condition=0 height=2680
box 0 0 1850 80
text "title"
heading
pen brush=22
rect 1 200 1850 300
box 0 200 900 300
text "col heading"
endheading
pen brush=15
rect 1 300 1850 1010
line 900 200 900 1010
font size=7 mode=23
box 0 310 900 1000
text ref=C:900:0:2
box 900 310 1850 1000
text ref=C:900:1:2
box 0 1100 1850 1200
text "after"
)";

void FillRows(int rows) {
    TextList lines;
    for (int i = 0; i < rows; ++i) {
        lines.push_back("name " + std::to_string(i));
        lines.push_back(std::to_string(i));
    }
    SetFieldLst(900, lines);
}

class ListContinuationTest : public ReportTest {
protected:
    // Texts of the first list column on each page, as FillForm leaves them.
    std::vector<std::string> Column(int page) const {
        std::vector<std::string> texts;
        for (const ScriptRecord& r : report.Pages().PageRecords(page))
            if (RecordLetter(r) == 'T' && ReferenceOf(r) == TextReference::Column &&
                ReferenceFirst(r) == 0)
                texts.push_back(report.Pages().Text(r));
        return texts;
    }

    // Every row appears once, in order, across the pages.
    void ExpectEveryRowOnce(int rows) {
        FillForm(report);
        int next = 0;
        for (int page = 1; page <= report.PageCount(); ++page) {
            const auto column = Column(page);
            ASSERT_EQ(column.size(), 1u) << page;
            for (const std::string& line : SplitLines(column[0]))
                ASSERT_EQ(line, "name " + std::to_string(next++)) << page;
        }
        EXPECT_EQ(next, rows);
    }
};

}  // namespace

TEST_F(ListContinuationTest, AHundredRowsContinueOnAFramedPageWithTheHeadingAndPageTop) {
    FillRows(100);
    Load(Table);
    // 23 rows in place; the continuation page's frame and page-top block take 130 and a gap
    // of 20 follows, so the table moves up by 50 and its lists reach to 2670:
    // (2670 - 260) / 30 = 80 rows.
    ASSERT_EQ(report.PageCount(), 2);
    const auto first = Texts(1);
    EXPECT_EQ(first.front(), "title");
    EXPECT_TRUE(Contains(first, "col heading"));
    EXPECT_TRUE(Contains(first, "after"));
    EXPECT_FALSE(Contains(first, "Taxpayer Name"));
    const auto second = Texts(2);
    EXPECT_EQ(second.front(), "page top");
    EXPECT_TRUE(Contains(second, "Taxpayer Name"));
    EXPECT_TRUE(Contains(second, "col heading"));
    EXPECT_FALSE(Contains(second, "title"));
    EXPECT_FALSE(Contains(second, "after"));
    ExpectEveryRowOnce(100);
    EXPECT_EQ(SplitLines(Column(1)[0]).size(), 23u);

    // The table's heading, frame and lists stand under the frame on the continuation page.
    std::vector<int> tops, bottoms;
    for (const ScriptRecord& r : report.Pages().PageRecords(2))
        if (RecordLetter(r) == 'R' && RecordInt16(r, 2) == 1) {
            tops.push_back(RecordInt16(r, 4));
            bottoms.push_back(RecordInt16(r, 8));
        }
    // The continuation frame's white page, then the heading and the body of the table.
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_EQ(tops[0], 150);
    EXPECT_EQ(bottoms[1], UsablePageHeight);

    // Drawn one row a line at the row pitch (a unit is a pixel on this canvas), the columns
    // side by side.
    RecordingCanvas canvas;
    canvas.printer = true;
    report.DrawPage(2, canvas, true, 1);
    const auto* top = canvas.FindText("name 23");
    const auto* next = canvas.FindText("name 24");
    const auto* beside = canvas.FindText("23");
    ASSERT_TRUE(top && next && beside);
    EXPECT_EQ(next->y - top->y, ListRowPitch(7));
    EXPECT_EQ(beside->y, top->y);
}

TEST_F(ListContinuationTest, TenThousandRowsPaginateWithNoRowLostOrRepeated) {
    FillRows(10000);
    Load(Table);
    EXPECT_EQ(report.PageCount(), 1 + (10000 - 23 + 79) / 80);
    ExpectEveryRowOnce(10000);
    for (int page = 2; page <= report.PageCount(); ++page)
        ASSERT_EQ(Texts(page).front(), "page top") << page;
}

TEST_F(ListContinuationTest, AListThatFitsStaysOnOnePage) {
    FillRows(23);
    Load(Table);
    EXPECT_EQ(report.PageCount(), 1);
    ExpectEveryRowOnce(23);
}

TEST_F(ListContinuationTest, ListFieldRecordsCarryTheirPagesRowsAndDrawThemOneALine) {
    FillRows(40);
    Load(R"(
script "FIELDS"
section condition=0
box 0 300 900 1000
field 900 kind=9 column=1 width=2 flags=1
)");
    // 700 units hold 13 rows of a field's 12 points (51 units a row).
    ASSERT_EQ(report.PageCount(), 2);
    std::vector<RowSlice> slices;
    for (int page = 1; page <= 2; ++page)
        for (const ScriptRecord& r : report.Pages().PageRecords(page))
            if (IsFieldRecord(RecordLetter(r)) && FieldOfRecord(r) == 900)
                slices.push_back(RowSliceOf(r));
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].first, 0);
    EXPECT_EQ(slices[0].count, 13);
    EXPECT_EQ(slices[1].first, 13);
    EXPECT_EQ(slices[1].count, 27);

    // The canvas has 10 pixels a millimetre: a unit is a pixel.
    PrepareModuleReport(report);
    RecordingCanvas canvas;
    canvas.printer = true;
    report.DrawPage(2, canvas, true, 1);
    std::vector<RecordingCanvas::Text> cells;
    for (const auto& text : canvas.texts)
        if (!text.text.empty() && std::isdigit(static_cast<unsigned char>(text.text[0])))
            cells.push_back(text);
    ASSERT_EQ(cells.size(), 27u);
    EXPECT_EQ(cells[0].text, "13");
    EXPECT_EQ(cells[26].text, "39");
    EXPECT_EQ(cells[1].y - cells[0].y, ListRowPitch(FieldFontPoints));
}

TEST_F(ListContinuationTest, EveryPageDrawsTheRowsItsLayoutGaveItAtAnyResolution) {
    // 7-point rows are 30 units apart, 35.4 pixels at 300 dpi and 70.9 at 600: a pitch
    // rounded to whole pixels would push the last row of a full page below its box.
    FillRows(400);
    Load(Table);
    FillForm(report);
    PrepareModuleReport(report);
    for (const double dpi : {300.0, 600.0, 96.0 * 1.07, 72.0}) {
        int next = 0;
        for (int page = 1; page <= report.PageCount(); ++page) {
            RecordingCanvas canvas;
            canvas.printer = true;
            canvas.dpi = dpi;
            report.DrawPage(page, canvas, true, 1);
            const size_t laidOut = SplitLines(Column(page).at(0)).size();
            std::vector<int> tops;
            for (const auto& text : canvas.texts)
                if (text.text.rfind("name ", 0) == 0) {
                    ASSERT_EQ(text.text, "name " + std::to_string(next++)) << dpi << " " << page;
                    tops.push_back(text.y);
                }
            ASSERT_EQ(tops.size(), laidOut) << dpi << " dpi, page " << page;
            // The rows stand a pitch apart, to the nearest pixel, from the box's top.
            const double pitch = ListRowPitch(7) * dpi / 254;
            for (size_t i = 1; i < tops.size(); ++i)
                ASSERT_NEAR(tops[i] - tops[0], i * pitch, 0.5 + 1e-9) << dpi << " " << page;
        }
        EXPECT_EQ(next, 400) << dpi;
    }
}
