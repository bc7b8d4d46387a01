#include "grid/grid_key_filter.h"

#include <gtest/gtest.h>

namespace {
TGridColumn Column(const std::string& line) {
    bool bad = false;
    return ParseColumnDescriptor(line, bad);
}

// Types the keys into an empty cell; returns the cell text, counting the beeps.
std::string Type(const TGridColumn& column, const std::string& keys, int* beeps = nullptr) {
    std::string text;
    for (char key : keys) {
        const GridKeyResult r = FilterGridKey(column, text, false, key);
        if (r.verdict == GridKeyVerdict::Accept) text += r.key;
        if (r.verdict == GridKeyVerdict::DropWithBeep && beeps) ++*beeps;
    }
    return text;
}
}  // namespace

TEST(GridKeyFilter, TenCharactersWithTwoDecimalsLeaveSevenForTheWholePart) {
    const TGridColumn amount = Column("Amount|2|1|10|0|F|F|2|T||||-1|0|F|");
    int beeps = 0;
    EXPECT_EQ(Type(amount, "12345678", &beeps), "1234567");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Type(amount, "1234567.891", &beeps), "1234567.89");
    EXPECT_EQ(beeps, 2);
    // Only the separator may follow a full whole part; other keys, even a minus, beep.
    EXPECT_EQ(FilterGridKey(amount, "1234567", false, '-').verdict, GridKeyVerdict::DropWithBeep);
    // The minus sign counts towards the whole part, and earns one more character overall.
    EXPECT_EQ(Type(amount, "-1234567.891"), "-123456.891");
}

TEST(GridKeyFilter, NumbersTakeOneSignAndOneSeparator) {
    const TGridColumn amount = Column("Amount|2|1|10|0|F|F|2|T||||-1|0|F|");
    int beeps = 0;
    EXPECT_EQ(Type(amount, "1a-2..3-", &beeps), "1-2.3");
    EXPECT_EQ(beeps, 3);
    const TGridColumn whole = Column("Units|0|1|8|0|F|F|0|F|");
    EXPECT_EQ(Type(whole, "-1.5"), "15");
}

TEST(GridKeyFilter, ASelectionIsReplacedEvenInAFullCell) {
    const TGridColumn amount = Column("Amount|2|1|10|0|F|F|2|T||||-1|0|F|");
    // The whole text "1234567.89" selected: the key replaces it.
    EXPECT_EQ(FilterGridKey(amount, "", true, '5').verdict, GridKeyVerdict::Accept);
    EXPECT_EQ(FilterGridKey(amount, "1234567.89", false, '5').verdict,
              GridKeyVerdict::DropWithBeep);
    // "1234567" with "7" selected: what is left is not full.
    EXPECT_EQ(FilterGridKey(amount, "123456", true, '8').verdict, GridKeyVerdict::Accept);
    // A selected separator may be typed again.
    EXPECT_EQ(FilterGridKey(amount, "12", true, '.').verdict, GridKeyVerdict::Accept);
}

TEST(GridKeyFilter, DatesIdentifiersAndText) {
    EXPECT_EQ(Type(Column("Date|0|2|10|"), "01/07/2004x5"), "01/07/2004");
    EXPECT_EQ(Type(Column("TFN|0|4|9|"), "123 456 7829"), "123456782");
    EXPECT_EQ(Type(Column("Code|0|0|4|0|F|F|1|"), "ab1\xE9"), "AB1\xC9");
    EXPECT_EQ(Type(Column("Code|0|0|4|0|F|F|2|"), "AbC"), "abc");
    int beeps = 0;
    EXPECT_EQ(Type(Column("Code|0|0|10|0|F|F|1|A..Z,-|"), "ab-1 c", &beeps), "AB-C");
    EXPECT_EQ(beeps, 2);
}

TEST(GridKeyFilter, SkippedAndLockedColumnsTakeNothingAndControlsPass) {
    const TGridColumn locked = Column("L|0|0|10|0|F|F||||||||F|T");
    EXPECT_EQ(FilterGridKey(locked, "", false, 'a').verdict, GridKeyVerdict::Drop);
    EXPECT_EQ(FilterGridKey(locked, "", false, '\b').verdict, GridKeyVerdict::Drop);
    const TGridColumn skipped = Column("S|0|0|10|0|T|");
    EXPECT_EQ(FilterGridKey(skipped, "", false, '1').verdict, GridKeyVerdict::Drop);
    const TGridColumn text = Column("T|0|0|2|");
    EXPECT_EQ(FilterGridKey(text, "ab", false, '\b').verdict, GridKeyVerdict::Control);
}

// The cents rule of whole-dollar entry fields, kept across the keys of one cell.
TEST(GridKeyFilter, CentsTypedIntoAWholeDollarCellAreRefusedUntilTheCaretMoves) {
    const TGridColumn dollars = Column("Other gain|2|1|8|0|F|F|0|F||||0|0|F|F|");
    ASSERT_TRUE(WholeDollarColumn(dollars));
    GridCellKeys keys;
    const auto type = [&keys](const TGridColumn& column, const std::string& typed, int& beeps,
                              int& cents) {
        std::string text;
        for (char key : typed) {
            const GridKeyResult r = keys.Filter(column, text, false, key);
            if (r.verdict == GridKeyVerdict::Accept) text += r.key;
            if (r.verdict == GridKeyVerdict::DropWithBeep) ++beeps;
            if (r.cents) ++cents;
        }
        return text;
    };
    int beeps = 0, cents = 0;
    EXPECT_EQ(type(dollars, "1234.56", beeps, cents), "1234");
    EXPECT_EQ(beeps, 3);
    EXPECT_EQ(cents, 3);
    // Still cents until the caret moves; a letter is refused on its own account.
    EXPECT_EQ(type(dollars, "7x", beeps, cents), "");
    EXPECT_EQ(cents, 4);
    keys.Reset();
    EXPECT_EQ(type(dollars, "9000.50", beeps, cents), "9000");
    keys.Reset();
    // No minus in these columns, and nothing for a locked one, cents or not.
    EXPECT_EQ(type(dollars, "-5000", beeps, cents), "5000");
    const TGridColumn locked = Column("Net|2|1|8|0|F|F|0|F||||0|0|F|T|");
    EXPECT_EQ(keys.Filter(locked, "", false, '.').verdict, GridKeyVerdict::Drop);
    EXPECT_EQ(type(dollars, "5", beeps, cents), "5");
    // Zero, and no more than the column's eight digits.
    EXPECT_EQ(type(dollars, "0", beeps, cents), "0");
    beeps = 0;
    EXPECT_EQ(type(dollars, "123456789", beeps, cents), "12345678");
    EXPECT_EQ(beeps, 1);

    // Columns with decimals keep their cents.
    const TGridColumn amount = Column("Amount|2|1|10|0|F|F|2|T||||-1|0|F|");
    EXPECT_FALSE(WholeDollarColumn(amount));
    cents = 0;
    EXPECT_EQ(type(amount, "12.34", beeps, cents), "12.34");
    EXPECT_EQ(cents, 0);
    EXPECT_FALSE(WholeDollarColumn(Column("Date|0|2|10|")));
}
