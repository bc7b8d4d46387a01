#include <gtest/gtest.h>

#include "base/text_variables.h"
#include "recording_canvas.h"
#include "report_fixture.h"
#include "reports/core/embedded_scripts.h"
#include "reports/core/module_report.h"
#include "store/field_store.h"

// The canvas has 10 pixels a millimetre, so at zoom 1 one script unit is one pixel; margins of
// 10 mm put the origin at (100, 100).
class PageDrawerTest : public ReportTest {
protected:
    PageDrawerTest() {
        report.SetLeftMargin(10);
        report.SetTopMargin(10);
        canvas.printer = true;
    }
    void Draw(const std::string& source, double zoom = 1, bool keepBackground = true) {
        Load(source);
        report.DrawPage(1, canvas, keepBackground, zoom);
    }
    RecordingCanvas canvas;
};

TEST_F(PageDrawerTest, TextsAreDrawnWhereTheirModeSaysInTheirFontAndReducedColour) {
    Draw(R"(
script "TEXTS"
section condition=0
font name=times size=12 style=3 colour=10 mode=0
box 0 0 400 50
text "left"
font name=courier size=9 colour=15 mode=1
text "right"
)");
    const auto* left = canvas.FindText("left");
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->x, 100);
    EXPECT_EQ(left->y, 100);
    EXPECT_EQ(left->font.name, "Times New Roman");
    EXPECT_EQ(left->font.size, 12);
    EXPECT_TRUE(left->font.bold);
    EXPECT_TRUE(left->font.italic);
    EXPECT_EQ(left->font.colour, clBlack);  // red prints black
    const auto* right = canvas.FindText("right");
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->x, 500 - 50);  // ends at the box's right edge
    EXPECT_EQ(right->font.name, "Courier New");
    EXPECT_EQ(right->font.colour, clWhite);
}

TEST_F(PageDrawerTest, ShapesUseTheReducedPenAndBrushAndRepeatsShiftThem) {
    Draw(R"(
script "SHAPES"
section condition=0
pen brush=17 colour=12 width=20 brushstyle=0
rect 10 10 110 60
repeat 0 100
pen brush=4 colour=15
ellipse 10 300 60 350
)");
    ASSERT_EQ(canvas.shapes.size(), 3u);
    EXPECT_EQ(canvas.shapes[0].rect, (TRect{110, 110, 210, 160}));
    EXPECT_EQ(canvas.shapes[0].brush, 0xC0C0C0u);  // button face prints silver
    EXPECT_EQ(canvas.shapes[0].pen, clBlack);      // blue prints black
    EXPECT_EQ(canvas.shapes[1].rect, (TRect{110, 210, 210, 260}));
    EXPECT_EQ(canvas.shapes[2].kind, 'E');
    EXPECT_EQ(canvas.shapes[2].brush, 0x808080u);  // any other colour prints grey
    EXPECT_EQ(canvas.shapes[2].pen, clWhite);
}

TEST_F(PageDrawerTest, ZoomScalesPositionsOnScreenAndFontsOnlyOffThePrinter) {
    canvas.printer = false;
    Draw(R"(
script "ZOOM"
section condition=0
font size=10
box 100 100 200 200
text "z"
)",
         2, false);
    const auto* z = canvas.FindText("z");
    ASSERT_NE(z, nullptr);
    EXPECT_EQ(z->x, 2 * (100 + 100));
    EXPECT_EQ(z->font.size, 20);
    // The screen page is laid on the preview background first.
    ASSERT_FALSE(canvas.shapes.empty());
    EXPECT_EQ(canvas.shapes[0].kind, 'F');
    EXPECT_EQ(canvas.shapes[0].brush, PreviewBackground);
}

TEST_F(PageDrawerTest, BoxedTextsDrawTheirFrameCentsBoxAndOffsets) {
    Draw(R"(
script "BOXED"
section condition=0
box 0 0 600 60
text "framed" boxed=1 flags=2
box 0 100 600 160
text "moved" boxed=1 flags=133
)");
    // The cents box takes 4 mm off the frame and draws its circle and struck "00".
    ASSERT_FALSE(canvas.rectangles.empty());
    EXPECT_EQ(canvas.rectangles[0], (TRect{100, 100, 660, 160}));
    EXPECT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_NE(canvas.FindText("00"), nullptr);
    // Flags 1 + 4 + 0x80: no frame, text 2.5 mm right plus the 1 mm indent.
    EXPECT_EQ(canvas.rectangles.size(), 1u);
    const auto* moved = canvas.FindText("moved");
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->x, 100 + 25 + 10);
    EXPECT_EQ(moved->y, 200 + (60 - 16) / 2);
}

