#include "controls/core/markup_layout.h"

#include <gtest/gtest.h>

#include "base/markup_parser.h"
#include "base/module_state.h"
#include "base/text_variables.h"
#include "scripted_responder.h"

namespace {
// Every character is half the font size wide (bold adds one pixel); a line is 1.5 sizes high.
class FixedMeasurer : public TextMeasurer {
public:
    int TextWidth(const MarkupFont& font, const std::string& text) const override {
        int chars = 0;
        for (char c : text) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return chars * (font.size / 2 + (font.style & msBold ? 1 : 0));
    }
    int TextHeight(const MarkupFont& font) const override { return font.size * 3 / 2; }
};

class MarkupLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        input.baseFont.color = MarkupColor::FromRgb(10, 20, 30);
        input.clientHeight = 100;
        input.variables = &variables;
        variables.SetVariable("@TaxYear", "2006");
        variables.SetVariable("@LastYear", "2005");
    }
    void TearDown() override { ResetModuleState(); }

    MarkupPlan LayOut(std::vector<std::string> lines) {
        input.lines = std::move(lines);
        return LayOutMarkup(input, measurer);
    }

    // The runs' texts, joined by "|".
    static std::string Texts(const MarkupPlan& plan) {
        std::string texts;
        for (const MarkupRun& run : plan.runs) texts += (texts.empty() ? "" : "|") + run.text;
        return texts;
    }

    MarkupLayoutInput input;
    TVariableManager variables;
    FixedMeasurer measurer;
    static constexpr int LineHeight = 15;  // size 10
    static constexpr int CharWidth = 5;
};

TEST_F(MarkupLayoutTest, OnlyTheCurrentSectionIsDrawnCentredAndBold) {
    const std::vector<std::string> text = {"<s1><AC><X70><T1>Existing worksheets<.>", ";",
                                           "<s2><AC><X70><T1>Concessions<.>"};
    MarkupPlan plan = LayOut(text);
    ASSERT_EQ(plan.runs.size(), 1u);
    const MarkupRun& run = plan.runs[0];
    EXPECT_EQ(run.text, "Existing worksheets");
    EXPECT_EQ(run.font.style, msBold);
    EXPECT_EQ(run.x, 70 - run.width / 2);
    EXPECT_EQ(run.width, 19 * (CharWidth + 1));
    EXPECT_EQ(plan.PlainText(), "Existing worksheets");
    EXPECT_EQ(plan.plainTextLines, (std::vector<std::string>{"Existing worksheets", "", ""}));
    EXPECT_EQ(plan.endY, LineHeight);  // the hidden line does not advance
    EXPECT_EQ(plan.finalSection, 2);

    input.currentSection = 2;
    plan = LayOut(text);
    EXPECT_EQ(Texts(plan), "Concessions");
    EXPECT_EQ(plan.runs[0].y, 0);

    // Section 999 shows whatever the current section; text before any s command belongs
    // to the section the label starts in.
    input.currentSection = 3;
    input.section = 3;
    plan = LayOut({"Intro", "<s1>One", "<s999>Always", "<s2>Two", "<s5x>Back to one"});
    EXPECT_EQ(Texts(plan), "Intro|Always");
    EXPECT_EQ(plan.finalSection, 1);  // an unreadable section number means 1
}

TEST_F(MarkupLayoutTest, XSetsAHangingIndentForTheFollowingLines) {
    MarkupPlan plan = LayOut({"<X0>\xE2\x80\xA2<X10>Bullet text", "continued", "<X0>Back"});
    ASSERT_EQ(plan.runs.size(), 4u);
    EXPECT_EQ(plan.runs[0].x, 0);
    EXPECT_EQ(plan.runs[1].x, 10);
    EXPECT_EQ(plan.runs[2].text, "continued");
    EXPECT_EQ(plan.runs[2].x, 10);
    EXPECT_EQ(plan.runs[2].y, LineHeight);
    EXPECT_EQ(plan.runs[3].x, 0);

    // The position scale, the kind icon, vision-impaired indent and bevels all shift it.
    input.positionScale = 1.5;
    input.kind = tlkDirection;
    input.kindIconWidth = 32;
    input.visionImpaired = true;
    input.bevelWidths = 2;
    plan = LayOut({"<X10>a", "b"});
    EXPECT_EQ(plan.runs[0].x, 36 + 2 + 15 + 2);
    EXPECT_EQ(plan.runs[1].x, plan.runs[0].x);
    EXPECT_EQ(plan.runs[0].y, 2);
}

