#include "interview/tframewnd.h"

#include <QLabel>
#include <QListWidget>

#include "base/message_box.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "store/worksheet_items.h"

#include "interview/core/tcustomnavigatordata.h"
#include "interview/core/tnavigatoritem.h"
#include "interview/tnavigatorframe.h"
#include "interview_fixture.h"

using FrameTest = InterviewTest;

TEST_F(FrameTest, NextAndPrevMoveThroughTheHistory) {
    Serve(2004);
    Serve(2005);
    Start(2004);
    EXPECT_EQ(frame->ScreenIdLabel->text(), "Screen 2004");
    EXPECT_EQ(frame->TitleLabel->text(), "Screen title 2004");
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2005);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004, 2005}));
    Click(frame->BtnPrev);
    EXPECT_EQ(Shown(), 2004);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004}));
    // One entry: Prev does nothing.
    Click(frame->BtnPrev);
    EXPECT_EQ(Shown(), 2004);
    EXPECT_EQ(State().ScreenHistory.size(), 1u);
}

TEST_F(FrameTest, ARefusingLeaveCheckKeepsScreenIndexAndHistory) {
    bool refuse = true;
    Serve(2004, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) {
            frame->SetLeaveCheck([&] {
                if (refuse) frame->RefuseLeave();
            });
        };
    });
    Serve(2005);
    Start(2004);
    TChildForm* first = frame->CurrentScreen();
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2004);
    EXPECT_EQ(frame->CurrentScreen(), first);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004}));
    refuse = false;
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2005);
}

TEST_F(FrameTest, PrevRefusedByTheScreenKeepsItsPlaceInTheHistory) {
    Serve(2004);
    Serve(2005, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) { frame->SetLeaveCheck([&] { frame->RefuseLeave(); }); };
    });
    Serve(2006);
    Start(2004);
    Click(frame->BtnNext);
    Click(frame->BtnPrev);
    EXPECT_EQ(Shown(), 2005);
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2004, 2005}));
    EXPECT_FALSE(frame->GoingBack());
}

TEST_F(FrameTest, AFieldThatRefusesItsInputIgnoresTheButton) {
    TTaxEdit* date = nullptr;
    Serve(2004, sbNext | sbPrev,
          [&](ProbeScreen* screen) { date = screen->AddEdit(726, ntDate, 40); });
    Serve(2005);
    Start(2004);
    date->setFocus();
    QTest::keyClicks(date, "31022004");
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2004);
    EXPECT_TRUE(date->hasFocus());
    EXPECT_EQ(responder->LastText(), "The date must be in dd/mm/yyyy format !");
    date->selectAll();
    QTest::keyClicks(date, "01072005");
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2005);
    EXPECT_EQ(GetFieldStr(726), "01/07/2005");
}

TEST_F(FrameTest, ButtonsFollowTheScreensFlagsAndNoHidesNext) {
    Serve(2125, sbPrev | sbYes | sbNo);
    Serve(2004, sbNext | sbPrev | sbNo);
    Serve(2103, sbPrev);
    Start(2125);
    EXPECT_FALSE(frame->BtnYes->isHidden());
    EXPECT_FALSE(frame->BtnNo->isHidden());
    EXPECT_TRUE(frame->BtnNext->isHidden());
    EXPECT_FALSE(frame->BtnPrev->isHidden());
    EXPECT_FALSE(frame->BtnIntHelp->isHidden());
    Start(2004);
    EXPECT_TRUE(frame->BtnNext->isHidden());
    EXPECT_FALSE(frame->BtnNo->isHidden());
    // Next shows exactly when No does not.
    Start(2103);
    EXPECT_FALSE(frame->BtnNext->isHidden());
    EXPECT_TRUE(frame->BtnYes->isHidden());
}

