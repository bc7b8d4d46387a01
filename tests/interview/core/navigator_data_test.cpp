#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/module_state.h"
#include "interview/core/navigator_drawing.h"
#include "interview/core/tcgtnavigatordata.h"
#include "two_level_navigator_data.h"

namespace {

class NavigatorData : public ::testing::Test {
protected:
    void SetUp() override { ResetModuleState(); }
    void TearDown() override { ResetModuleState(); }

    static std::string CaptionFor(int screen) {
        const TNavigatorItem* entry = TCGTNavigatorData::Instance().FindItemForScreen(screen);
        return entry ? entry->Caption() : "(none)";
    }
};

TEST_F(NavigatorData, TopicsInDisplayOrderWithoutItems) {
    const TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    const std::vector<std::pair<std::string, int>> expected = {
        {"Introduction screen", 2004},
        {"Unapplied losses", 2005},
        {"Ceasing to be a resident", 2088},
        {"Shares", 2006},
        {"Trust information", 2018},
        {"CGT Trust distributions", 2019},
        {"CGT events affecting trusts", 2020},
        {"Real estate", 2031},
        {"Depreciating assets", 2042},
        {"Personal use or collectable assets", 2052},
        {"Other assets not mentioned", 2062},
        {"Creation of rights", 2072},
        {"Other receipts", 2096},
        {"Manual calculation table", 2101},
        {"Application of choices", 2102}};
    ASSERT_EQ(data.TopicCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < data.TopicCount(); ++i) {
        const TNavigatorTopic* topic = data.Topic(i);
        EXPECT_EQ(topic->Caption(), expected[i].first);
        EXPECT_EQ(topic->ScreenId(), expected[i].second);
        EXPECT_EQ(topic->QuestionNumber(), "");
        EXPECT_FALSE(topic->HasItems());
        EXPECT_TRUE(topic->Enabled());
        EXPECT_FALSE(topic->Selected());
    }
    EXPECT_EQ(data.Topic(-1), nullptr);
    EXPECT_EQ(data.Topic(15), nullptr);
    EXPECT_FALSE(data.AnyTopicHasItems());
    EXPECT_EQ(data.BackgroundColour().red, 235);
    EXPECT_EQ(data.BackgroundColour().green, 235);
    EXPECT_EQ(data.BackgroundColour().blue, 235);
}

TEST_F(NavigatorData, ScreensMapToTheTopicWithTheGreatestStartNotAbove) {
    EXPECT_EQ(CaptionFor(2004), "Introduction screen");
    EXPECT_EQ(CaptionFor(2005), "Unapplied losses");
    for (int screen = 2006; screen <= 2017; ++screen) EXPECT_EQ(CaptionFor(screen), "Shares");
    EXPECT_EQ(CaptionFor(2018), "Trust information");
    EXPECT_EQ(CaptionFor(2019), "CGT Trust distributions");
    for (int screen = 2020; screen <= 2030; ++screen) {
        EXPECT_EQ(CaptionFor(screen), "CGT events affecting trusts") << screen;
    }
    EXPECT_EQ(CaptionFor(2041), "Real estate");
    EXPECT_EQ(CaptionFor(2045), "Depreciating assets");
    EXPECT_EQ(CaptionFor(2061), "Personal use or collectable assets");
    EXPECT_EQ(CaptionFor(2071), "Other assets not mentioned");
    for (int screen = 2072; screen <= 2087; ++screen) {
        EXPECT_EQ(CaptionFor(screen), "Creation of rights") << screen;
    }
    // Listed third, found by number.
    for (int screen = 2088; screen <= 2095; ++screen) {
        EXPECT_EQ(CaptionFor(screen), "Ceasing to be a resident") << screen;
    }
    for (int screen = 2096; screen <= 2099; ++screen) {
        EXPECT_EQ(CaptionFor(screen), "Other receipts") << screen;
    }
    // Group 21 starts at 2100; its first entry is 2101. (No screen has this number.)
    EXPECT_EQ(CaptionFor(2100), "(none)");
    EXPECT_EQ(CaptionFor(2101), "Manual calculation table");
    for (int screen = 2102; screen <= 2124; ++screen) {
        EXPECT_EQ(CaptionFor(screen), "Application of choices") << screen;
    }
    // The losses and residency questions are numbered after the choices; they open the
    // topics they ask about.
    EXPECT_EQ(CaptionFor(2125), "Unapplied losses");
    EXPECT_EQ(CaptionFor(2126), "Ceasing to be a resident");
    EXPECT_EQ(CaptionFor(2127), "Application of choices");
}

TEST_F(NavigatorData, ScreensOutsideTheTopicsGroupsHaveNoEntry) {
    EXPECT_EQ(CaptionFor(2003), "(none)");
    EXPECT_EQ(CaptionFor(2000), "(none)");
    EXPECT_EQ(CaptionFor(0), "(none)");
    EXPECT_EQ(CaptionFor(-2004), "(none)");
    // The host's screens after the interview: the nearest entry lies in group 21.
    EXPECT_EQ(CaptionFor(2201), "(none)");
    EXPECT_EQ(CaptionFor(99999), "(none)");
}

TEST_F(NavigatorData, OneInstancePerClassUntilReleased) {
    TCGTNavigatorData& first = TCGTNavigatorData::Instance();
    EXPECT_EQ(&TCGTNavigatorData::Instance(), &first);
    EXPECT_EQ(first.TopicCount(), 15);

    TTwoLevelNavigatorData::PopulateCount = 0;
    TTwoLevelNavigatorData& other = TTwoLevelNavigatorData::Instance();
    TTwoLevelNavigatorData::Instance();
    EXPECT_EQ(TTwoLevelNavigatorData::PopulateCount, 1);
    EXPECT_NE(static_cast<void*>(&other), static_cast<void*>(&first));
    EXPECT_EQ(State().SingletonInstances.size(), 2u);

    TCGTNavigatorData::ReleaseInstance();
    EXPECT_EQ(State().SingletonInstances.count("TCGTNavigatorData"), 0u);
    EXPECT_EQ(State().SingletonInstances.count("TTwoLevelNavigatorData"), 1u);
    // A fresh instance is populated once, not on top of the old topics.
    EXPECT_EQ(TCGTNavigatorData::Instance().TopicCount(), 15);

    ReleaseSingletonInstances();
    EXPECT_TRUE(State().SingletonInstances.empty());
    TCGTNavigatorData::ReleaseInstance();  // releasing nothing is harmless
}

TEST_F(NavigatorData, PublicConstructorsAreRefusedWithTheirTexts) {
    auto message = [](auto create) -> std::string {
        try {
            create();
        } catch (const EConstructionRefused& error) {
            return error.what();
        }
        return "(not refused)";
    };
    EXPECT_EQ(message([] { TCGTNavigatorData::Create(); }),
              "Access class TCGTNavigatorDatavia Instance only");
    EXPECT_EQ(message([] { TNavigatorItem::Create(); }),
              "Use paramaterised constructor for TNavigatorItem.Create only");
    EXPECT_EQ(message([] { TNavigatorTopic::Create(); }),
              "Use paramaterised constructor for TNavigatorTopic.Create only");
    EXPECT_TRUE(State().SingletonInstances.empty());
}

TEST_F(NavigatorData, DebugTextsOfItemsAndTopics) {
    TNavigatorItem item("D1", 1010, "Car's expenses");
    EXPECT_EQ(item.DebugText(),
              "fQuestionNumber: 'D1'; fCaption: 'Car''s expenses'; fScreenId: 1010; "
              "fEnabled: True; fSelected: False");

    TNavigatorTopic topic("", 2006, "Shares");
    topic.AddItem("1", "Parcels", 2009);
    topic.AddItem("2", "Events", 2013);
    EXPECT_EQ(topic.DebugText(),
              "(fQuestionNumber: ''; fCaption: 'Shares'; fScreenId: 2006; fEnabled: True; "
              "fSelected: False); fItems: (Count: 2)");

    TCGTNavigatorData& data = TCGTNavigatorData::Instance();
    data.SelectEntry(data.Topic(3));
    EXPECT_EQ(data.Topic(3)->DebugText(),
              "(fQuestionNumber: ''; fCaption: 'Shares'; fScreenId: 2006; fEnabled: True; "
              "fSelected: True); fItems: (Count: 0)");
}

TEST_F(NavigatorData, NodeTextShowsTheQuestionNumberFirst) {
    EXPECT_EQ(TNavigatorItem("D2", 1014, "Travel").NodeText(), "D2 - Travel");
    EXPECT_EQ(TNavigatorItem("", 1020, "Other").NodeText(), "Other");
}

TEST_F(NavigatorData, SelectEntryMarksTheEntryAndItsTopicOnly) {
    TTwoLevelNavigatorData& data = TTwoLevelNavigatorData::Instance();
    TNavigatorTopic* income = data.Topic(0);
    TNavigatorTopic* deductions = data.Topic(1);
    TNavigatorItem* travel = deductions->Item(1);

    data.SelectEntry(income);
    EXPECT_TRUE(income->Selected());
    EXPECT_FALSE(deductions->Selected());

    data.SelectEntry(travel);
    EXPECT_FALSE(income->Selected());
    EXPECT_TRUE(deductions->Selected());
    EXPECT_TRUE(travel->Selected());
    EXPECT_FALSE(deductions->Item(0)->Selected());
    EXPECT_TRUE(deductions->HasSelectedItem());
    EXPECT_EQ(data.TopicOf(travel), deductions);

    data.SelectEntry(deductions);
    EXPECT_TRUE(deductions->Selected());
    EXPECT_FALSE(travel->Selected());
    EXPECT_FALSE(deductions->HasSelectedItem());

    // Nothing, or an entry that is not in this navigator, leaves nothing marked.
    TNavigatorItem stranger("", 1010, "Stranger");
    data.SelectEntry(&stranger);
    EXPECT_FALSE(stranger.Selected());
    EXPECT_FALSE(deductions->Selected());
    EXPECT_EQ(data.TopicOf(&stranger), nullptr);
    data.SelectEntry(travel);
    data.SelectEntry(nullptr);
    EXPECT_FALSE(travel->Selected());
    EXPECT_FALSE(deductions->Selected());
}

TEST_F(NavigatorData, FindItemForScreenLooksIntoItems) {
    TTwoLevelNavigatorData& data = TTwoLevelNavigatorData::Instance();
    // Topic and first item share 1010: the first in display order wins.
    EXPECT_EQ(data.FindItemForScreen(1010), data.Topic(1));
    EXPECT_EQ(data.FindItemForScreen(1013), data.Topic(1));
    EXPECT_EQ(data.FindItemForScreen(1014), data.Topic(1)->Item(1));
    EXPECT_EQ(data.FindItemForScreen(1029), data.Topic(1)->Item(2));
    EXPECT_EQ(data.FindItemForScreen(1099), data.Topic(2));
    EXPECT_EQ(data.FindItemForScreen(1100), nullptr);
    EXPECT_EQ(data.FindItemForScreen(999), nullptr);
    EXPECT_TRUE(data.AnyTopicHasItems());
    EXPECT_EQ(data.Topic(1)->Item(3), nullptr);
}

TEST_F(NavigatorData, HighlightGoesToTheShowingItem) {
    TTwoLevelNavigatorData& data = TTwoLevelNavigatorData::Instance();
    TNavigatorTopic* deductions = data.Topic(1);
    TNavigatorItem* travel = deductions->Item(1);

    data.SelectEntry(travel);
    EXPECT_TRUE(NavigatorEntryHighlighted(*travel, true));
    EXPECT_FALSE(NavigatorEntryHighlighted(*deductions, true));
    // Collapsed, the item cannot be seen, so its topic carries the highlight.
    EXPECT_TRUE(NavigatorEntryHighlighted(*deductions, false));
    EXPECT_FALSE(NavigatorEntryHighlighted(*data.Topic(0), false));

    data.SelectEntry(deductions);
    EXPECT_TRUE(NavigatorEntryHighlighted(*deductions, true));
    EXPECT_FALSE(NavigatorEntryHighlighted(*travel, true));
}

TEST_F(NavigatorData, RowGeometry) {
    EXPECT_EQ(NavigatorArrowPicture(false, false), 0);
    EXPECT_EQ(NavigatorArrowPicture(false, true), 1);
    EXPECT_EQ(NavigatorArrowPicture(true, false), 2);
    EXPECT_EQ(NavigatorArrowPicture(true, true), 3);
    EXPECT_EQ(NavigatorTextTop(0, 17, 13), 2);
    EXPECT_EQ(NavigatorTextTop(17, 34, 14), 18);
    // Rounded down also for rows scrolled above the top.
    EXPECT_EQ(NavigatorTextTop(-17, 0, 14), -16);
    EXPECT_EQ(NavigatorArrowLeft(16, 12, 24), 8);
    EXPECT_EQ(NavigatorCaptionLeft(24), 26);
    EXPECT_EQ(NavigatorQuestionNumberEdge(24), 46);
}

}  // namespace