TEST_F(MarkupLayoutTest, ACombinedColourStyleJumpTagIsABlueLinkUnderlinedOnlyWhenHovered) {
    MarkupPlan plan = LayOut({"See <C12;T4;J122>the guide<.> now"});
    ASSERT_EQ(plan.runs.size(), 3u);
    const MarkupRun& link = plan.runs[1];
    EXPECT_EQ(link.font.color, MarkupColor::FromRgb(0, 0, 255));
    EXPECT_EQ(link.font.style & msUnderline, 0);
    ASSERT_EQ(plan.jumps.size(), 1u);
    EXPECT_EQ(plan.jumps[0].JumpID, 122);
    EXPECT_EQ(plan.jumps[0].text, "the guide");
    ASSERT_EQ(plan.jumps[0].rects.size(), 1u);
    EXPECT_EQ(plan.jumps[0].rects[0], (MarkupRect{link.x, 0, link.width, LineHeight}));

    const auto hovered = plan.LinkAt(link.x + 1, 3);
    ASSERT_TRUE(hovered);
    EXPECT_EQ(*hovered, (LinkRef{LinkType::Jump, 0}));
    EXPECT_NE(plan.DrawnFont(link, hovered).style & msUnderline, 0);
    EXPECT_EQ(plan.DrawnFont(plan.runs[0], hovered).style & msUnderline, 0);
    EXPECT_FALSE(plan.LinkAt(plan.runs[2].x + 1, 3));  // "." ended the link
    EXPECT_FALSE(plan.LinkAt(link.x + 1, LineHeight + 1));
    // "." restored the label's font and colour.
    EXPECT_EQ(plan.runs[2].font, input.baseFont);
}

TEST_F(MarkupLayoutTest, ALinkOverSeveralRunsIsOneRecordAndHoversAsAWhole) {
    MarkupPlan plan =
        LayOut({"<J5>Read <T1>this<T0>", "and this<.>", "<H http://example.com/a>A<.>",
                "<Hfile.pdf>B<.><G2010>Screen<.>", "<J0>none<Jx>none"});
    ASSERT_EQ(plan.jumps.size(), 1u);
    EXPECT_EQ(plan.jumps[0].text, "Read this and this");  // lines joined by a space
    EXPECT_EQ(plan.jumps[0].rects.size(), 3u);
    const auto hovered = plan.LinkAt(plan.runs[2].x, LineHeight);  // on "and this"
    ASSERT_TRUE(hovered);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(plan.DrawnFont(plan.runs[i], hovered).style & msUnderline, 0) << i;
    EXPECT_EQ(plan.runs[1].font.style, msBold);  // T1 kept bold, only underline is dropped

    ASSERT_EQ(plan.hyperlinks.size(), 2u);
    EXPECT_EQ(plan.hyperlinks[0].linkNumber, 1);
    EXPECT_EQ(plan.hyperlinks[0].target, "http://example.com/a");
    EXPECT_EQ(plan.hyperlinks[1].linkNumber, 2);
    EXPECT_EQ(plan.hyperlinks[1].target, "file.pdf");
    ASSERT_EQ(plan.screenLinks.size(), 1u);
    EXPECT_EQ(plan.screenLinks[0].ScreenID, 2010);
    EXPECT_EQ(plan.screenLinks[0].text, "Screen");
    // J0 and an unreadable J are no link, and no fault.
    EXPECT_EQ(plan.runs.back().jump, -1);
    EXPECT_EQ(plan.unreadableCommands, 0);
}

TEST_F(MarkupLayoutTest, OverlappingLinksLetTheLaterTypeWin) {
    MarkupPlan plan = LayOut({"<J7;G2004;Hhttp://x>All three<.>"});
    ASSERT_EQ(plan.runs.size(), 1u);
    EXPECT_EQ(plan.runs[0].jump, 0);
    EXPECT_EQ(plan.runs[0].screenLink, 0);
    EXPECT_EQ(plan.runs[0].hyperlink, 0);
    EXPECT_EQ(plan.LinkAt(1, 1), (LinkRef{LinkType::Hyperlink, 0}));
    plan = LayOut({"<J7;G2004>Two<.>"});
    EXPECT_EQ(plan.LinkAt(1, 1), (LinkRef{LinkType::Screen, 0}));
}

