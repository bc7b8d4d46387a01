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

// Text as wide as its font: six tenths of the point size a character.
class SizedCanvas : public RecordingCanvas {
public:
    int TextWidth(const std::string& t) override {
        return font.size * 6 * static_cast<int>(t.size()) / 10;
    }
};

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

TEST_F(DrawFieldTest, TheTfnPrintsGroupedHoweverItWasTyped) {
    for (const auto& [typed, printed] :
         std::vector<std::pair<std::string, std::string>>{{"123456782", "123 456 782"},
                                                          {"123 456 782", "123 456 782"},
                                                          {"1234 56782", "123 456 782"},
                                                          {"12345678", "12 345 678"},
                                                          {"NO-TFN", "NO-TFN"}}) {
        SetFieldStr(1, typed);
        RecordingCanvas canvas;
        DrawField('S', Record(1, 0, 1), {}, {0, 0, 400, 30}, canvas);
        ASSERT_EQ(canvas.texts.size(), 1u) << typed;
        EXPECT_EQ(canvas.texts[0].text, printed);
    }
    // Other fields print as they stand.
    SetFieldStr(396, "123456782");
    RecordingCanvas other;
    DrawField('S', Record(396, 0, 1), {}, {0, 0, 400, 30}, other);
    EXPECT_EQ(other.texts.at(0).text, "123456782");
}

TEST_F(DrawFieldTest, AValueWiderThanItsBoxPrintsSmallerInsideIt) {
    const std::string name = "Alexandra Catherine Montgomery-Fitzwilli";  // 40 characters
    SetFieldStr(397, name);
    SizedCanvas fits;
    DrawField('S', Record(397, 0, 0), {}, {0, 0, 310, 30}, fits);  // 12 points: 288 wide
    ASSERT_EQ(fits.texts.size(), 1u);
    EXPECT_EQ(fits.texts[0].font.size, 12);

    SizedCanvas narrow;
    DrawField('S', Record(397, 0, 0), {}, {0, 0, 200, 30}, narrow);
    ASSERT_EQ(narrow.texts.size(), 1u);
    const auto& text = narrow.texts[0];
    EXPECT_LT(text.font.size, 12);
    EXPECT_LE(text.x + narrow.TextWidth(name), 199);  // inside the frame
    EXPECT_EQ(text.text, name);                       // whole

    // A right-aligned amount shrinks the same way and still ends at the indent.
    SetFieldVal(1500, 123456789012.0L);
    SizedCanvas amount;
    DrawField('S', Record(1500, 1, 0), {}, {0, 0, 60, 30}, amount);
    ASSERT_EQ(amount.texts.size(), 1u);
    EXPECT_LT(amount.texts[0].font.size, 12);
    EXPECT_EQ(amount.texts[0].x + amount.TextWidth(amount.texts[0].text), 59 - 10 - 1);
}

TEST_F(DrawFieldTest, AListCellWiderThanItsColumnPrintsSmallerAndTheNextAtFullSize) {
    SetFieldLst(1510, {"Adjusted cost base - discount/non-indexed", "Cost 1"});
    SizedCanvas canvas;
    DrawField('S', Record(1510, 9, 0, 1, 0), {}, {0, 0, 200, 200}, canvas);
    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_LT(canvas.texts[0].font.size, 12);
    const auto& wide = canvas.texts[0];
    EXPECT_LE(wide.x + wide.font.size * 6 * static_cast<int>(wide.text.size()) / 10, 199);
    EXPECT_EQ(canvas.texts[1].font.size, 12);
}
