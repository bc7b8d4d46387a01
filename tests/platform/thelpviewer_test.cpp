#include "platform/thelpviewer.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <set>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "platform/help_library.h"
#include "platform/help_requests.h"
#include "scripted_responder.h"

namespace {

const std::set<int> WrittenModuleTopics = {
    347, 115, 346, 32,  143, 235, 3,   4,   216, 7,   80,  345, 8,   11,  10, 15, 82,  33,
    410, 411, 412, 413, 414, 16,  19,  20,  21,  22,  23,  24,  25,  26,  29, 30, 184, 192,
    194, 203, 206, 256, 307, 318, 354, 378, 379, 380, 381, 349, 374, 262, 34, 35, 37};

class HelpViewer : public ::testing::Test {
protected:
    void SetUp() override { ResetModuleState(); }
    void TearDown() override {
        CloseHelpViewer();
        ResetModuleState();
    }

    THelpViewer* Viewer() const { return State().HelpViewer; }
    QString Text() const { return Viewer()->Browser()->toPlainText(); }

    // Clicks the first link whose text is the given one, as a person would.
    void ClickLink(const QString& text) {
        QTextBrowser* browser = Viewer()->Browser();
        const QTextCursor found = browser->document()->find(text);
        ASSERT_FALSE(found.isNull()) << text.toStdString();
        QTextCursor inside(found);
        inside.setPosition(found.selectionStart() + 1);
        browser->ensureCursorVisible();
        browser->setTextCursor(inside);
        browser->ensureCursorVisible();
        const QPoint point = browser->cursorRect(inside).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, point);
    }
};

TEST_F(HelpViewer, OpensAWrittenTopicInAWindowThatIsNotModal) {
    ScriptedResponder responder;
    OpenHelpTopic("orvanacgt2006.hlp", 347);
    ASSERT_NE(Viewer(), nullptr);
    EXPECT_TRUE(Viewer()->isVisible());
    EXPECT_FALSE(Viewer()->isModal());
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Topic);
    EXPECT_EQ(Viewer()->CurrentPage().context, 347);
    EXPECT_EQ(Viewer()->CurrentTitle(), "Before you begin the capital gains section");
    EXPECT_TRUE(Text().contains("1 July 2005 to 30 June 2006"));
    EXPECT_TRUE(Viewer()->windowTitle().startsWith("Orvana 2006 capital gains help"));
    Viewer()->resize(680, 560);
    SaveShotIfRequested(Viewer(), QStringLiteral("help-347"));

    // A second request reuses the same window.
    THelpViewer* first = Viewer();
    OpenHelpTopic("/opt/orvana/ORVANACGT.HLP", 80);
    EXPECT_EQ(Viewer(), first);
    EXPECT_EQ(Viewer()->CurrentTitle(), "The main residence exemption");
    EXPECT_EQ(responder.Count(), 0u);
}

TEST_F(HelpViewer, UnwrittenTopicsShowThePlainNoHelpPage) {
    ScriptedResponder responder;
    // Context numbers of screens whose help is not written yet, and nonsense numbers.
    for (const int context : {17, 18, 27, 185, 207, 373, 36, 0, -5, 99999}) {
        OpenHelpTopic("orvanacgt2006.hlp", context);
        EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::MissingTopic) << context;
        EXPECT_TRUE(Text().contains("There is no help for this item yet.")) << context;
    }
    EXPECT_EQ(responder.Count(), 0u);
    SaveShotIfRequested(Viewer(), QStringLiteral("help-missing"));
    ClickLink(QStringLiteral("Contents"));
    SaveShotIfRequested(Viewer(), QStringLiteral("help-contents"));
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Contents);
}

TEST_F(HelpViewer, EveryTopicIsWrittenTitledListedAndLinksOnlyToWrittenTopics) {
    const QList<HelpIndexEntry> index = HelpIndex(HelpTopicSet::Module);
    std::set<int> written;
    for (const HelpIndexEntry& entry : index) {
        written.insert(entry.context);
        EXPECT_FALSE(entry.title.isEmpty()) << entry.context;
    }
    EXPECT_EQ(written, WrittenModuleTopics);
    for (int i = 1; i < index.size(); ++i) {
        EXPECT_LE(QString::localeAwareCompare(index[i - 1].title, index[i].title), 0);
    }

    static const QRegularExpression link(QStringLiteral("href=\"topic:(\\d+)\""));
    auto linked = [](const QString& html) {
        std::set<int> numbers;
        for (const auto& match : link.globalMatch(html)) numbers.insert(match.captured(1).toInt());
        return numbers;
    };
    EXPECT_EQ(linked(HelpContentsHtml(HelpTopicSet::Module)), WrittenModuleTopics);
    for (const int context : WrittenModuleTopics) {
        const QString html = HelpTopicHtml(HelpTopicSet::Module, context);
        for (const int target : linked(html)) {
            EXPECT_TRUE(written.count(target)) << context << " links to " << target;
        }
    }
    const QString mainContents = HelpContentsHtml(HelpTopicSet::HostMain);
    for (const int target : linked(mainContents)) {
        EXPECT_FALSE(HelpTopicHtml(HelpTopicSet::HostMain, target).isEmpty()) << target;
    }
}