TEST_F(MarkupLayoutTest, ScreenValuesComeFromTheHandlerOrNothing) {
    MarkupPlan plan = LayOut({"Asset: <V710> (sold)"});
    EXPECT_EQ(Texts(plan), "Asset: | (sold)");
    EXPECT_EQ(plan.runs[1].x, 7 * CharWidth);
    EXPECT_EQ(plan.PlainText(), "Asset: (sold)");

    int asked = 0;
    input.handlers.screenTag = [&](int id, std::string& tag) {
        asked = id;
        tag = "BHP <shares>";  // drawn as text, never read as markup
    };
    plan = LayOut({"Asset: <T1;V710> (sold)"});
    EXPECT_EQ(asked, 710);
    EXPECT_EQ(Texts(plan), "Asset: |BHP <shares>| (sold)");
    EXPECT_EQ(plan.runs[1].font.style, msBold);
    EXPECT_EQ(plan.PlainText(), "Asset: BHP <shares> (sold)");
}

TEST_F(MarkupLayoutTest, AFailedCheckTagDropsTheRestOfTheLineAndItsAdvance) {
    std::vector<int> asked;
    input.handlers.checkTag = [&](int id, bool& pass) {
        asked.push_back(id);
        pass = id != 5;
    };
    MarkupPlan plan = LayOut({"<v5>Hidden<X40>", "Kept <v5>cut", "<v6>Shown", "<v0>Zero"});
    EXPECT_EQ(Texts(plan), "Kept |Shown|Zero");
    EXPECT_EQ(asked, (std::vector<int>{5, 5, 6}));
    EXPECT_EQ(plan.runs[0].y, 0);  // the dropped first line took no space
    EXPECT_EQ(plan.runs[0].x, 0);  // nor did its X after the check
    EXPECT_EQ(plan.runs[1].y, 0);  // "Kept" lost its line advance with the rest
    EXPECT_EQ(plan.runs[2].y, LineHeight);
    EXPECT_EQ(plan.endY, 2 * LineHeight);
    EXPECT_EQ(plan.plainTextLines, (std::vector<std::string>{"", "Kept", "Shown", "Zero"}));

    input.handlers.checkTag = nullptr;
    plan = LayOut({"<v5>Shown without a handler"});
    EXPECT_EQ(plan.runs.size(), 1u);
}

TEST_F(MarkupLayoutTest, VariablesExpandBeforeParsingAndThroughTheAtCommand) {
    variables.SetVariable("@Styled", "<T1>bold");
    variables.SetVariable("@Place", "Caf\xE9");  // Latin-1 in the table
    MarkupPlan plan =
        LayOut({"<@LastYear>-<@TaxYear>", "<@Styled> <@Missing>end", "<T2;@TaxYear>", "<@Place>"});
    EXPECT_EQ(Texts(plan), "2005-2006|bold end|2006|Caf\xC3\xA9");
    EXPECT_EQ(plan.runs[1].font.style, msBold);
    EXPECT_EQ(plan.runs[3].font.style, msItalic);
    EXPECT_FALSE(plan.variableNotLastInTag);

    plan = LayOut({"<T1;@taxyear;C12>!"});
    EXPECT_EQ(Texts(plan), "2006|!");
    EXPECT_TRUE(plan.variableNotLastInTag);
    EXPECT_EQ(plan.runs[0].font.style, msBold);
    EXPECT_EQ(plan.runs[1].font.color, MarkupColor::FromRgb(0, 0, 255));
}

