#include "interview/tnavigatorframe.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "interview/core/tcgtnavigatordata.h"
#include "interview/tnavigatortreeview.h"
#include "two_level_navigator_data.h"

namespace {

struct Choice {
    TNavigatorFrame* sender;
    TNavigatorItem* item;
};

class NavigatorFrame : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        frame = new TNavigatorFrame;
        frame->resize(160, 420);
        frame->SetOnSelectItem([this](TNavigatorFrame* sender, TNavigatorItem* item) {
            choices.push_back({sender, item});
            if (onChoice) onChoice(item);
        });
    }
    void TearDown() override {
        delete frame;
        ResetModuleState();
    }

    void Show(TCustomNavigatorData& data) {
        frame->Initialise(&data);
        frame->show();
        QCoreApplication::processEvents();
    }
    TNavigatorTreeView* Tree() const { return frame->NavigatorTreeView(); }
    QTreeWidgetItem* Node(const char* text) const {
        const auto found =
            Tree()->findItems(QString::fromLatin1(text), Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    void Click(QTreeWidgetItem* node) {
        ASSERT_NE(node, nullptr);
        const QRect rect = Tree()->visualItemRect(node);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, rect.center());
    }
    std::string Highlighted(const TCustomNavigatorData& data) const {
        std::string marked;
        for (int i = 0; i < data.TopicCount(); ++i) {
            const TNavigatorTopic* topic = data.Topic(i);
            if (topic->Selected()) marked += "[" + topic->Caption() + "]";
            for (int j = 0; j < topic->ItemCount(); ++j) {
                if (topic->Item(j)->Selected()) marked += "[" + topic->Item(j)->Caption() + "]";
            }
        }
        return marked;
    }

    TNavigatorFrame* frame = nullptr;
    std::vector<Choice> choices;
    std::function<void(TNavigatorItem*)> onChoice;
};

TEST_F(NavigatorFrame, InitialiseFillsOneNodePerTopicAndSelectsNone) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    ASSERT_EQ(Tree()->topLevelItemCount(), 15);
    EXPECT_EQ(Tree()->topLevelItem(2)->text(0), "Ceasing to be a resident");
    EXPECT_EQ(TNavigatorTreeView::EntryOf(Tree()->topLevelItem(14)), data.Topic(14));
    EXPECT_EQ(frame->GetSelectedItem(), nullptr);
    EXPECT_TRUE(frame->Initialised());
    EXPECT_EQ(frame->TitlePanel()->text(), "Navigator");
    EXPECT_EQ(frame->TitlePanel()->height(), 20);
    EXPECT_TRUE(frame->TitlePanel()->font().bold());
    EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(235, 235, 235));
    EXPECT_EQ(Highlighted(data), "");
    EXPECT_TRUE(choices.empty());
}

TEST_F(NavigatorFrame, ClickingAnEntryHandsItToTheHandler) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    Click(Node("Application of choices"));
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].sender, frame);
    ASSERT_NE(choices[0].item, nullptr);
    EXPECT_EQ(choices[0].item->ScreenId(), 2102);
    EXPECT_EQ(frame->GetSelectedItem(), choices[0].item);
    EXPECT_EQ(Highlighted(data), "[Application of choices]");

    // The node that is already selected goes there again: the taxpayer may have moved on
    // from it with Next.
    Click(Node("Application of choices"));
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[1].item->ScreenId(), 2102);

    Click(Node("Shares"));
    ASSERT_EQ(choices.size(), 3u);
    EXPECT_EQ(choices[2].item->ScreenId(), 2006);
    EXPECT_EQ(Highlighted(data), "[Shares]");
}

TEST_F(NavigatorFrame, ClicksBesideTheEntriesOrWhileNotInitialisedDoNothing) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    const QRect last = Tree()->visualItemRect(Tree()->topLevelItem(14));
    ASSERT_LT(last.bottom() + 20, Tree()->viewport()->height());
    QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, QPoint(40, last.bottom() + 15));
    EXPECT_TRUE(choices.empty());
    EXPECT_EQ(frame->GetSelectedItem(), nullptr);

    frame->SetInitialised(false);
    Click(Node("Real estate"));
    EXPECT_TRUE(choices.empty());
    EXPECT_EQ(Highlighted(data), "");

    frame->SetInitialised(true);
    Click(Node("Other receipts"));
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].item->ScreenId(), 2096);
}

TEST_F(NavigatorFrame, DoSelectItemCallsTheHandlerOnlyWhenInitialised) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    frame->SetInitialised(false);
    frame->DoSelectItem(data.Topic(7));
    EXPECT_TRUE(choices.empty());
    EXPECT_EQ(Highlighted(data), "[Real estate]");
    frame->SetInitialised(true);
    frame->DoSelectItem(data.Topic(8));
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].item, data.Topic(8));
}

TEST_F(NavigatorFrame, SynchronisingHighlightsByScreenNumberWithoutTheHandler) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    frame->SelectItemByScreenID(2045);
    EXPECT_EQ(Highlighted(data), "[Depreciating assets]");
    EXPECT_EQ(frame->GetSelectedItem(), data.Topic(8));
    frame->SelectItemByScreenID(2090);
    EXPECT_EQ(Highlighted(data), "[Ceasing to be a resident]");
    frame->SelectItemByScreenID(2003);  // no entry: nothing changes
    EXPECT_EQ(Highlighted(data), "[Ceasing to be a resident]");
    EXPECT_TRUE(choices.empty());
    EXPECT_TRUE(static_cast<bool>(frame->OnSelectItem()));  // the handler is back

    // Synchronising to the screen of the entry already selected changes nothing.
    frame->SelectItemByScreenID(2006);
    QSignalSpy selectionChanges(Tree(), &QTreeWidget::itemSelectionChanged);
    frame->SelectItemByScreenID(2006);
    EXPECT_EQ(selectionChanges.count(), 0);
    EXPECT_EQ(frame->GetSelectedItem(), data.Topic(3));
    EXPECT_TRUE(choices.empty());
}

