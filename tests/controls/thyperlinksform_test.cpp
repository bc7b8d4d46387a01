#include "controls/thyperlinksform.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "base/module_state.h"
#include "controls/treviewlabel.h"
#include "controls/ttextlbl.h"

namespace {
class HyperlinksFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        screen.resize(600, 400);
        auto* first = new TTextLbl(&screen);
        first->setText({"<J10>Help one<.> and <Hhttp://a.example>web a<.>", "<J11>Help two<.>",
                        "<G2010>screen link<.> <J12> <.>"});
        auto* panel = new QWidget(&screen);
        auto* nested = new TTextLbl(panel);
        nested->setText({"<Hguide.pdf>The guide<.>"});
        auto* hidden = new TTextLbl(&screen);
        hidden->setText({"<J99>Not shown<.>"});
        hidden->hide();
        new TReviewLabel(&screen);
        auto* last = new TTextLbl(&screen);
        last->setText({"<J13>Last help<.>"});
    }
    void TearDown() override { ResetModuleState(); }

    QStringList Rows(const THyperlinksForm& form) const {
        QStringList rows;
        for (int i = 0; i < form.LinkList->count(); ++i) rows << form.LinkList->item(i)->text();
        return rows;
    }

    QWidget screen;
};

TEST_F(HyperlinksFormTest, ListsJumpsThenHyperlinksOfEveryLabelInControlOrder) {
    EXPECT_EQ(TextLabelsOf(&screen).size(), 5u);
    THyperlinksForm form;
    form.ListLinksOf(&screen);
    EXPECT_EQ(form.windowTitle(), "Hyperlinks");
    EXPECT_EQ(Rows(form), (QStringList{"Help one", "Help two", "web a", "The guide", "Last help"}));
    EXPECT_EQ(form.BtnOK->text(), "&OK");
    EXPECT_EQ(form.BtnCancel->text(), "&Cancel");
    EXPECT_FALSE(form.BtnOK->isEnabled());
    EXPECT_FALSE(form.Chosen());
}

TEST_F(HyperlinksFormTest, OkGivesTheChosenLinkAndIsEnabledOnlyOnceOneIsChosen) {
    THyperlinksForm form;
    form.ListLinksOf(&screen);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QListWidget* list = form.LinkList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_TRUE(form.BtnOK->isEnabled());
    ASSERT_TRUE(form.Chosen());
    EXPECT_EQ(form.Chosen()->jumpNumber, -1);
    EXPECT_EQ(form.Chosen()->target, "http://a.example");

    // The keyboard chooses as well as the mouse.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(form.Chosen()->jumpNumber, 10);
    EXPECT_TRUE(form.Chosen()->target.isEmpty());
    QTest::mouseClick(form.BtnOK, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(HyperlinksFormTest, ChooseScreenLinkReturnsTheChoiceOrNothingOnCancel) {
    const auto answer = [](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto* form = qobject_cast<THyperlinksForm*>(QApplication::activeModalWidget());
            ASSERT_TRUE(form);
            QListWidget* list = form->LinkList;
            if (accept) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(4)).center());
                QTest::keyClick(list, Qt::Key_Return);
            } else {
                QTest::mouseClick(form->BtnCancel, Qt::LeftButton);
            }
        });
    };
    answer(true);
    const auto chosen = ChooseScreenLink(&screen);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->jumpNumber, 13);
    answer(false);
    EXPECT_FALSE(ChooseScreenLink(&screen));
}
}  // namespace
