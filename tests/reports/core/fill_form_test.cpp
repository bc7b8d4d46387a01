#include "reports/core/fill_form.h"

#include <gtest/gtest.h>

#include "report_fixture.h"
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