TEST_F(FrameTest, YesAndNoMoveOnlyThroughTheHandlersPostedMessage) {
    Serve(2125, sbPrev | sbYes | sbNo, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) {
            frame->SetNextHandler([&](QObject* sender) {
                State().ScreenIndex = sender == frame->BtnYes ? 5 : 26;
                State().ScreenGroup = sender == frame->BtnYes ? 20 : 21;
                frame->PostShowScreen();
            });
        };
    });
    Serve(2005);
    Serve(2126);
    Start(2125);
    Click(frame->BtnNo);
    Settle();
    EXPECT_EQ(Shown(), 2126);
    Click(frame->BtnPrev);
    Click(frame->BtnYes);
    Settle();
    EXPECT_EQ(Shown(), 2005);
}

TEST_F(FrameTest, NumbersWithoutAScreenEndTheInterview) {
    Serve(2007);
    Start(2007);
    Click(frame->BtnNext);  // 2008 has no screen
    Settle();
    EXPECT_EQ(frame->FailedScreen(), 2008);
    EXPECT_FALSE(State().ScreenShown);
    EXPECT_EQ(frame->CurrentScreen(), nullptr);
    EXPECT_EQ(host.messages, (std::vector<int>{MsgInterviewFinished}));
}

TEST_F(FrameTest, TheInterviewHandsOverAt2201) {
    Serve(2107, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) {
            frame->SetNextHandler([](QObject*) {
                State().ScreenGroup = 22;
                State().ScreenIndex = 1;
            });
        };
    });
    Start(2107);
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(frame->FailedScreen(), 2201);
    EXPECT_EQ(host.messages, (std::vector<int>{MsgInterviewFinished}));
}

TEST_F(FrameTest, Group20AboveIndex98ShowsTheFirstScreenOfGroup21) {
    Serve(2098);
    Serve(2101);
    Start(2098);
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2101);
    EXPECT_EQ(frame->ScreenIdLabel->text(), "Screen 2101");
    EXPECT_EQ(State().ScreenHistory, (std::vector<int32_t>{2098, 2101}));
}

TEST_F(FrameTest, MovingToAnotherGroupCountsAsAChange) {
    Serve(2004, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) {
            frame->SetNextHandler([](QObject*) {
                State().ScreenGroup = 21;
                State().ScreenIndex = 25;
            });
        };
    });
    Serve(2125);
    Serve(2005);
    Start(2004);
    State().StoreChanged = false;
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2125);
    EXPECT_TRUE(State().StoreChanged);
    State().StoreChanged = false;
    Start(2005);  // back to group 20
    EXPECT_TRUE(State().StoreChanged);
}

TEST_F(FrameTest, TwoShowsOfOneNumberAreTwoInstances) {
    Serve(2009);
    Serve(2010);
    Start(2009);
    QPointer<TChildForm> first = frame->CurrentScreen();
    Click(frame->BtnNext);
    EXPECT_TRUE(first.isNull());  // destroyed when left
    Click(frame->BtnPrev);
    EXPECT_EQ(created.size(), 3u);
}

TEST_F(FrameTest, TheNavigatorFollowsTheScreenAndJumps) {
    auto withNavigator = [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) { frame->SetNavigatorVisible(true); };
    };
    for (int number : {2045, 2090, 2102, 2126, 2004}) Serve(number, sbNext | sbPrev, withNavigator);
    auto highlighted = [&]() -> std::string {
        TCustomNavigatorData* data = frame->NavigatorFrame->Data();
        for (int i = 0; i < data->TopicCount(); ++i)
            if (data->Topic(i)->Selected()) return data->Topic(i)->Caption();
        return {};
    };
    Start(2045);
    EXPECT_EQ(highlighted(), "Depreciating assets");
    Start(2090);
    EXPECT_EQ(highlighted(), "Ceasing to be a resident");
    Start(2102);
    EXPECT_EQ(highlighted(), "Application of choices");
    // The residency question, numbered after the choices, highlights the topic it opens.
    Start(2126);
    EXPECT_EQ(highlighted(), "Ceasing to be a resident");

    // A jump from the navigator goes to the topic's first screen.
    TCustomNavigatorData* data = frame->NavigatorFrame->Data();
    frame->NavigatorSelectItem(frame->NavigatorFrame, data->Topic(0));
    EXPECT_EQ(Shown(), 2004);
    EXPECT_EQ(highlighted(), "Introduction screen");
}

