// The print preview with real widgets, keys and clicks on the offscreen platform; the printer
// is a recorder, so printing needs no desktop printer.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>

#include "base/module_state.h"
#include "controls/ttaxedit.h"
#include "core/recording_printer.h"
#include "reports/core/script_source.h"
#include "reports/core/txreport.h"
#include "reports/tfprinting.h"
#include "reports/tpreviewform.h"
#include "scripted_responder.h"
#include "store_fixture.h"
#include "temp_dir.h"

namespace {

// Three pages, each naming itself.
std::vector<uint8_t> ThreePages() {
    std::string source = "script \"THREE\"\n";
    for (int page = 1; page <= 3; ++page)
        source += "section condition=0\nbox 100 100 900 200\ntext \"page " + std::to_string(page) +
                  "\"\n";
    return WriteScript(CompileScriptSource(source).sections);
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class PreviewTest : public StoreTest {
protected:
    // The store fixture's fresh module state comes first, then the responder.
    void Open(bool withPrinter = true) {
        responder = std::make_unique<ScriptedResponder>();
        auto report = std::make_unique<TXReport>(withPrinter ? &printer : nullptr);
        report->UnitFactor = 0.1;
        report->FindScript = [](const std::string&) {
            return std::optional<std::vector<uint8_t>>(ThreePages());
        };
        report->AddScript("THREE", 1, false, 255);
        preview = std::make_unique<TPreviewForm>(std::move(report));
        preview->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(preview.get()));
    }
    void TearDown() override {
        preview.reset();
        responder.reset();
        StoreTest::TearDown();
    }

    RecordingPrinter printer;
    std::unique_ptr<ScriptedResponder> responder;
    std::unique_ptr<TPreviewForm> preview;
};

}  // namespace

TEST_F(PreviewTest, ButtonsPageThroughTheReportAndTheLabelFollows) {
    Open();
    EXPECT_EQ(preview->windowTitle(), "Preview");
    EXPECT_EQ(preview->MaxPage->text(), "1 of 3");
    QTest::mouseClick(preview->btnNext, Qt::LeftButton);
    EXPECT_EQ(preview->MaxPage->text(), "2 of 3");
    QTest::mouseClick(preview->btnLast, Qt::LeftButton);
    QTest::mouseClick(preview->btnNext, Qt::LeftButton);  // stays on the last page
    EXPECT_EQ(preview->MaxPage->text(), "3 of 3");
    QTest::mouseClick(preview->btnFirst, Qt::LeftButton);
    QTest::mouseClick(preview->btnPrev, Qt::LeftButton);
    EXPECT_EQ(preview->Page(), 1);
    EXPECT_EQ(preview->btnPrint->toolTip(), "Click this button to print your return");
}

