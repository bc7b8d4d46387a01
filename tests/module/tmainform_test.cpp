#include "module/tmainform.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include "../interview/interview_fixture.h"
#include "gui_test_util.h"
#include "module/tnotesform.h"
#include "platform/help_requests.h"
#include "platform/thelpviewer.h"
#include "store/data_file.h"
#include "temp_dir.h"

namespace {
void MarkLodged() {
    SetFieldStr(1478, "01/09/2006");
    SetFieldStr(1490, "10:15");
    SetFieldStr(1479, "ABC123");
    SetFieldStr(1491, "999999999");
}
}  // namespace

class MainFormTest : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        file = dir.File("SMITH.TAX");
        SetFieldStr(1, "123456782");
    }
    TempDir dir;
    std::string file;
};

TEST_F(MainFormTest, CaptionNamesTheFileAndTheLodgment) {
    OpenWindows();
    State().CurrentFileName = "/returns/SMITH.TAX";
    main->UpdateCaption();
    EXPECT_EQ(main->windowTitle(), "Orvana 2006 - /returns/SMITH.TAX");
    MarkLodged();
    main->UpdateCaption();
    EXPECT_EQ(main->windowTitle(),
              "Orvana 2006 - /returns/SMITH.TAX (Lodged on 01/09/2006 at 10:15.  Ref:ABC123)");
    State().CurrentFileName.clear();
    ClearField(1478);
    main->UpdateCaption();
    EXPECT_EQ(main->windowTitle(), "Orvana 2006");
}

TEST_F(MainFormTest, AutosaveWaitsForTheFifthTickAfterAChange) {
    Serve(2006);
    Start(2006);
    State().CurrentFileName = file;
    for (int tick = 0; tick < 6; ++tick) main->AutosaveTick();
    EXPECT_FALSE(std::filesystem::exists(file));  // nothing changed

    SetFieldVal(920, 100);
    main->AutosaveTick();  // counter now 7, past 5
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(State().StoreChanged);
    EXPECT_EQ(main->MinuteCounter(), 0);

    SetFieldVal(920, 200);
    for (int tick = 0; tick < 4; ++tick) main->AutosaveTick();
    EXPECT_TRUE(State().StoreChanged);
    main->AutosaveTick();
    EXPECT_FALSE(State().StoreChanged);
}

TEST_F(MainFormTest, AutosaveWaitsWhileASectionIsInProgressAndTriesAgain) {
    Serve(2009, sbNext | sbPrev, [](ProbeScreen* screen) { screen->setWorksheetSection(true); });
    Start(2009);
    State().CurrentFileName = file;
    SetFieldVal(920, 100);
    for (int tick = 0; tick < 5; ++tick) main->AutosaveTick();
    EXPECT_TRUE(State().StoreChanged);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(main->Timer().isActive());
    frame->CurrentScreen()->setWorksheetSection(false);  // stays set: it cannot be cleared
    EXPECT_TRUE(frame->CurrentScreen()->WorksheetSection());
}