TEST_F(HelpViewer, LinksButtonsAndBackMoveThroughThePages) {
    OpenHelpTopic("orvanacgt2006.hlp", 347);
    EXPECT_FALSE(Viewer()->BackButton()->isEnabled());
    ClickLink(QStringLiteral("Gains that are generally exempt"));
    EXPECT_EQ(Viewer()->CurrentPage().context, 115);
    EXPECT_TRUE(Viewer()->BackButton()->isEnabled());

    QTest::mouseClick(Viewer()->ContentsButton(), Qt::LeftButton);
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Contents);
    EXPECT_TRUE(Text().contains("Capital gains help for 2005-06"));
    QTest::mouseClick(Viewer()->IndexButton(), Qt::LeftButton);
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Index);
    EXPECT_TRUE(Text().contains("Depreciating assets"));

    QTest::mouseClick(Viewer()->BackButton(), Qt::LeftButton);
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Contents);
    QTest::keyClick(Viewer(), Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(Viewer()->CurrentPage().context, 115);
    QTest::mouseClick(Viewer()->BackButton(), Qt::LeftButton);
    EXPECT_EQ(Viewer()->CurrentPage().context, 347);
    EXPECT_FALSE(Viewer()->BackButton()->isEnabled());
    EXPECT_FALSE(Viewer()->GoBack());

    // Asking for the page already shown adds no step to go back through.
    OpenHelpTopic("orvanacgt2006.hlp", 347);
    EXPECT_FALSE(Viewer()->BackButton()->isEnabled());
}

TEST_F(HelpViewer, SearchFindsTopicsHoldingEveryWord) {
    OpenHelpContents("orvanacgt2006.hlp");
    ASSERT_TRUE(WaitUntil([&] { return Viewer()->isActiveWindow(); }));
    QTest::keyClick(Viewer(), Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(Viewer()->SearchEdit()->hasFocus());
    QTest::keyClicks(Viewer()->SearchEdit(), "Collectables  $500");
    QTest::keyClick(Viewer()->SearchEdit(), Qt::Key_Return);
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Search);
    EXPECT_TRUE(Text().contains("Personal use assets and collectables"));
    EXPECT_TRUE(Text().contains("Gains that are generally exempt"));
    EXPECT_FALSE(Text().contains("Depreciating assets"));

    Viewer()->SearchEdit()->clear();
    QTest::keyClicks(Viewer()->SearchEdit(), "zebra");
    QTest::keyClick(Viewer()->SearchEdit(), Qt::Key_Return);
    EXPECT_TRUE(Text().contains("No topic contains all of these words."));

    // A blank search goes nowhere.
    Viewer()->SearchEdit()->clear();
    QTest::keyClick(Viewer()->SearchEdit(), Qt::Key_Return);
    EXPECT_EQ(Viewer()->CurrentPage().query, "zebra");
}

TEST_F(HelpViewer, HostMainHelpHasItsOwnTopics) {
    OpenHelpContents("/opt/orvana/orvana2006.hlp");
    EXPECT_EQ(Viewer()->CurrentPage().set, HelpTopicSet::HostMain);
    EXPECT_TRUE(Text().contains("Orvana 2006 help"));
    ClickLink(QStringLiteral("The capital gains section"));
    EXPECT_EQ(Viewer()->CurrentPage().context, 2);
    EXPECT_EQ(Viewer()->CurrentPage().set, HelpTopicSet::HostMain);
    // The same number in the module's set is another topic.
    OpenHelpTopic("orvanacgt2006.hlp", 3);
    EXPECT_EQ(Viewer()->CurrentTitle(), "Shares and CGT events for shares");
    OpenHelpTopic("orvana2006.hlp", 3);
    EXPECT_EQ(Viewer()->CurrentTitle(), "Saving your return and keeping notes");
}

TEST_F(HelpViewer, HelpRequestsAndTheHelpButtonUseTheHelpFileRule) {
    // No help files lie beside the test program, so the bare names are used.
    EXPECT_EQ(ModuleHelpFile(), "orvanacgt2006.hlp");
    EXPECT_EQ(MainHelpFile(), "orvana2006.hlp");

    EXPECT_TRUE(ShowModuleHelp(235));
    EXPECT_EQ(State().HelpFile, "orvanacgt2006.hlp");
    EXPECT_EQ(Viewer()->CurrentTitle(), "Ceasing to be an Australian resident");

    ShowMainHelpContents();
    EXPECT_EQ(Viewer()->CurrentPage().set, HelpTopicSet::HostMain);
    EXPECT_EQ(Viewer()->CurrentPage().kind, THelpViewer::PageKind::Contents);
    EXPECT_EQ(State().HelpFile, "orvanacgt2006.hlp");

    ShowModuleHelp(33);
    EXPECT_EQ(Viewer()->CurrentPage().set, HelpTopicSet::Module);
    EXPECT_EQ(Viewer()->CurrentPage().context, 33);
}

TEST_F(HelpViewer, EscapeHidesTheWindowAndClosingReleasesIt) {
    OpenHelpTopic("orvanacgt2006.hlp", 8);
    QTest::keyClick(Viewer(), Qt::Key_Escape);
    EXPECT_FALSE(Viewer()->isVisible());
    OpenHelpTopic("orvanacgt2006.hlp", 8);
    EXPECT_TRUE(Viewer()->isVisible());
    CloseHelpViewer();
    EXPECT_EQ(State().HelpViewer, nullptr);
    CloseHelpViewer();  // nothing to close
}

}  // namespace
