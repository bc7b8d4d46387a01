// The schedule screen driven with real keys: it shows the schedule record read-only, Tab
// walks the rows in order, the roll-over box is the one thing it saves, the print button
// previews the printed schedule, and Next hands the return back to the host.

#include <QCheckBox>
#include <QScrollBar>

#include "../interview/interview_fixture.h"
#include "../reports/core/recording_canvas.h"
#include "calc/cgt_schedule.h"
#include "gui_test_util.h"
#include "module/tmainform.h"
#include "reports/core/txreport.h"
#include "reports/tpreviewform.h"
#include "screens/schedule_box.h"
#include "screens/tqcgt_67.h"
#include "store/worksheet_items.h"

namespace {

void PutSchedule(std::initializer_list<std::pair<int, long double>> amounts, bool rollOver,
                 const char* code = "") {
    ZeroScratchFields();
    SetFieldStr(ItemNameField, ScheduleName);
    for (const auto& [field, value] : amounts) SetFieldVal(field, value);
    SetFieldStr(1135, code);
    rollOver ? SetFieldChecked(1136) : SetFieldUnchecked(1136);
    PutWorksheetItem(ScheduleWorksheet, 1);
    ZeroScratchFields();
}

}  // namespace

class ScheduleScreen : public InterviewTest {
protected:
    TScheduleBox* Box() const {
        auto* screen = qobject_cast<TQCGT_67*>(frame->CurrentScreen());
        return screen ? screen->ScheduleBox() : nullptr;
    }
    QString Shown(int field) const { return Box()->Amount(field)->text(); }
    void Tab() {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
};

TEST_F(ScheduleScreen, ShowsTheRecordReadOnlyAndNextHandsOverAt2201) {
    PutSchedule({{711, 1500},
                 {1105, 1234.56L},
                 {1131, 8000},
                 {739, 0.0011L},
                 {1137, 700},
                 {1138, 650},
                 {1139, 50}},
                true, "R");
    Start(2107);
    ASSERT_NE(Box(), nullptr);
    EXPECT_EQ(Shown(711), "1500");
    EXPECT_EQ(Shown(1131), "8000");
    EXPECT_EQ(Shown(739), "0");
    EXPECT_EQ(Shown(712), "");
    EXPECT_EQ(Shown(1135), "R");
    EXPECT_TRUE(Box()->RollOverCheck()->isChecked());
    EXPECT_TRUE(Box()->Amount(711)->isReadOnly());
    EXPECT_TRUE(Box()->Amount(711)->font().bold());
    EXPECT_EQ(Box()->Amount(1106)->accessibleName(),
              "non Active Assets (capital gains discount method)");
    EXPECT_EQ(Box()->verticalScrollBar()->value(), 0);
    SaveShotIfRequested(main, QStringLiteral("2107"));

    // Typing into a box changes nothing; the roll-over answer is the taxpayer's to change.
    Box()->Amount(711)->setFocus();
    QTest::keyClicks(Box()->Amount(711), "9");
    EXPECT_EQ(Shown(711), "1500");
    QTest::mouseClick(Box()->RollOverCheck(), Qt::LeftButton);
    EXPECT_FALSE(Box()->RollOverCheck()->isChecked());

    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(frame->FailedScreen(), 2201);
    EXPECT_EQ(host.messages, (std::vector<int>{MsgInterviewFinished}));

    // The record is stored back as it was, cents and the entered zero included, with the
    // changed answer.
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldStr(ItemNameField), ScheduleName);
    EXPECT_EQ(GetFieldVal(1105), 1234.56L);
    EXPECT_EQ(GetFieldVal(739), 0.0011L);
    EXPECT_EQ(GetFieldVal(1137), 700);
    EXPECT_TRUE(FieldNotChecked(1136));
}

TEST_F(ScheduleScreen, AnEmptyScheduleShowsEveryBoxEmptyAndIsKept) {
    PutSchedule({}, false);
    Start(2107);
    ASSERT_NE(Box(), nullptr);
    for (int field : {711, 734, 738, 1104, 1126, 1131, 1134, 1135, 1139})
        EXPECT_EQ(Shown(field), "") << field;
    EXPECT_FALSE(Box()->RollOverCheck()->isChecked());
    Click(frame->BtnNext);
    Settle();
    EXPECT_EQ(frame->FailedScreen(), 2201);
    EXPECT_EQ(WorksheetItemCount(ScheduleWorksheet), 1);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldStr(ItemNameField), ScheduleName);
}

TEST_F(ScheduleScreen, TabWalksEachRowLeftToRightAndTheRollOverAmountsBeforeItsCheckBox) {
    PutSchedule({{711, 1}}, false);
    Start(2107);
    ASSERT_NE(Box(), nullptr);
    Box()->Amount(711)->setFocus();
    for (int field : {712, 713, 714}) {
        Tab();
        EXPECT_EQ(QApplication::focusWidget(), Box()->Amount(field)) << field;
    }
    Box()->Amount(742)->setFocus();
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), Box()->Amount(743));
    Box()->Amount(1134)->setFocus();
    for (int field : {1135, 1137, 1138, 1139}) {
        Tab();
        EXPECT_EQ(QApplication::focusWidget(), Box()->Amount(field)) << field;
    }
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), Box()->RollOverCheck());
}