TEST_F(MainFormTest, ALodgedReturnIsNeverSaved) {
    Serve(2006);
    Start(2006);
    MarkLodged();
    State().CurrentFileName = file;
    State().StoreChanged = true;
    for (int tick = 0; tick < 5; ++tick) main->AutosaveTick();
    EXPECT_TRUE(State().StoreChanged);  // the tick itself skips a lodged file
    EXPECT_EQ(main->AutosaveTo(file), TMainForm::AutosaveOutcome::Done);
    EXPECT_FALSE(State().StoreChanged);
    EXPECT_FALSE(main->Save());
    EXPECT_EQ(responder->LastText().rfind("This data file has been lodged", 0), 0u);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(MainFormTest, SaveAsksForANameAndStoresASectionInProgress) {
    Serve(2006);
    Serve(2009, sbNext | sbPrev, [](ProbeScreen* screen) {
        screen->setWorksheetSection(true);
        screen->AddEdit(921, ntCurrency, 100);
    });
    Start(2009);
    int asked = 0;
    main->ChooseSaveFile = [&](const std::string&, std::string& chosen) {
        ++asked;
        chosen = file;
        return true;
    };
    QTest::keyClicks(QApplication::focusWidget(), "40");
    EXPECT_TRUE(main->Save());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(GetFieldVal(921), 40);
    EXPECT_EQ(Shown(), 2009);  // the screen stays, its entry still shown
    EXPECT_EQ(frame->CurrentScreen()->findChild<TTaxEdit*>()->text().trimmed(), "40");

    Start(2006);
    State().CurrentFileName = "/elsewhere/OLD.TAX";
    SetFieldVal(920, 5);
    EXPECT_TRUE(main->Save());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(State().CurrentFileName, file);
    EXPECT_FALSE(State().StoreChanged);
    EXPECT_NE(main->windowTitle().indexOf(QString::fromStdString(file)), -1);
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(MainFormTest, SaveRunsTheScreensLeaveCheck) {
    Serve(2006, sbNext | sbPrev, [&](ProbeScreen* screen) {
        screen->onShow = [&](ProbeScreen*) { frame->SetLeaveCheck([&] { frame->RefuseLeave(); }); };
    });
    Start(2006);
    bool asked = false;
    main->ChooseSaveFile = [&](const std::string&, std::string&) { return asked = true; };
    EXPECT_FALSE(main->Save());
    EXPECT_FALSE(asked);
    // The check is still registered for leaving the screen.
    EXPECT_TRUE(frame->HasLeaveCheck());
}

TEST_F(MainFormTest, NotesAreKeptInField399) {
    OpenWindows();
    State().StoreChanged = false;
    main->ShowNotes();
    TNotesForm* notes = main->Notes();
    ASSERT_NE(notes, nullptr);
    notes->Memo->setFocus();
    QTest::keyClicks(notes->Memo, "Ask the broker");
    QTest::keyClick(notes->Memo, Qt::Key_Return);
    QTest::keyClicks(notes->Memo, "about the buy-back");
    QTest::mouseClick(notes->CloseButton, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(State().StoreChanged);
    ASSERT_EQ(GetFieldType(399), dtList);
    EXPECT_EQ(*GetFieldLst(399), (TextList{"Ask the broker", "about the buy-back"}));
    EXPECT_TRUE(WaitUntil([&] { return main->Notes() == nullptr; }));

    main->ShowNotes();
    EXPECT_EQ(main->Notes()->Memo->toPlainText(), "Ask the broker\nabout the buy-back");
    EXPECT_FALSE(main->Notes()->Memo->document()->isModified());
}

TEST_F(MainFormTest, ExitMessageStoresTheScreenAndCloses) {
    TTaxEdit* amount = nullptr;
    Serve(2005, sbNext | sbPrev,
          [&](ProbeScreen* screen) { amount = screen->AddEdit(920, ntCurrency, 40); });
    Start(2005);
    amount->SetNumValue(750);
    QEvent exit{static_cast<QEvent::Type>(MsgExit)};
    QCoreApplication::sendEvent(main, &exit);
    Settle();
    EXPECT_EQ(GetFieldVal(920), 750);
    EXPECT_EQ(host.messages, (std::vector<int>{MsgModuleClosed}));
}

TEST_F(MainFormTest, CalculatorNotFoundIsReported) {
    OpenWindows();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.Path().string().c_str());
    main->RunCalculator();
    qputenv("PATH", path);
    EXPECT_EQ(responder->LastText(), "Can't find ...");
    EXPECT_TRUE(main->BtnCalculator->isEnabled());
}

TEST_F(MainFormTest, ToolBarAndFixedSize) {
    OpenWindows();
    EXPECT_EQ(main->size(), QSize(800, 575));
    EXPECT_FALSE(main->BtnNew->isEnabled());
    EXPECT_FALSE(main->BtnOpen->isEnabled());
    EXPECT_FALSE(main->BtnViewReturn->isEnabled());
    EXPECT_TRUE(main->BtnSave->isEnabled());
    EXPECT_EQ(frame->height(), 575 - 32 - 1);
    EXPECT_NE(main->BtnSave->toolTip().indexOf("Save your tax return"), -1);
}

TEST_F(MainFormTest, HelpOpensTheScreensTopicAndTheHostsContents) {
    Serve(2006);
    Start(2006);
    QTest::keyClick(main, Qt::Key_F1);
    ASSERT_NE(State().HelpViewer, nullptr);
    EXPECT_EQ(State().HelpViewer->CurrentPage().context, 2006);  // the probe screen's topic
    EXPECT_EQ(State().HelpViewer->CurrentPage().kind, THelpViewer::PageKind::MissingTopic);
    Click(frame->BtnIntHelp);
    EXPECT_EQ(State().HelpViewer->CurrentPage().context, 2006);
    QTest::mouseClick(main->BtnHelp, Qt::LeftButton);
    EXPECT_EQ(State().HelpViewer->CurrentPage().set, HelpTopicSet::HostMain);
    EXPECT_EQ(State().HelpViewer->CurrentPage().kind, THelpViewer::PageKind::Contents);
    // The module's own help file stays the one help requests open.
    EXPECT_EQ(State().HelpFile, ModuleHelpFile());
}

TEST_F(MainFormTest, KeyboardHelpInScreenReaderMode) {
    OpenWindows({QStringLiteral("/v")});
    EXPECT_TRUE(State().VisionImpairedMode);
    QString title;
    WhenModalOpens([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        // On a busy machine the dialog can be active before it has given the focus out.
        QWidget* focused = dialog->focusWidget();
        QTest::keyClick(focused ? focused : dialog, Qt::Key_Escape);
    });
    QTest::keyClick(main, Qt::Key_F9);
    EXPECT_EQ(title, "Shortcut keys for vision impaired users dialog");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