TEST_F(PreviewTest, ClicksZoomInAndOutButStopAtTheClamps) {
    Open();
    for (int i = 0; i < 10; ++i)
        QTest::mouseClick(preview->PageImage, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_DOUBLE_EQ(preview->Zoom(), TPreviewForm::MaxZoom);
    const int wide = preview->PageImage->width();
    for (int i = 0; i < 15; ++i)
        QTest::mouseClick(preview->PageImage, Qt::RightButton, {}, QPoint(20, 20));
    EXPECT_DOUBLE_EQ(preview->Zoom(), TPreviewForm::MinZoom);
    EXPECT_NEAR(preview->PageImage->width() * 4, wide, 4);  // a quarter, to the pixel
}

TEST_F(PreviewTest, PageDownTurnsThePageAtTheBottomAndPageUpGoesBackToTheBottom) {
    Open();
    QScrollBar* v = preview->ScrollBox->verticalScrollBar();
    ASSERT_GT(v->maximum(), 0);  // the page is taller than the box at page width
    while (v->value() < v->maximum()) QTest::keyClick(preview->ScrollBox, Qt::Key_PageDown);
    EXPECT_EQ(preview->Page(), 1);
    QTest::keyClick(preview->ScrollBox, Qt::Key_PageDown);
    EXPECT_EQ(preview->Page(), 2);
    EXPECT_EQ(v->value(), 0);
    QTest::keyClick(preview->ScrollBox, Qt::Key_PageUp);
    EXPECT_EQ(preview->Page(), 1);
    EXPECT_EQ(v->value(), v->maximum());
    // At the bottom of the last page Page Down does nothing more.
    QTest::mouseClick(preview->btnLast, Qt::LeftButton);
    for (int i = 0; i < 20; ++i) QTest::keyClick(preview->ScrollBox, Qt::Key_PageDown);
    EXPECT_EQ(preview->Page(), 3);
    EXPECT_EQ(v->value(), v->maximum());
}

TEST_F(PreviewTest, PrintingAllPagesNamesTheJobAndDrawsEachPage) {
    Open();
    QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
    EXPECT_EQ(printer.title, "Orvana workpapers");
    EXPECT_EQ(printer.printedPages, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(printer.ended);
    EXPECT_NE(printer.canvas.FindText("page 3"), nullptr);
    EXPECT_FALSE(preview->Busy());
}

TEST_F(PreviewTest, ATypedRangePrintsThosePagesAndABadOneExplainsItself) {
    Open();
    int beeps = 0;
    State().BeepHook = [&] { ++beeps; };
    // Alt+G picks "Pages", Tab moves on to the range field.
    preview->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview.get()));
    QTest::keyClick(preview.get(), Qt::Key_G, Qt::AltModifier);
    // A mnemonic presses the button after a short animation.
    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->PagesBtn->isChecked(); }, 2000));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), preview->TaxEdit1);
    QTest::keyClicks(preview->TaxEdit1, "3,1x");  // the letter is refused with a beep
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(preview->TaxEdit1->text(), "3,1");
    // "Print" shares its letter with "Save as PDF": Alt+P moves the focus, Space prints.
    for (int press = 0; press < 2 && QApplication::focusWidget() != preview->btnPrint; ++press)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), preview->btnPrint);
    EXPECT_TRUE(printer.printedPages.empty());
    QTest::keyClick(preview->btnPrint, Qt::Key_Space);
    EXPECT_EQ(printer.printedPages.size(), 2u);
    EXPECT_EQ(printer.canvas.FindText("page 2"), nullptr);

    printer.printedPages.clear();
    QTest::mouseClick(preview->TaxEdit1, Qt::LeftButton);
    QTest::keyClick(preview->TaxEdit1, Qt::Key_End);
    QTest::keyClicks(preview->TaxEdit1, ",");
    QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
    EXPECT_TRUE(printer.printedPages.empty());
    EXPECT_EQ(responder->LastText(),
              "\"3,1,\" is not a valid page range. You must specify a valid range of pages "
              "before printing.\n\rAn example of a correct page range is \"1 - 3\".");
    QTest::mouseClick(preview->AllBtn, Qt::LeftButton);
    EXPECT_EQ(preview->TaxEdit1->text(), "");
}

