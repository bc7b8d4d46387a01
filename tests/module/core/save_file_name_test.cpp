#include "module/core/save_file_name.h"

#include <gtest/gtest.h>

TEST(SaveFileName, MissingExtensionIsCompleted) {
    EXPECT_EQ(CheckSaveFileName("smith").name, "smith.tax");
    EXPECT_EQ(CheckSaveFileName("  smith  ").name, "smith.tax");
    EXPECT_EQ(CheckSaveFileName("smith.").name, "smith.tax");
    EXPECT_EQ(CheckSaveFileName("Smith.Tax").name, "Smith.Tax");
    EXPECT_EQ(CheckSaveFileName("my return~2.TAX").name, "my return~2.TAX");
    EXPECT_TRUE(CheckSaveFileName("a.tax").ok);
}

TEST(SaveFileName, WrongExtensionAndBadCharactersAreRefused) {
    for (const char* name : {"smith.txt", "smith.ta", "smith.taxes"}) {
        const SaveNameCheck check = CheckSaveFileName(name);
        EXPECT_FALSE(check.ok) << name;
        EXPECT_EQ(check.error, "File extension must be .TAX") << name;
    }
    EXPECT_EQ(CheckSaveFileName(".TAX").error, "File extension must be .TAX");
    for (const char* name : {".hidden.tax", "a+b.tax", "a/b.tax", "", "   ", ".", "caf\xE9.tax"}) {
        const SaveNameCheck check = CheckSaveFileName(name);
        EXPECT_FALSE(check.ok) << name;
        EXPECT_EQ(check.error, "Invalid filename") << name;
    }
}

TEST(SaveFileName, KeystrokesAreLettersDigitsHyphenAndOnePoint) {
    for (char c : std::string("azAZ09-")) EXPECT_TRUE(SaveNameKeyAllowed(c, "")) << c;
    for (char c : std::string(" ~+/\\:*?\"<>|_,")) EXPECT_FALSE(SaveNameKeyAllowed(c, "")) << c;
    EXPECT_FALSE(SaveNameKeyAllowed('\xE9', ""));
    EXPECT_TRUE(SaveNameKeyAllowed('.', "smith"));
    EXPECT_FALSE(SaveNameKeyAllowed('.', "smith.ta"));
}

TEST(SaveFileName, OnlyTheFileNameTurnsUpperCase) {
    EXPECT_EQ(FullSaveFileName("/home/alex/Returns", "smith.tax"), "/home/alex/Returns/SMITH.TAX");
    EXPECT_EQ(FullSaveFileName("/", "a.tax"), "/A.TAX");
    EXPECT_EQ(FullSaveFileName("/r", "smith.tax", {"jones.tax", "Smith.tax"}), "/r/Smith.tax");
    EXPECT_EQ(FullSaveFileName("/r", "smith.tax", {"smith.tax.bak"}), "/r/SMITH.TAX");
}
