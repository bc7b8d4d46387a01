#include "store/extended_real.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "store/field_slot.h"

namespace {
ExtendedBytes HardwareImage(long double value) {
    ExtendedBytes bytes{};
    std::memcpy(bytes.data(), &value, bytes.size());
    return bytes;
}
}  // namespace

TEST(ExtendedReal, KnownImages) {
    // 1.0: significand 0x8000000000000000, exponent 0x3FFF.
    const ExtendedBytes one = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(EncodeExtended(1.0L), one);
    EXPECT_EQ(DecodeExtended(one), 1.0L);
    const ExtendedBytes minusTwo = {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0};
    EXPECT_EQ(EncodeExtended(-2.0L), minusTwo);
    EXPECT_EQ(EncodeExtended(0.0L), ExtendedBytes{});
    EXPECT_EQ(DecodeExtended(ExtendedBytes{}), 0.0L);
}

TEST(ExtendedReal, RoundTripsExactly) {
    const long double values[] = {0.0011L,      0.0049L,       60012,   1234.5L,
                                  -987654.321L, 1e-4000L,      1e4000L, LDBL_MIN,
                                  LDBL_MAX,     LDBL_TRUE_MIN, 1.0L / 3};
    for (long double v : values) {
        EXPECT_EQ(DecodeExtended(EncodeExtended(v)), v) << static_cast<double>(v);
#if LDBL_MANT_DIG == 64
        EXPECT_EQ(EncodeExtended(v), HardwareImage(v)) << static_cast<double>(v);
#endif
    }
    EXPECT_TRUE(
        std::isinf(DecodeExtended(EncodeExtended(std::numeric_limits<long double>::infinity()))));
    EXPECT_TRUE(
        std::isnan(DecodeExtended(EncodeExtended(std::numeric_limits<long double>::quiet_NaN()))));
}

TEST(FieldSlotImage, LayoutIsTypeSpareThenValue) {
    FieldSlot slot;
    slot.type = dtCurrency;
    slot.SetExtended(1.0L);
    const SlotImage image = slot.Image();
    EXPECT_EQ(image[0], dtCurrency);
    EXPECT_EQ(image[1], 0);
    EXPECT_EQ(image[9], 0x80);
    EXPECT_EQ(image[11], 0x3F);

    FieldSlot copy;
    copy.SetImage(image);
    EXPECT_EQ(copy.Image(), image);
    EXPECT_EQ(copy.Extended(), 1.0L);

    FieldSlot text;
    text.type = dtSmallStr;
    text.SetSmallText("ABC");
    EXPECT_EQ(text.Image()[2], 3);
    EXPECT_EQ(text.Image()[3], 'A');
    EXPECT_EQ(text.SmallText(), "ABC");
}

TEST(FieldSlotImage, CopiesOwnTheirTextsAndLists) {
    FieldSlot slot;
    slot.type = dtList;
    slot.list = std::make_unique<TextList>(TextList{"a"});
    FieldSlot copy = slot;
    copy.list->push_back("b");
    EXPECT_EQ(slot.list->size(), 1u);
    EXPECT_EQ(copy.Image()[2], 0);
}