TEST_F(ScheduleScreen, WithScreenReaderHelpLeavingAPartBringsTheNextIntoView) {
    PutSchedule({{734, 10}}, false);
    OpenWindows({QStringLiteral("/V")});
    Start(2107);
    ASSERT_NE(Box(), nullptr);
    QScrollBar* bar = Box()->verticalScrollBar();
    Box()->Amount(734)->setFocus();
    bar->setValue(0);
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), Box()->Amount(735));
    EXPECT_EQ(bar->value(), std::min(Box()->PartTop(1), bar->maximum()));
    Box()->Amount(1104)->setFocus();
    Tab();
    EXPECT_EQ(bar->value(), std::min(Box()->PartTop(3), bar->maximum()));
    EXPECT_GT(bar->value(), 0);
}

// The print button shows the printed schedule in the preview; coming back leaves the screen
// and the stored record as they were.
class SchedulePrinting : public ScheduleScreen {
protected:
    void SetUp() override {
        ScheduleScreen::SetUp();
        PutSchedule({{711, 1500}, {1105, 1234.56L}, {1131, 8000}, {1138, 650}}, true, "R");
        Start(2107);
        ASSERT_NE(Box(), nullptr);
        print = qobject_cast<TQCGT_67*>(frame->CurrentScreen())->PrintSchedBtn();
    }
    // Looks at the preview when it opens, then closes it with its Close button.
    void OnPreview(const std::function<void(TPreviewForm*)>& look) {
        opened = false;
        WhenModalOpens([this, look](QWidget* modal) {
            auto* preview = qobject_cast<TPreviewForm*>(modal);
            ASSERT_NE(preview, nullptr);
            opened = true;
            look(preview);
            QTest::mouseClick(preview->BtnExit, Qt::LeftButton);
        });
    }
    // The stored schedule record, field by field, after the screen is left with Next.
    // The window system gives the focus back to the module's window.
    void BackInTheModule() {
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }
    void ExpectRecordKept() {
        BackInTheModule();
        Click(frame->BtnNext);
        Settle();
        EXPECT_EQ(frame->FailedScreen(), 2201);
        GetWorksheetItem(ScheduleWorksheet, 1);
        EXPECT_EQ(GetFieldStr(ItemNameField), ScheduleName);
        const std::map<int, long double> put{
            {711, 1500}, {1105, 1234.56L}, {1131, 8000}, {1138, 650}};
        for (int field = 711; field <= 1139; field = field == 749 ? 1100 : field + 1) {
            if (field == 1135 || field == 1136) continue;
            const auto it = put.find(field);
            EXPECT_EQ(GetFieldVal(field), it == put.end() ? 0 : it->second) << field;
        }
        EXPECT_EQ(GetFieldStr(1135), "R");
        EXPECT_TRUE(FieldChecked(1136));
    }

    QPushButton* print = nullptr;
    bool opened = false;
};

TEST_F(SchedulePrinting, AClickPreviewsTheSchedulesPagesWithItsFigures) {
    EXPECT_EQ(print->text(), "Print &schedule");
    // Below the schedule, inside the screen.
    EXPECT_GE(print->y(), Box()->geometry().bottom());
    EXPECT_LE(print->geometry().bottom(), frame->CurrentScreen()->height());
    OnPreview([](TPreviewForm* preview) {
        EXPECT_TRUE(State().PreviewShowing);
        EXPECT_GE(preview->Report().PageCount(), 1);
        EXPECT_EQ(preview->MaxPage->text(),
                  "1 of " + QString::number(preview->Report().PageCount()));
        RecordingCanvas canvas;
        for (int page = 1; page <= preview->Report().PageCount(); ++page)
            preview->Report().DrawPage(page, canvas, false, 1);
        EXPECT_NE(canvas.FindText("1500"), nullptr);
        EXPECT_NE(canvas.FindText("8000"), nullptr);
        SaveShotIfRequested(preview, QStringLiteral("preview"));
    });
    QTest::mouseClick(print, Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_FALSE(State().PreviewShowing);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Shown(711), "1500");
    ExpectRecordKept();
}

TEST_F(SchedulePrinting,
       TheKeyboardReachesTheButtonAfterTheScheduleAndWhileThePreviewShowsTheModuleStaysOpen) {
    Box()->RollOverCheck()->setFocus();
    Tab();
    ASSERT_EQ(QApplication::focusWidget(), print);
    Tab();
    EXPECT_EQ(QApplication::focusWidget(), frame->BtnIntHelp);
    Box()->RollOverCheck()->setFocus();
    Tab();
    OnPreview([this](TPreviewForm*) {
        // Closing the module now would let the host free the store the preview draws from.
        main->close();
        Settle();
        EXPECT_TRUE(main->isVisible());
        EXPECT_TRUE(host.messages.empty());
    });
    QTest::keyClick(print, Qt::Key_Space);
    EXPECT_TRUE(opened);
    // Its own letter, not Prev's: Alt+S presses it; Enter on it, focused, does too.
    BackInTheModule();
    OnPreview([](TPreviewForm*) {});
    Box()->Amount(711)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
    // A mnemonic presses the button once its press is drawn.
    EXPECT_TRUE(WaitUntil([&] { return opened; }));
    BackInTheModule();
    OnPreview([](TPreviewForm*) {});
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Return);
    EXPECT_TRUE(opened);
    BackInTheModule();
    EXPECT_EQ(InterviewTest::Shown(), 2107);
    ExpectRecordKept();
}