TEST_F(MarkupLayoutTest, UnreadableArgumentsAreSkippedAndCounted) {
    MarkupPlan plan = LayOut(
        {"<Xab>one<C99>two<C0>three<S>four<T;Y1.5>five", "<x?;y-;c;v?;Hgo>six<Fsans>seven<F>"});
    EXPECT_EQ(Texts(plan), "one|two|three|four|five|six|seven");
    EXPECT_EQ(plan.unreadableCommands, 11);
    EXPECT_EQ(plan.runs[0].x, 0);
    EXPECT_EQ(plan.runs[1].font, input.baseFont);
    EXPECT_EQ(plan.runs[6].font.name, "sans");
    EXPECT_EQ(plan.hyperlinks.size(), 1u);

    // Digits beyond the allowed count are ignored; L and J fall back quietly.
    plan = LayOut({"<C125;X12345;Lzz>a", "b"});
    EXPECT_EQ(plan.unreadableCommands, 0);
    EXPECT_EQ(plan.runs[0].font.color, MarkupColor::FromRgb(0, 0, 255));
    EXPECT_EQ(plan.runs[0].x, 1234);
    EXPECT_EQ(plan.runs[1].y, LineHeight);

    BeepCounter beeps;
    ScriptedResponder responder;
    plan.unreadableCommands = 3;
    plan.variableNotLastInTag = true;
    ReportMarkupProblems(plan);
    EXPECT_EQ(beeps.Count(), 3);
    ASSERT_EQ(responder.Count(), 1u);
    EXPECT_EQ(responder.LastText(), "@Variables must be declared without other modifiers");
    EXPECT_EQ(responder.Requests()[0].caption, "Orvana");
}

TEST_F(MarkupLayoutTest, AnUnclosedBracketIsPlainText) {
    MarkupPlan plan = LayOut({"Total < 5", "<T1>bold <T2 never closed", "<", "tail <"});
    EXPECT_EQ(Texts(plan), "Total < 5|bold <T2 never closed|<|tail <");
    EXPECT_EQ(plan.runs[1].font.style, msBold);
    EXPECT_EQ(plan.endY, 4 * LineHeight);

    const auto tokens = TokenizeMarkupLine("a<;T1;;C2;>b<");
    ASSERT_EQ(tokens.size(), 3u);
    ASSERT_EQ(tokens[1].commands.size(), 2u);
    EXPECT_EQ(tokens[1].commands[1].letter, 'C');
    EXPECT_EQ(tokens[1].commands[1].argument, "2");
    EXPECT_EQ(tokens[2].text, "b<");
}

TEST_F(MarkupLayoutTest, AlignmentPositionsAndSpacing) {
    MarkupPlan plan = LayOut({"<AR><X100>Right", "Still right", "<AL>Left<x7>gap<AQ>odd"});
    EXPECT_EQ(plan.runs[0].x, 100 - 5 * CharWidth);
    EXPECT_EQ(plan.runs[1].x, 100 - 11 * CharWidth);  // alignment carries to the next lines
    EXPECT_EQ(plan.runs[2].x, 100);
    EXPECT_EQ(plan.runs[3].x, 100 + 4 * CharWidth + 7);
    EXPECT_EQ(plan.runs[4].x, plan.runs[3].x + 3 * CharWidth);  // other letters mean left

    // A centred run leaves x at its own right end.
    plan = LayOut({"<AC><X50>abcd<AL>ef"});
    EXPECT_EQ(plan.runs[0].x, 40);
    EXPECT_EQ(plan.runs[1].x, 60);

    // Every layout starts left-aligned, whatever the last one ended with.
    plan = LayOut({"<X100>Plain"});
    EXPECT_EQ(plan.runs[0].x, 100);

    plan = LayOut({"<Y20>a<y5>b", "<L15>c", "d", "<Y-10>e"});
    EXPECT_EQ(plan.runs[0].y, 20);
    EXPECT_EQ(plan.runs[1].y, 25);
    EXPECT_EQ(plan.runs[2].y, 25 + LineHeight);
    EXPECT_EQ(plan.runs[3].y, 25 + LineHeight + 22);  // 15 * 1.5 = 22.5, halves to even
    EXPECT_EQ(plan.runs[4].y, 100 - 10 - 22);         // above the bottom, one advance up

    input.positionScale = 2;
    input.bevelWidths = 1;
    plan = LayOut({"<Y-10>e", "<Y7;x3>f"});
    EXPECT_EQ(plan.runs[0].y, 100 - 20 - 1 - LineHeight);
    EXPECT_EQ(plan.runs[1].y, 15);
    EXPECT_EQ(plan.runs[1].x, 1 + 6);
}