TEST_F(NavigatorFrame, ARefusedJumpRestoresTheHighlightInsideTheClick) {
    // The interview window re-synchronises to the screen it stayed on while handling the
    // click; that must neither reach the handler again nor act as a second click.
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    frame->SelectItemByScreenID(2013);
    onChoice = [this](TNavigatorItem*) { frame->SelectItemByScreenID(2013); };
    Click(Node("Real estate"));
    EXPECT_EQ(choices.size(), 1u);
    EXPECT_EQ(Highlighted(data), "[Shares]");
    EXPECT_EQ(frame->GetSelectedItem(), data.Topic(3));
}

TEST_F(NavigatorFrame, TopicsWithItemsExpandAndCarryTheHighlight) {
    TTwoLevelNavigatorData& data = TTwoLevelNavigatorData::Instance();
    Show(data);
    QTreeWidgetItem* deductions = Node("Deductions");
    ASSERT_NE(deductions, nullptr);
    ASSERT_EQ(deductions->childCount(), 3);
    EXPECT_EQ(deductions->child(1)->text(0), "D2 - Travel");
    EXPECT_EQ(deductions->child(2)->text(0), "Other");
    EXPECT_FALSE(deductions->isExpanded());

    Click(deductions);
    EXPECT_TRUE(deductions->isExpanded());
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].item, data.Topic(1));

    Click(Node("D2 - Travel"));
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[1].item->ScreenId(), 1014);
    EXPECT_EQ(Highlighted(data), "[Deductions][Travel]");
    SaveShotIfRequested(frame, QStringLiteral("navigator-items"));

    // Choosing another topic collapses the rest without acting as a click.
    Click(Node("Offsets"));
    EXPECT_FALSE(deductions->isExpanded());
    EXPECT_EQ(choices.size(), 3u);
    EXPECT_FALSE(frame->Collapsing());

    // Synchronising into an item opens its topic; names match in any letter case.
    frame->SelectItemByScreenID(1016);
    EXPECT_TRUE(deductions->isExpanded());
    EXPECT_EQ(Highlighted(data), "[Deductions][Travel]");
    frame->SelectNodeByName("offsets", false, true);
    EXPECT_FALSE(deductions->isExpanded());
    EXPECT_EQ(frame->GetSelectedItem(), data.Topic(2));
    frame->SelectNodeByName("no such entry", true, true);
    EXPECT_EQ(frame->GetSelectedItem(), data.Topic(2));
    EXPECT_EQ(choices.size(), 3u);
}

TEST_F(NavigatorFrame, EnterChoosesTheCurrentEntry) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    Tree()->setFocus();
    Tree()->setCurrentItem(Node("Trust information"));
    EXPECT_TRUE(choices.empty());  // moving the cursor alone does not jump
    QTest::keyClick(Tree(), Qt::Key_Down);
    EXPECT_TRUE(choices.empty());
    QTest::keyClick(Tree(), Qt::Key_Return);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].item->ScreenId(), 2019);
    EXPECT_EQ(Highlighted(data), "[CGT Trust distributions]");
}

TEST_F(NavigatorFrame, HighlightedRowIsBlackOthersInTheNavigatorColour) {
    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    Show(data);
    frame->SelectItemByScreenID(2031);
    QCoreApplication::processEvents();
    SaveShotIfRequested(frame, QStringLiteral("navigator"));
    const QImage image = Tree()->viewport()->grab().toImage();
    const QRect highlighted = Tree()->visualItemRect(Node("Real estate"));
    const QRect plain = Tree()->visualItemRect(Node("Shares"));
    const int right = Tree()->viewport()->width() - 3;
    EXPECT_EQ(image.pixelColor(right, highlighted.center().y()), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(right, plain.center().y()), QColor(235, 235, 235));
    EXPECT_EQ(image.pixelColor(right, plain.top()), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(right, plain.bottom()), QColor(Qt::white));
    // Light text lies on the highlighted row, dark text on the plain one (smoothed edges
    // are grey, so the test looks for near-white and near-black).
    auto hasText = [&](const QRect& row, bool light) {
        for (int x = 0; x < row.width() / 2; ++x) {
            for (int y = row.top() + 2; y < row.bottom() - 1; ++y) {
                const int lightness = image.pixelColor(x, y).lightness();
                if (light ? lightness > 200 : lightness < 60) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(hasText(highlighted, true));
    EXPECT_TRUE(hasText(plain, false));
}

TEST_F(NavigatorFrame, FontScalesWithTheInterviewWindow) {
    Show(TCGTNavigatorData::Instance());
    EXPECT_EQ(frame->FontPointSize(), 8);
    const int designRow = Tree()->visualItemRect(Tree()->topLevelItem(0)).height();
    frame->SetFontPointSize(12);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame->FontPointSize(), 12);
    EXPECT_EQ(frame->TitlePanel()->font().pointSize(), 12);
    EXPECT_GT(Tree()->visualItemRect(Tree()->topLevelItem(0)).height(), designRow);
    frame->SetFontPointSize(8);
    QCoreApplication::processEvents();
    EXPECT_EQ(Tree()->visualItemRect(Tree()->topLevelItem(0)).height(), designRow);
}

}  // namespace
