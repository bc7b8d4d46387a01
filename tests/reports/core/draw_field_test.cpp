#include "reports/core/draw_field.h"
#include "reports/core/list_table.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"
#include "store_fixture.h"

namespace {

ReportFieldRecord Record(int field, int alignment, int flags, int columns = 0, int first = 0) {
    ReportFieldRecord r{};
    r[0] = 'S';
    r[2] = static_cast<uint8_t>(columns);
    r[3] = static_cast<uint8_t>(field & 0xFF);
    r[4] = static_cast<uint8_t>(field >> 8);
    r[5] = static_cast<uint8_t>(first & 0xFF);
    r[6] = static_cast<uint8_t>(first >> 8);
    r[7] = static_cast<uint8_t>(alignment);
    r[8] = static_cast<uint8_t>(flags);
    return r;
}

}  // namespace

using DrawFieldTest = StoreTest;

TEST_F(DrawFieldTest, NegativeAmountsLoseTheirSignAndCodeSevenShowsTheLossMarker) {
    SetFieldVal(1500, -1234);
    RecordingCanvas canvas;
    DrawField('S', Record(1500, 1, 0), {}, {0, 0, 200, 30}, canvas);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "1234");
    // Right-aligned: ends at right - indent - 1 of the box shrunk by one pixel.
    EXPECT_EQ(canvas.texts[0].x + 40, 199 - 10 - 1);
    EXPECT_EQ(canvas.font.name, "Courier New");
    EXPECT_TRUE(canvas.font.bold);

    RecordingCanvas loss;
    DrawField('S', Record(1500, 7, 0), {}, {0, 0, 200, 30}, loss);
    ASSERT_EQ(loss.texts.size(), 1u);
    EXPECT_EQ(loss.texts[0].text, "L");
    EXPECT_EQ(loss.texts[0].x, 2);  // left edge of the shrunk box, plus one
}

TEST_F(DrawFieldTest, FramesCentsBoxAndScales) {
    SetFieldVal(1500, 75);
    RecordingCanvas canvas;
    DrawField('S', Record(1500, 0, 2), {2, 2, 2}, {0, 0, 300, 60}, canvas);
    ASSERT_EQ(canvas.rectangles.size(), 1u);
    EXPECT_EQ(canvas.rectangles[0].right, 300 - 80);
    ASSERT_EQ(canvas.ellipses.size(), 1u);
    EXPECT_EQ(canvas.ellipses[0].left, 219 + 20);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[1].text, "00");
    EXPECT_EQ(canvas.lines, 2);

    RecordingCanvas unframed;
    DrawField('S', Record(1500, 8, 1), {}, {0, 0, 100, 20}, unframed);
    EXPECT_TRUE(unframed.rectangles.empty());
    EXPECT_TRUE(unframed.texts.empty());
}

TEST_F(DrawFieldTest, ListFieldsDrawOneColumnOneRowALineAtTheRowPitch) {
    SetFieldLst(1510, {"a0", "b0", "a1", "b1", "a2"});
    RecordingCanvas canvas;
    DrawField('S', Record(1510, 9, 0, 2, 1), {}, {0, 0, 100, 200}, canvas);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].text, "b0");
    EXPECT_EQ(canvas.texts[1].text, "b1");
    EXPECT_EQ(canvas.texts[1].y - canvas.texts[0].y, ListRowPitch(FieldFontPoints));
    EXPECT_TRUE(canvas.wrapped.empty());
}

TEST_F(DrawFieldTest, CautionSignIsAnOctagonWithItsText) {
    RecordingCanvas canvas;
    DrawField('1', Record(0, 0, 0), {}, {10, 10, 110, 110}, canvas);
    ASSERT_EQ(canvas.polygon.size(), 8u);
    EXPECT_EQ(canvas.polygon[0], (TPoint{10, 50}));
    EXPECT_EQ(canvas.polygon[2], (TPoint{50, 110}));
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].text, "CAUTION");
    EXPECT_EQ(canvas.brush, clYellow);
}
