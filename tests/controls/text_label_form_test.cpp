// A Designer form with text labels as promoted widgets compiles and loads its properties.

#include <gtest/gtest.h>

#include "base/module_state.h"
#include "controls/ttextlbl.h"
#include "ui_text_label_form.h"

namespace {
TEST(TextLabelForm, PropertiesFromTheFormReachTheLabel) {
    ResetModuleState();
    State().Variables.SetVariable("@TaxYear", "2006");
    QWidget form;
    Ui::TextLabelForm ui;
    ui.setupUi(&form);

    TTextLbl* question = ui.QuestionLbl;
    EXPECT_EQ(question->text().size(), 3);
    EXPECT_EQ(question->kind(), tlkAttention);
    EXPECT_EQ(question->lineSpacing(), 12);
    EXPECT_EQ(question->currentSection(), 2);
    EXPECT_TRUE(question->calculateHeight());
    EXPECT_EQ(question->bottomMargin(), 5);
    EXPECT_TRUE(question->transparent());
    EXPECT_EQ(question->bevelOuter(), bvRaised);
    EXPECT_EQ(question->bevelWidth(), 2);
    EXPECT_EQ(question->plainText(), "Read more");
    EXPECT_EQ(question->jumps().at(0).JumpID, 122);
    question->setCurrentSection(1);
    EXPECT_EQ(question->plainText(), "Did you own shares in 2006?");

    EXPECT_EQ(ui.FooterLbl->parentBottomMargin(), 8);
    EXPECT_EQ(ui.FooterLbl->section(), 3);
    EXPECT_EQ(ui.FooterLbl->kind(), tlkNone);

    form.show();
    EXPECT_GE(question->height(), TTextLbl::KindIconSize);
    ResetModuleState();
}
}  // namespace
