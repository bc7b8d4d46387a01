#include "reports/core/script_source.h"

#include <gtest/gtest.h>

#include "reports/core/embedded_scripts.h"
#include "reports/core/script_reader.h"

TEST(ScriptSourceTest, LinesCompileToTheirRecordsAndSurviveTheBinaryForm) {
    const CompiledScript script = CompileScriptSource(R"(
# a comment
script "DEMO"
section condition=803 layout=R height=375 second=400
font name=narrow size=8 style=5 colour=2 mode=23 spacing=15
box 10 -20 300 40
text "say \"hi\"\nthere" boxed=1 flags=130 ref=C:1105:3:12
field 1105 kind=9 width=12 column=4 flags=1
rows field=803 height=40 columns=21 min=1 suppress=900
endrows
)");
    EXPECT_EQ(script.name, "DEMO");
    const std::vector<ScriptSection> sections = ReadScript(WriteScript(script.sections));
    ASSERT_EQ(sections.size(), 1u);
    const ScriptRecord& h = sections[0].header;
    EXPECT_EQ(SectionCondition(h), 803);
    EXPECT_EQ(SectionLayout(h), 'R');
    EXPECT_EQ(SectionSecondHeight(h), 400);
    EXPECT_EQ(SectionRecordCount(h), 6);
    const auto& items = sections[0].items;
    EXPECT_EQ(items[0].record[3], 1);   // Arial Narrow
    EXPECT_EQ(items[0].record[7], 23);  // text mode
    EXPECT_EQ(RecordInt16(items[0].record, 8), 15);
    EXPECT_EQ(RecordInt16(items[1].record, 4), -20);
    EXPECT_EQ(items[2].text, "say \"hi\"\nthere");
    EXPECT_EQ(items[2].record[10], 130);
    EXPECT_EQ(ReferenceOf(items[2].record), TextReference::Column);
    EXPECT_EQ(ReferenceField(items[2].record), 1105);
    EXPECT_EQ(ReferenceFirst(items[2].record), 3);
    EXPECT_EQ(ReferenceStride(items[2].record), 12);
    EXPECT_EQ(FieldOfRecord(items[3].record), 1105);
    EXPECT_EQ(FieldKind(items[3].record), 9);
    EXPECT_EQ(RecordLetter(items[4].record), 'G');
    EXPECT_EQ(RecordInt16(items[4].record, 7), 21);
    EXPECT_EQ(RecordInt16(items[4].record, 11), 900);
}

TEST(ScriptSourceTest, MistakesNameTheirLine) {
    const auto lineOf = [](const std::string& source) {
        try {
            CompileScriptSource(source);
        } catch (const ScriptSourceError& e) {
            return e.Line();
        }
        return 0;
    };
    EXPECT_EQ(lineOf("script \"X\"\nsection\nbox 1 2 3\n"), 3);      // too few numbers
    EXPECT_EQ(lineOf("script \"X\"\nsection\nwobble\n"), 3);         // unknown keyword
    EXPECT_EQ(lineOf("script \"X\"\nsection\nfont size=300\n"), 3);  // not a byte
    EXPECT_EQ(lineOf("script \"X\"\nsection\ntext \"open\n"), 3);    // no closing quote
    EXPECT_EQ(lineOf("script \"X\"\nsection\ntext ref=Q:1\n"), 3);   // unknown reference
    EXPECT_EQ(lineOf("script \"X\"\nbox 1 2 3 4\n"), 2);             // before any section
    EXPECT_EQ(lineOf("section\n"), 1);                               // no name at all
}

// Found by the fuzzer: a text the binary form cannot carry was compiled, and read back as
// another text (cut at a zero byte, or its 16-bit length wrapped).
TEST(ScriptSourceTest, ATextTheBinaryFormCannotCarryIsRefusedWithItsLine) {
    const auto lineOf = [](const std::string& source) {
        try {
            CompileScriptSource(source);
        } catch (const ScriptSourceError& e) {
            return e.Line();
        }
        return 0;
    };
    const std::string head = "script \"X\"\nsection\n";
    EXPECT_EQ(lineOf(head + "text \"Taxpa" + std::string(1, '\0') + "yer\"\n"), 3);
    EXPECT_EQ(lineOf(head + "text \"" + std::string(65535, 'x') + "\"\n"), 3);
    const CompiledScript longest =
        CompileScriptSource(head + "text \"" + std::string(MostScriptTextBytes, 'x') + "\"\n");
    const std::vector<uint8_t> bytes = WriteScript(longest.sections);
    EXPECT_EQ(ReadScript(bytes)[0].items[0].text.size(), MostScriptTextBytes);
}

TEST(ScriptSourceTest, TheModuleCarriesItsSevenScriptsAndEachReads) {
    const std::vector<std::string> names = EmbeddedScriptNames();
    for (const char* name :
         {"CGTWSHT", "CGTASSET", "CGTNASS", "CGTCHOICE", "CGTCHOICEOLD", "CGTDISEV", "SCHEDCGT"}) {
        const auto bytes = EmbeddedScript(name);
        ASSERT_TRUE(bytes.has_value()) << name;
        EXPECT_FALSE(ReadScript(*bytes).empty()) << name;
    }
    EXPECT_EQ(names.size(), 7u);
    EXPECT_TRUE(EmbeddedScript("cgtwsht").has_value());  // names ignore case
}
