// While a print preview shows over the interview, the module neither closes nor autosaves:
// the preview's report draws from the store, and a save's dialogs would land on the print job.

#include <filesystem>

#include "../interview/interview_fixture.h"
#include "module/tmainform.h"
#include "reports/core/script_source.h"
#include "reports/core/txreport.h"
#include "reports/tpreviewform.h"
#include "temp_dir.h"

namespace {

std::unique_ptr<TXReport> OnePageReport() {
    auto report = std::make_unique<TXReport>(nullptr);
    report->UnitFactor = 0.1;
    report->FindScript = [](const std::string&) {
        return std::optional<std::vector<uint8_t>>(
            WriteScript(CompileScriptSource("script \"ONE\"\nsection condition=0\nbox 0 0 500 100\n"
                                            "text \"one\"\n")
                            .sections));
    };
    report->AddScript("ONE", 1, false, 255);
    return report;
}

}  // namespace

class PreviewShowing : public InterviewTest {
protected:
    TempDir dir;
};

TEST_F(PreviewShowing, TheModuleWaitsForThePreviewToCloseBeforeClosingOrAutosaving) {
    Serve(2006);
    Start(2006);
    const std::string file = dir.File("SMITH.TAX");
    State().CurrentFileName = file;
    SetFieldStr(1, "123456782");
    SetFieldVal(920, 100);

    auto preview = std::make_unique<TPreviewForm>(OnePageReport(), frame->CurrentScreen());
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    EXPECT_TRUE(State().PreviewShowing);
    for (int tick = 0; tick < 6; ++tick) main->AutosaveTick();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(State().StoreChanged);
    main->close();
    Settle();
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(host.messages.empty());

    // Escape closes the preview; the next tick saves and the module may close.
    QTest::keyClick(preview.get(), Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());
    EXPECT_FALSE(State().PreviewShowing);
    main->AutosaveTick();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_FALSE(State().StoreChanged);
    main->close();
    Settle();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(host.messages, (std::vector<int>{MsgModuleClosed}));
}

TEST_F(PreviewShowing, APreviewDestroyedWhileShownClearsTheFlag) {
    Serve(2006);
    Start(2006);
    auto preview = std::make_unique<TPreviewForm>(OnePageReport(), frame->CurrentScreen());
    preview->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    EXPECT_TRUE(State().PreviewShowing);
    preview.reset();
    EXPECT_FALSE(State().PreviewShowing);
}