TEST_F(FrameTest, ARefusedJumpKeepsTheScreenAndItsHighlight) {
    Serve(2045, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) {
            frame->SetNavigatorVisible(true);
            frame->SetLeaveCheck([&] { frame->RefuseLeave(); });
        };
    });
    Serve(2004);
    Start(2045);
    TChildForm* screen = frame->CurrentScreen();
    TCustomNavigatorData* data = frame->NavigatorFrame->Data();
    frame->NavigatorSelectItem(frame->NavigatorFrame, data->Topic(0));
    EXPECT_EQ(Shown(), 2045);
    EXPECT_EQ(frame->CurrentScreen(), screen);
    EXPECT_TRUE(data->FindItemForScreen(2045)->Selected());
}

TEST_F(FrameTest, RescalingRecreatesTheScreenWithoutItsLeaveCheckAndKeepsWhatWasTyped) {
    int leaveChecks = 0;
    TTaxEdit* amount = nullptr;
    Serve(2005, sbNext | sbPrev, [&](ProbeScreen* screen) {
        amount = screen->AddEdit(920, ntCurrency, 40);
        screen->onShow = [&](ProbeScreen*) { frame->SetLeaveCheck([&] { ++leaveChecks; }); };
    });
    Start(2005);
    amount->setFocus();
    QTest::keyClicks(amount, "1500");
    frame->BtnNext->setFocus();  // commits the field
    TChildForm* before = frame->CurrentScreen();
    frame->resize(frame->width() * 5 / 4, frame->height() * 5 / 4);
    frame->ClientPanelResized();
    Settle();
    EXPECT_NE(frame->CurrentScreen(), before);
    EXPECT_EQ(leaveChecks, 0);
    EXPECT_EQ(amount->text(), "1500");
    EXPECT_EQ(GetFieldVal(920), 1500);
    EXPECT_NE(frame->ScaleNumerator(), frame->ScaleDenominator());
    EXPECT_EQ(State().ScreenHistory.size(), 1u);
}

TEST_F(FrameTest, HelpdeskScanningSkipsIndex99) {
    Serve(2098);
    Serve(2101);
    OpenWindows({QStringLiteral("orvana-host"), QStringLiteral("helpdesk")});
    EXPECT_TRUE(State().HelpdeskMode);
    EXPECT_FALSE(frame->btnScan->isHidden());
    Start(2098);
    Click(frame->btnScan);
    EXPECT_EQ(Shown(), 2101);
    Click(frame->btnBack);
    EXPECT_EQ(Shown(), 2098);
}

TEST_F(FrameTest, HelpdeskJumpReadsANumberAndRefusesText) {
    Serve(2004);
    Serve(2101);
    OpenWindows({QStringLiteral("HELPDESK")});
    Start(2004);
    std::string answer = "2101";
    State().InputResponder = [&](const std::string& caption, const std::string& prompt,
                                 std::string& value) {
        EXPECT_EQ(caption, "Jump");
        EXPECT_EQ(prompt, "Enter screen number to jump to: ");
        value = answer;
        return true;
    };
    Click(frame->JumpBtn);
    EXPECT_EQ(Shown(), 2101);
    answer = "abc";
    Click(frame->JumpBtn);
    EXPECT_EQ(Shown(), 2101);
    EXPECT_EQ(responder->LastText(), "'abc' is not a valid integer value");
}

TEST_F(FrameTest, TheCloseButtonTellsTheHostTheTaxpayerClosed) {
    Serve(2006);
    Start(2006);
    Click(frame->BtnCancel);
    Settle();
    EXPECT_EQ(host.messages, (std::vector<int>{MsgModuleClosed}));
}