TEST_F(PageDrawerTest, MarkupSetsStylesAndDrawsWhatItCanAroundUnreadableTags) {
    int beeps = 0;
    report.OnBeep = [&] { ++beeps; };
    SetVariable("@Year", "2006");
    Draw(R"(
script "MARKUP"
section condition=0
font size=10 mode=3
box 0 0 1000 400
text "plain <T1;S014>bold <Q9>year <@Year>\n<.>second"
)");
    EXPECT_EQ(beeps, 1);
    const auto* plain = canvas.FindText("plain ");
    const auto* bold = canvas.FindText("bold ");
    const auto* year = canvas.FindText("2006");
    const auto* second = canvas.FindText("second");
    ASSERT_TRUE(plain && bold && year && second);
    EXPECT_FALSE(plain->font.bold);
    EXPECT_TRUE(bold->font.bold);
    EXPECT_EQ(bold->font.size, 14);
    EXPECT_EQ(bold->x, plain->x + 60);
    EXPECT_GT(second->y, plain->y);
    EXPECT_FALSE(second->font.bold);  // "." restores the starting font
}

TEST_F(PageDrawerTest, WrappedModesBreakAtTheBoxWidthAndStayInside) {
    Draw(R"(
script "WRAP"
section condition=0
font mode=24
box 0 0 100 40
text "one two three"
)");
    // 100 pixels hold ten characters; the box holds two lines of 16.
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].text, "one two");
    EXPECT_EQ(canvas.texts[0].x, 200 - 70);
    EXPECT_EQ(canvas.texts[1].text, "three");
    EXPECT_EQ(canvas.texts[1].y, 116);
}

TEST_F(PageDrawerTest, FieldRecordsDrawTheStoreValueAtDrawTime) {
    PrepareModuleReport(report);
    report.SetLeftMargin(10);
    SetFieldVal(1500, -250);
    Load(R"(
script "FIELDS"
section condition=0
box 0 0 400 60
field 1500 kind=1
box 0 100 400 160
field 1500 kind=7
)");
    SetFieldVal(1500, -300);  // drawn as the store holds it now
    report.DrawPage(1, canvas, true, 1);
    EXPECT_NE(canvas.FindText("300"), nullptr);
    EXPECT_NE(canvas.FindText("L"), nullptr);
    EXPECT_EQ(canvas.FindText("250"), nullptr);
}

TEST_F(PageDrawerTest, PageNumbersAreClampedAndAnEmptyListDrawsNothing) {
    report.DrawPage(1, canvas, true, 1);
    EXPECT_TRUE(canvas.shapes.empty() && canvas.texts.empty());
    Draw(R"(
script "TWO"
section condition=0
text "one"
section condition=0
text "two"
)");
    canvas.texts.clear();
    report.DrawPage(7, canvas, true, 1);
    EXPECT_EQ(report.CurrentPage(), 2);
    EXPECT_NE(canvas.FindText("two"), nullptr);
    report.DrawPage(-3, canvas, true, 1);
    EXPECT_EQ(report.CurrentPage(), 1);
}

TEST_F(PageDrawerTest, TagOutlinesShowFieldNumbersWhenAsked) {
    SetVariable("#ShowTagsOnForms", "1");
    Draw(R"(
script "TAGS"
section condition=0
box 0 0 400 60
field 1234
)");
    const auto* number = canvas.FindText("1234");
    ASSERT_NE(number, nullptr);
    bool dashed = false;
    for (const auto& s : canvas.shapes) dashed |= s.penStyle == PenStyle::Dash && s.pen == 0x0000FF;
    EXPECT_TRUE(dashed);
}

TEST_F(PageDrawerTest, PicturesDrawAtTheBoxCornerScaledFromTheirSize) {
    Draw(R"(
script "PICTURE"
section condition=0
box 100 200 400 400
image "WARNMARK" dx=10 dy=20 scale=250
image "NOSUCHPICTURE"
)");
    // 16 x 16 at 250 % is 40 units a side from (110, 220), past the 100-pixel origin.
    ASSERT_EQ(canvas.bitmaps.size(), 1u);
    EXPECT_EQ(canvas.bitmaps[0], (TRect{210, 320, 250, 360}));
    const MonoBitmap* mark = EmbeddedBitmap("warnmark");
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->width, 16);
    EXPECT_TRUE(mark->Black(7, 0));
    EXPECT_FALSE(mark->Black(0, 0));
}
