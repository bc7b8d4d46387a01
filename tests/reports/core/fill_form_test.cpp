#include "reports/core/fill_form.h"

#include <gtest/gtest.h>

#include <cctype>

#include "report_fixture.h"
#include "reports/core/report_figures.h"
#include "store/field_store.h"

using FillFormTest = ReportTest;

TEST_F(FillFormTest, ReferencesTakeSignListColumnAndDisplayTexts) {
    SetFieldVal(1141, -40);
    SetFieldVal(1132, -1234);
    SetFieldLst(1105, {"a0", "a1", "a2", "b0", "b1", "b2", "c0"});
    Load(R"(
script "REFS"
section condition=0
text "old" ref=S:1141
text ref=L:1105
text ref=C:1105:1:3
text ref=F:1132
text "kept"
)");
    FillForm(report);
    EXPECT_EQ(Texts(1), (std::vector<std::string>{"L", "a0\na1\na2\nb0\nb1\nb2\nc0", "a1\nb1",
                                                  "1234", "kept"}));
    // A gain reads as no loss; a missing list as nothing.
    SetFieldVal(1141, 40);
    ClearField(1105);
    FillForm(report);
    const auto texts = Texts(1);
    EXPECT_EQ(texts[0], " ");
    EXPECT_EQ(texts[1], "");
    EXPECT_EQ(texts[2], "");
}

TEST_F(FillFormTest, FiguresStandInForFieldsWhileInUseAndTheirListsContinueOverPages) {
    // Two values a line; the second of each line is printed, more lines than one box holds.
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i) {
        lines.push_back("label " + std::to_string(i));
        lines.push_back(std::to_string(i) + ".50");
    }
    const std::string source = R"(
script "FIG"
section condition=0 layout=A height=2680
font name=narrow size=7 mode=24
box 0 100 500 1100
text ref=C:3001:1:2
box 0 1200 500 1300
text ref=F:3002
text ref=L:3003
)";
    {
        const UsingReportFigures inUse({{3001, lines}, {3002, {"a note"}}});
        Load(source);
        FillForm(report);
    }
    ASSERT_GT(report.PageCount(), 1);
    std::string printed;
    for (int page = 1; page <= report.PageCount(); ++page) {
        // The list's text: continuation pages start with the frame's labels.
        for (const std::string& text : Texts(page))
            if (!text.empty() && std::isdigit(static_cast<unsigned char>(text[0])))
                printed += (printed.empty() ? "" : "\n") + text;
    }
    std::string expected;
    for (int i = 1; i <= 150; ++i) expected += (i > 1 ? "\n" : "") + std::to_string(i) + ".50";
    EXPECT_EQ(printed, expected);  // every row once, in order, over the pages
    EXPECT_EQ(Texts(1)[1], "a note");
    EXPECT_EQ(Texts(1)[2], "");  // a figure not worked out prints nothing

    // Out of use, a figure number names nothing.
    EXPECT_EQ(ReportList(3001), nullptr);
    FillForm(report);
    EXPECT_EQ(Texts(1)[0], "");
    EXPECT_EQ(Texts(1)[1], "");
}