TEST_F(MarkupLayoutTest, FontCommandsHonourTheFontScale) {
    input.fontScale = 1.5;
    MarkupPlan plan = LayOut({"base<S12>big<T3>both<T12>under<.>reset<S0>tiny"});
    EXPECT_EQ(plan.runs[0].font.size, 15);
    EXPECT_EQ(plan.runs[1].font.size, 18);
    EXPECT_EQ(plan.runs[2].font.style, msBold | msItalic);
    EXPECT_EQ(plan.runs[3].font.style, msUnderline);  // no link pending: underline stays
    EXPECT_EQ(plan.runs[4].font.size, 15);
    EXPECT_EQ(plan.runs[4].font.style, 0);
    EXPECT_EQ(plan.runs[5].font.size, 1);
}

TEST_F(MarkupLayoutTest, ColourFontAndIconTagsAskTheScreen) {
    MarkupPlan plan = LayOut({"<c3>no handler<f7>same<i1>no icon"});
    EXPECT_EQ(plan.runs[0].font, input.baseFont);
    EXPECT_EQ(plan.runs[1].font, input.baseFont);
    EXPECT_TRUE(plan.icons.empty());

    input.handlers.colorTag = [](int id, MarkupColor& color) {
        if (id == 3) color = MarkupColor::FromRgb(1, 2, 3);
    };
    input.handlers.fontTag = [](const std::string& tag, MarkupFont& font) {
        if (tag == "mono") font.name = "Courier New";
    };
    input.handlers.iconTag = [](const std::string& tag, TTextLblKind& kind) {
        if (tag == "warn") kind = tlkAttention;
    };
    plan = LayOut({"<c3>red<c0>base<C2;fmono>mono<f>label<iwarn>x<iother>y<IDanger;IBogus>z"});
    EXPECT_EQ(plan.runs[0].font.color, MarkupColor::FromRgb(1, 2, 3));
    EXPECT_EQ(plan.runs[1].font.color, input.baseFont.color);
    EXPECT_EQ(plan.runs[2].font.name, "Courier New");
    EXPECT_EQ(plan.runs[2].font.color, MarkupColor::FromRgb(128, 0, 0));
    EXPECT_EQ(plan.runs[3].font, input.baseFont);  // an empty f tag restores the label's font
    ASSERT_EQ(plan.icons.size(), 2u);
    EXPECT_EQ(plan.icons[0].kind, tlkAttention);
    EXPECT_EQ(plan.icons[0].x, plan.runs[3].x + plan.runs[3].width);
    EXPECT_EQ(plan.icons[0].y, 2);
    EXPECT_EQ(plan.runs[4].x, plan.icons[0].x + 12);
    EXPECT_EQ(plan.runs[5].x, plan.runs[4].x + plan.runs[4].width);  // no icon, no advance
    EXPECT_EQ(plan.icons[1].kind, tlkDanger);
    EXPECT_EQ(plan.runs[6].x, plan.icons[1].x + 12);
}

TEST_F(MarkupLayoutTest, VisionImpairedModeIgnoresColoursFontsAndStyles) {
    input.visionImpaired = true;
    input.handlers.colorTag = [](int, MarkupColor& color) {
        color = MarkupColor::FromRgb(9, 9, 9);
    };
    MarkupPlan plan = LayOut({"<C10;T1;Fsans;c4;S14>text"});
    ASSERT_EQ(plan.runs.size(), 1u);
    EXPECT_EQ(plan.runs[0].x, 2);
    EXPECT_EQ(plan.runs[0].font.color, input.baseFont.color);
    EXPECT_EQ(plan.runs[0].font.style, 0);
    EXPECT_EQ(plan.runs[0].font.name, input.baseFont.name);
    EXPECT_EQ(plan.runs[0].font.size, 14);
}

TEST_F(MarkupLayoutTest, AttentionTextStaysClearOfTheIcon) {
    input.kind = tlkAttention;
    input.kindIconWidth = 32;
    MarkupPlan plan = LayOut({"Warning", "<AR><X5>right"});
    EXPECT_EQ(plan.runs[0].x, 44);
    EXPECT_EQ(plan.runs[1].x, 44);
    input.kind = tlkDanger;
    plan = LayOut({"Warning"});
    EXPECT_EQ(plan.runs[0].x, 36);
}
}  // namespace