TEST_F(FrameTest, ASectionInProgressClosesWithWhatWasTypedAndARefusingCheckKeepsTheScreen) {
    bool refuse = true;
    Serve(2009, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->setWorksheetSection(true);
        screen->AddEdit(920, ntCurrency, 100);
        screen->onShow = [&](ProbeScreen*) {
            frame->SetLeaveCheck([&] {
                if (refuse) {
                    AppMessageBox("The amount is not finished.", mtWarning, mbOK);
                    frame->RefuseLeave();
                }
            });
        };
    });
    Start(2009);
    QTest::keyClicks(QApplication::focusWidget(), "125");
    // The check refuses: the screen stays with its own message, the host hears nothing.
    Click(frame->BtnCancel);
    Settle();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(responder->LastText(), "The amount is not finished.");
    main->close();
    Settle();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(GetFieldVal(920), 0);

    // The check passes: the entry reaches the store before the host is told.
    refuse = false;
    responder->Clear();
    Click(frame->BtnCancel);
    Settle();
    EXPECT_EQ(host.messages, (std::vector<int>{MsgModuleClosed}));
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(GetFieldVal(920), 125);
}

TEST_F(FrameTest, ClosingTheMainWindowTellsTheHostAndHidesIt) {
    Serve(2006);
    Start(2006);
    main->close();
    Settle();
    EXPECT_EQ(host.messages, (std::vector<int>{MsgModuleClosed}));
    EXPECT_FALSE(main->isVisible());
}

TEST_F(FrameTest, LayoutOfTheWindowAroundAScreen) {
    Serve(2005, sbNext | sbPrev, [&](ProbeScreen* screen) {
        auto* label = new TTextLbl(screen);
        label->setGeometry(10, 10, 600, 80);
        label->setText(
            {QStringLiteral("<S12><T1>Unapplied net capital losses<.>"),
             QStringLiteral("Enter the amounts of <C12><J32>earlier years' losses<.>.")});
        screen->AddEdit(920, ntCurrency, 100);
        screen->onShow = [&](ProbeScreen*) { frame->SetNavigatorVisible(true); };
    });
    Start(2005);
    Settle();
    const QRect client = frame->ClientPanel->geometry();
    EXPECT_EQ(client.left(), 162);
    EXPECT_EQ(client.top(), 24);
    EXPECT_EQ(frame->BtnPanel->height(), 36);
    EXPECT_EQ(frame->BtnPanel->geometry().bottom(), frame->height() - 1);
    EXPECT_GE(frame->BtnCancel->geometry().right(), frame->BtnNext->geometry().right());
    EXPECT_FALSE(frame->NavigatorFrame->isHidden());
    SaveShotIfRequested(main, QStringLiteral("frame-layout"));
}

namespace {
// Clicks a row of the worksheet pick list.
void ClickPickListRow(TFrameWnd* frame, int row) {
    QListWidget* list = frame->lstPickList;
    ASSERT_LT(row, list->count());
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QCoreApplication::processEvents();
}

QStringList PickListTexts(TFrameWnd* frame) {
    QStringList texts;
    for (int i = 0; i < frame->lstPickList->count(); ++i)
        texts << frame->lstPickList->item(i)->text();
    return texts;
}
}  // namespace

