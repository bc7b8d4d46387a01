#include "module/core/host_arguments.h"

#include <gtest/gtest.h>

TEST(HostArguments, StartCodeSplitsWithTruncatingDivision) {
    auto check = [](int32_t code, int32_t group, int32_t index) {
        const ScreenPosition p = SplitScreenNumber(code);
        EXPECT_EQ(p.group, group) << code;
        EXPECT_EQ(p.index, index) << code;
    };
    check(2004, 20, 4);
    check(0, 0, 0);
    check(-105, -1, -5);
    check(2201, 22, 1);
}

TEST(HostArguments, CheckVersionReadsTheLow16Bits) {
    EXPECT_EQ(CheckVersionResult(1), 0);
    EXPECT_EQ(CheckVersionResult(2), -1);
    EXPECT_EQ(CheckVersionResult(0), 1);
    EXPECT_EQ(CheckVersionResult(65537), 0);
    EXPECT_EQ(CheckVersionResult(65535), 1);
    EXPECT_EQ(CheckVersionResult(-1), 1);
    EXPECT_EQ(CheckVersionResult(32767), -1);
}

TEST(HostArguments, LengthPrefixedTexts) {
    const unsigned char text[] = {3, 'a', 'b', 'c', 'd'};
    EXPECT_EQ(FromShortString(text), "abc");
    EXPECT_EQ(FromShortString(nullptr), "");
    const unsigned char empty[] = {0};
    EXPECT_EQ(FromShortString(empty), "");
    const auto round = ToShortString(std::string(300, 'x'));
    EXPECT_EQ(round[0], 255);
    EXPECT_EQ(FromShortString(round.c_str()), std::string(255, 'x'));
}