TEST_F(PreviewTest, ThePageRangeFieldFiltersPastedTextAndAnEditPicksPages) {
    Open();
    int beeps = 0;
    State().BeepHook = [&] { ++beeps; };
    QApplication::clipboard()->setText("1-2, page 3+");
    QTest::mouseClick(preview->TaxEdit1, Qt::LeftButton);
    QTest::keyClick(preview->TaxEdit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(preview->TaxEdit1->text(), "1-2,  3+");
    EXPECT_GT(beeps, 0);
    EXPECT_TRUE(preview->PagesBtn->isChecked());
    QTest::keyClick(preview->TaxEdit1, Qt::Key_Backspace);
    // Leaving the field keeps what was typed; printing takes the range.
    QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
    EXPECT_EQ(preview->TaxEdit1->text(), "1-2,  3");
    EXPECT_EQ(printer.printedPages, (std::vector<int>{1, 2, 3}));
}

TEST_F(PreviewTest, WithoutAPrinterPrintingSaysSoAndThePageIsA4) {
    Open(false);
    EXPECT_EQ(preview->Report().PageWidth(), 210);
    QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
    EXPECT_EQ(responder->LastText(), "Printer is not set. Cannot print.");
}

TEST_F(PreviewTest, ClosingAndEscapeAreRefusedWhilePrintingAndCancelStopsAfterThePage) {
    Open();
    TFPrinting* printing = nullptr;
    printer.betweenPages = [&] {
        printing = preview->findChild<TFPrinting*>();
        ASSERT_NE(printing, nullptr);
        EXPECT_TRUE(printing->isVisible());
        EXPECT_EQ(printing->windowTitle(), "Printing");
        EXPECT_TRUE(preview->Busy());
        QTest::mouseClick(preview->BtnExit, Qt::LeftButton);
        QTest::keyClick(preview.get(), Qt::Key_Escape);
        EXPECT_TRUE(preview->isVisible());
        QTest::mouseClick(printing->CancelBtn, Qt::LeftButton);
    };
    QTest::mouseClick(preview->btnPrint, Qt::LeftButton);
    EXPECT_EQ(printer.printedPages, std::vector<int>{1});
    EXPECT_TRUE(printer.aborted);
    EXPECT_FALSE(preview->Busy());
    EXPECT_TRUE(preview->isVisible());
    QTest::mouseClick(preview->BtnExit, Qt::LeftButton);
    EXPECT_FALSE(preview->isVisible());
}

TEST_F(PreviewTest, ThePrintingWindowCyclesItsFramesAndShowsThePage) {
    Open();
    TFPrinting printing(preview->Report());
    printing.show();
    EXPECT_EQ(printing.Frame(), 1);
    EXPECT_TRUE(printing.Timer->isActive());
    EXPECT_EQ(printing.Timer->interval(), 500);
    printing.TimerTick();
    printing.TimerTick();
    EXPECT_EQ(printing.Frame(), 3);
    preview->Report().PrintingPage = 2;
    printing.TimerTick();
    EXPECT_EQ(printing.Frame(), 1);
    EXPECT_EQ(printing.PrintingLabel->text(), "Printing page 2");
    printing.close();
    EXPECT_FALSE(printing.Timer->isActive());
}

TEST_F(PreviewTest, SaveAsPdfWritesEveryPage) {
    Open();
    const QString path = QDir::temp().filePath("orvana-preview-test.pdf");
    QFile::remove(path);
    preview->ChoosePdfFile = [&] { return path; };
    QTest::mouseClick(preview->btnSavePdf, Qt::LeftButton);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), 3);
    pdf.remove();
}

TEST_F(PreviewTest, SaveAsPdfIsOwnerOnlyAndNeverTakesTheReturnsPlace) {
    Open();
    TempDir dir;
    const std::string returnFile = dir.File("R.TAX"), backup = dir.File("R.BAK");
    std::ofstream(returnFile) << "the return";
    std::ofstream(backup) << "its backup";
    State().CurrentFileName = returnFile;
    std::filesystem::create_symlink(returnFile, dir.File("RETURN.pdf"));
    std::filesystem::create_symlink(backup, dir.File("BACKUP.pdf"));
    std::filesystem::create_directory(dir.File("FOLDER.pdf"));
    QString chosen;
    preview->ChoosePdfFile = [&] { return chosen; };
    const struct {
        std::string name, why;
    } refused[] = {{"RETURN.pdf", "the return itself"},
                   {"BACKUP.pdf", "the return's backup"},
                   {"FOLDER.pdf", "not a regular file"}};
    for (const auto& [name, why] : refused) {
        SCOPED_TRACE(name);
        responder->Clear();
        chosen = QString::fromStdString(dir.File(name));
        QTest::mouseClick(preview->btnSavePdf, Qt::LeftButton);
        ASSERT_EQ(responder->Count(), 1u);
        EXPECT_EQ(responder->LastText().rfind("The PDF file could not be written: ", 0), 0u);
        EXPECT_NE(responder->LastText().find(why), std::string::npos) << responder->LastText();
    }
    EXPECT_EQ(Slurp(returnFile), "the return");
    EXPECT_EQ(Slurp(backup), "its backup");

    const mode_t usual = umask(022);
    responder->Clear();
    chosen = QString::fromStdString(dir.File("OUT"));  // ".pdf" is added
    QTest::mouseClick(preview->btnSavePdf, Qt::LeftButton);
    umask(usual);
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    EXPECT_EQ(Slurp(dir.File("OUT.pdf")).rfind("%PDF", 0), 0u);
    EXPECT_EQ(std::filesystem::status(dir.File("OUT.pdf")).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}