TEST_F(FrameTest, TheWorksheetPanelPicksStoresAndDeletesItems) {
    TTaxEdit* name = nullptr;
    Serve(2009, sbNext | sbPrev, [&](ProbeScreen* screen) {
        OpenWorksheetNewItem(451);
        name = screen->AddEdit(710, ntNone, 40);
        screen->onShow = [&](ProbeScreen*) {
            frame->SetWorksheetPanelVisible(true);
            frame->RefreshWorksheetPanel();
        };
    });
    Start(2009);
    EXPECT_TRUE(frame->WorksheetPanelVisible());
    EXPECT_EQ(PickListTexts(frame), QStringList{"** Create new worksheet **"});
    name->setFocus();
    QTest::keyClicks(name, "BHP Billiton");
    ClickPickListRow(frame, 0);  // stores the item and lists it
    EXPECT_EQ(PickListTexts(frame), (QStringList{"BHP Billiton", "** Create new worksheet **"}));

    ClickPickListRow(frame, 1);  // a new item
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(State().CurrentItem, 2);
    name->setFocus();
    QTest::keyClicks(name, "Telstra");
    ClickPickListRow(frame, 0);  // back to the first
    EXPECT_EQ(name->text(), "BHP Billiton");
    EXPECT_EQ(PickListTexts(frame),
              (QStringList{"BHP Billiton", "Telstra", "** Create new worksheet **"}));

    responder->Answer(mrNo);
    QTest::mouseClick(frame->btnRemove, Qt::LeftButton);
    EXPECT_EQ(responder->LastText(), "Are you sure you want to delete the selected worksheet?");
    EXPECT_EQ(WorksheetItemCount(451), 2);
    responder->Answer(mrYes);
    QTest::mouseClick(frame->btnRemove, Qt::LeftButton);
    EXPECT_EQ(WorksheetItemCount(451), 1);
    EXPECT_EQ(PickListTexts(frame), (QStringList{"Telstra", "** Create new worksheet **"}));
    EXPECT_EQ(name->text(), "Telstra");
}

TEST_F(FrameTest, TheWorksheetListIsUsedByKeyboardAndShowsWholeNames) {
    TTaxEdit* name = nullptr;
    Serve(2009, sbNext | sbPrev, [&](ProbeScreen* screen) {
        OpenWorksheetNewItem(451);
        name = screen->AddEdit(710, ntNone, 40);
        screen->onShow = [&](ProbeScreen*) {
            frame->SetWorksheetPanelVisible(true);
            frame->RefreshWorksheetPanel();
        };
    });
    Start(2009);
    const QString longName = QStringLiteral("Meridian Resources Ordinary Shares");
    QTest::keyClicks(name, longName);
    ClickPickListRow(frame, 0);
    ClickPickListRow(frame, 1);  // a new item, then a second name
    QTest::keyClicks(name, "Telstra");
    ClickPickListRow(frame, 0);  // stores the second item and lists it
    ASSERT_EQ(frame->lstPickList->count(), 3);
    // Cut in the list, whole in the tool tip.
    QListWidgetItem* first = frame->lstPickList->item(0);
    EXPECT_EQ(first->toolTip(), longName);
    EXPECT_GT(frame->lstPickList->fontMetrics().horizontalAdvance(longName),
              frame->lstPickList->viewport()->width());

    // Shift+Tab from the screen's first field reaches the list; its focus is drawn.
    name->setFocus();
    for (int press = 0; press < 3 && QApplication::focusWidget() != frame->lstPickList; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), frame->lstPickList);
    const QImage unfocused = [&] {
        frame->lstPickList->clearFocus();
        return frame->lstPickList->grab().toImage();
    }();
    frame->lstPickList->setFocus(Qt::TabFocusReason);
    EXPECT_NE(frame->lstPickList->grab().toImage(), unfocused);

    QTest::keyClick(frame->lstPickList, Qt::Key_Home);
    QTest::keyClick(frame->lstPickList, Qt::Key_Return);
    EXPECT_EQ(State().CurrentItem, 1);
    EXPECT_EQ(name->text(), longName);
    frame->lstPickList->setFocus(Qt::TabFocusReason);
    QTest::keyClick(frame->lstPickList, Qt::Key_Down);
    QTest::keyClick(frame->lstPickList, Qt::Key_Space);
    EXPECT_EQ(State().CurrentItem, 2);
    EXPECT_EQ(name->text(), "Telstra");
}

