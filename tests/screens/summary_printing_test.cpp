// The summary screen's print buttons, clicked with the mouse: the preview's "Save as PDF"
// proposes a name beside the return and gives the page `orvana-tax print` gives for the
// saved return, the asset register's rows included, with the margins of paper.

#include <filesystem>

#include "asset_path_test_support.h"
#include "gui_test_util.h"
#include "module/build_text_variables.h"
#include "orvana_tax_tool.h"
#include "pdf_text.h"
#include "reports/tpreviewform.h"
#include "store/data_file.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123 456 782";
const std::string LongName = "Alexandra Catherine Montgomery-Whitfield";  // 40 characters

const PdfWord* Find(const PdfPage& page, const std::string& text) {
    for (const PdfWord& w : page)
        if (w.text == text) return &w;
    return nullptr;
}

}  // namespace

class SummaryPrinting : public AssetPathTest {
protected:
    void SetUp() override {
        AssetPathTest::SetUp();
        BuildTextVariables();
        State().IdentifierText = Tfn;
        SetFieldStr(1, "123456782");
        SetFieldStr(397, LongName);
        SetFieldStr(396, "14/08/2006");
        // Shares bought on 15/08/1990 for $10,000 and sold on 20/10/2005 for $30,000.
        AddItem(451, "Widget Shares", {{714, "SN"}, {726, "15/08/1990"}, {739, "20/10/2005"}});
        GetWorksheetItem(451, 1);
        SetFieldVal(742, 30000);
        SetFieldLst(737, {"1 - Purchase/Acquisition cost", "15/08/1990", "15/08/1990", "Cost",
                          "10000.00", "", "", ""});
        PutWorksheetItem(451, 1);
    }

    // Prints the report with the button, saves it through the preview under a name typed
    // without its extension, and closes the preview; the name the preview proposed.
    QString PrintAndSave(const char* button, const std::string& typed) {
        QString proposed;
        WhenModalOpens([&](QWidget* modal) {
            auto* preview = qobject_cast<TPreviewForm*>(modal);
            if (!preview) return;
            proposed = preview->ProposedPdfFile();
            preview->ChoosePdfFile = [&] { return QString::fromStdString(typed); };
            QTest::mouseClick(preview->btnSavePdf, Qt::LeftButton);
            QTest::mouseClick(preview->BtnExit, Qt::LeftButton);
        });
        QTest::mouseClick(Control(button), Qt::LeftButton);
        return proposed;
    }

    TempDir dir;
    std::string file = dir.File("WALK.TAX");
};

TEST_F(SummaryPrinting, TheRegisterSavedFromThePreviewIsThePageTheToolPrintsFromTheSavedReturn) {
    StartOnItem(451, 1, 2016);
    State().CurrentFileName = file;  // the return the interview opened
    const QString proposed = PrintAndSave("PrintAssRegtBtn", dir.File("interview"));
    EXPECT_EQ(proposed.toStdString(), dir.File("WALK-CGTASSET.pdf"));
    const std::string saved = dir.File("interview.pdf");
    ASSERT_TRUE(std::filesystem::exists(saved));

    // The item as the printing left it in the store is the saved return's item.
    ASSERT_EQ(SaveDataFile(file), 0);
    const std::string tool = dir.File("tool.pdf");
    ASSERT_EQ(RunOrvanaTax({"print", file, "--tfn", Tfn, "--report", "CGTASSET", "--item", "451.1",
                            "--pdf", tool},
                           dir.File("out.txt")),
              0);
    const auto fromPreview = PdfWords(saved, dir.File("a.html"));
    const auto fromTool = PdfWords(tool, dir.File("b.html"));
    ASSERT_EQ(fromPreview.size(), 1u);
    ASSERT_EQ(fromTool.size(), 1u);
    ASSERT_EQ(fromPreview[0].size(), fromTool[0].size());
    for (size_t i = 0; i < fromTool[0].size(); ++i) {
        const PdfWord &a = fromPreview[0][i], &b = fromTool[0][i];
        EXPECT_EQ(a.text, b.text);
        EXPECT_NEAR(a.xMin, b.xMin, 0.01) << a.text;
        EXPECT_NEAR(a.yMin, b.yMin, 0.01) << a.text;
    }

    // The register's rows are on it: the purchase and the proceeds.
    const PdfPage& page = fromTool[0];
    const std::string words = PdfAllWords(fromTool);
    for (const char* cell : {"15/08/1990", "10000.00", "30000.00"})
        EXPECT_NE(words.find(std::string(cell) + "\n"), std::string::npos) << cell << words;
    // The title stands below the paper's top margin (11 mm, 31 points), not at its edge.
    const PdfWord* title = Find(page, "Register");
    ASSERT_NE(title, nullptr);
    EXPECT_GT(title->yMin, 30.0);
    EXPECT_LT(title->yMin, 40.0);
    // The 40-character name ends before "Base date".
    const PdfWord* last = Find(page, "Montgomery-Whitfield");
    const PdfWord* base = Find(page, "Base");
    ASSERT_TRUE(last && base);
    EXPECT_LT(last->xMax, base->xMin);
    EXPECT_NEAR(last->yMin, base->yMin, 6);
}