TEST_F(FrameTest, EnterPressesTheFocusedButtonAsSpaceDoes) {
    int pressed = 0;
    Serve(2004, sbNext | sbPrev, [&](ProbeScreen* screen) {
        auto* button = new QPushButton(QStringLiteral("Do it"), screen);
        button->setObjectName(QStringLiteral("DoIt"));
        button->setGeometry(10, 10, 80, 24);
        QObject::connect(button, &QPushButton::clicked, [&] { ++pressed; });
    });
    Serve(2005);
    Start(2004);
    auto* button = Current()->findChild<QPushButton*>(QStringLiteral("DoIt"));
    ASSERT_NE(button, nullptr);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(pressed, 3);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);  // not a press
    EXPECT_EQ(pressed, 3);
    frame->BtnNext->setFocus(Qt::TabFocusReason);
    QTest::keyClick(frame->BtnNext, Qt::Key_Return);
    EXPECT_EQ(Shown(), 2005);
}

TEST_F(FrameTest, LeavingAnItemScreenClosesTheWorksheetAndKeepsTheItem) {
    TTaxEdit* name = nullptr;
    Serve(2009, sbNext | sbPrev, [&](ProbeScreen* screen) {
        OpenWorksheetNewItem(451);
        name = screen->AddEdit(710, ntNone, 40);
    });
    Serve(2010);
    Start(2009);
    EXPECT_TRUE(frame->CurrentScreen()->WorksheetSection());
    name->setFocus();
    QTest::keyClicks(name, "Woolworths");
    Click(frame->BtnNext);
    EXPECT_EQ(Shown(), 2010);
    EXPECT_EQ(State().CurrentWorksheet, 0);
    EXPECT_EQ(WorksheetItemCount(451), 1);
    EXPECT_TRUE(IsBlankDate(GetFieldStr(726)));
}

TEST_F(FrameTest, ANextHandlerThatAlsoPostsShowsTheNextScreenOnce) {
    Serve(2004, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) {
            frame->SetNextHandler([&](QObject*) {
                State().ScreenIndex = 5;
                frame->PostShowScreen();
            });
        };
    });
    Serve(2005);
    Start(2004);
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(Shown(), 2005);
    EXPECT_EQ(created.size(), 2u);
    EXPECT_EQ(static_cast<ProbeScreen*>(frame->CurrentScreen())->shows, 1);
}

TEST_F(FrameTest, ScreenReaderModeMakesLabelsTabStopsInReadingOrder) {
    TTextLbl* label = nullptr;
    TTaxEdit* right = nullptr;
    TTaxEdit* left = nullptr;
    Serve(2005, sbNext | sbPrev, [&](ProbeScreen* screen) {
        right = screen->AddEdit(920, ntCurrency, 100);  // created first, further right
        left = screen->AddEdit(921, ntCurrency, 105);
        left->move(10, 105);
        label = new TTextLbl(screen);
        label->setGeometry(10, 10, 300, 40);
        label->setText({QStringLiteral("Losses")});
    });
    OpenWindows({QStringLiteral("/V")});
    Start(2005);
    EXPECT_EQ(label->mode(), tlmVisionImpaired);
    EXPECT_TRUE(label->focusPolicy() & Qt::TabFocus);
    // Top edges 5 pixels apart count as one row, read from the left.
    std::vector<QWidget*> tabStops;
    for (QWidget* w = label; w && tabStops.size() < 3; w = w->nextInFocusChain())
        if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) tabStops.push_back(w);
    EXPECT_EQ(tabStops, (std::vector<QWidget*>{label, left, right}));
}

TEST_F(FrameTest, F6LeavesAGrid) {
    TXGrid* grid = nullptr;
    TTaxEdit* after = nullptr;
    Serve(2011, sbNext | sbPrev, [&](ProbeScreen* screen) {
        grid = new TXGrid(screen);
        grid->setGeometry(10, 10, 400, 120);
        grid->setColCount(2);
        grid->setDisplay({QStringLiteral("Element|0|0|20|0|F|F|||||||0|F|F|"),
                          QStringLiteral("Amount|1|1|10|0|F|F|0|T||||-1|0|F|F|")});
        after = screen->AddEdit(920, ntCurrency, 160);
    });
    Start(2011);
    grid->setFocus();
    Settle();
    ASSERT_TRUE(grid->isAncestorOf(QApplication::focusWidget()) || grid->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    Settle();
    EXPECT_TRUE(after->hasFocus());
}
