// Figures of the printed pages: the choice summary's lines and the worksheet's note on the
// method used, from a return whose choices the module made.

#include <gtest/gtest.h>
#include <algorithm>

#include "calc/page_figures.h"
#include "choice_fixture.h"

namespace {

constexpr int fNetCapitalGain = 1578;

class PageFiguresTest : public ChoiceTest {
protected:
    // Indexed chosen with other losses, discount only, a collectable gain taking collectable
    // losses, a deferred gain, a collectable loss; the choices made and saved as calc does.
    void SetUp() override {
        ChoiceTest::SetUp();
        SetFieldVal(fPriorCollectableLosses, 300);
        SetFieldVal(fPriorOtherLosses, 1000);
        oldShares = AddDisposal(451, {"Old shares", "SN", 9000, 20000});
        newShares = AddDisposal(
            451, {"New shares bought in the year before the sale of them", "SN", 0, 5001});
        AddDisposal(455, {"Painting", "A ", 0, 0, 700});
        AddDisposal(455, {"Stamps", "A ", 0, 0, 0, 200});
        farm = AddDisposal(454, {"Farm", "RN", 0, 0, 50000, 0, true});
        Open();
        MakeAllChoices(table);
        CommitChoiceTable(table);
        TextList grid;
        table.grid.SaveToList(grid);
        SetFieldLst(fChoiceGrid, std::move(grid));
        lines = ChoiceSummaryLines();
    }

    // The values of the line whose description is `text`.
    std::vector<std::string> Line(const std::string& text) const {
        for (size_t at = 0; at + ChoiceSummaryColumns <= lines.size(); at += ChoiceSummaryColumns)
            if (lines[at + csDescription] == text)
                return {lines.begin() + static_cast<long>(at),
                        lines.begin() + static_cast<long>(at + ChoiceSummaryColumns)};
        ADD_FAILURE() << "no line " << text;
        return std::vector<std::string>(ChoiceSummaryColumns);
    }
    static long double Number(const std::string& text) {
        std::string plain;
        for (char c : text)
            if (c != ',') plain += c;
        return plain.empty() ? 0 : std::stold(plain);
    }

    int oldShares = 0, newShares = 0, farm = 0;
    std::vector<std::string> lines;
};

TEST_F(PageFiguresTest, EachRowShowsTheGainItsMethodCountsAndComesToItsNetGain) {
    ASSERT_EQ(lines.size() % ChoiceSummaryColumns, 0u);
    const auto old = Line("Old shares - Disposal");
    EXPECT_EQ(old[csIndexed], "9,000");
    EXPECT_EQ(old[csDiscount], "20,000");  // shown, but not counted
    EXPECT_EQ(old[csMethod], "Indexed");
    EXPECT_EQ(old[csCounted], "9,000");
    EXPECT_EQ(old[csOtherApplied], "1,000");
    EXPECT_EQ(old[csDiscountTaken], "");
    EXPECT_EQ(old[csNet], "8,000.00");
    // A long description goes on to a second line of its own.
    const auto fresh = Line("New shares bought in the year before the sale of");
    EXPECT_EQ(fresh[csMethod], "Discount");
    EXPECT_EQ(fresh[csCounted], "5,001");
    EXPECT_EQ(fresh[csDiscountTaken], "2,500.50");
    EXPECT_EQ(fresh[csNet], "2,500.50");
    EXPECT_EQ(Line("them - Disposal")[csNet], "");
    const auto painting = Line("Painting - Disposal");
    EXPECT_EQ(painting[csCollectableApplied], "500");
    EXPECT_EQ(painting[csNet], "200.00");
    const auto stamps = Line("Stamps - Disposal");
    EXPECT_EQ(stamps[csLoss], "200");
    EXPECT_EQ(stamps[csCounted], "");
    EXPECT_EQ(stamps[csNet], "");
    const auto deferred = Line("Farm - Disposal");
    EXPECT_EQ(deferred[csMethod], "Deferred");
    EXPECT_EQ(deferred[csCounted], "");
    EXPECT_EQ(deferred[csNet], "0.00");

    // Every line: the gain counted less the losses applied and the discount is its net gain.
    for (size_t at = 0; at + ChoiceSummaryColumns <= lines.size(); at += ChoiceSummaryColumns) {
        if (lines[at + csCounted].empty()) continue;
        const long double rest =
            Number(lines[at + csCounted]) - Number(lines[at + csCollectableApplied]) -
            Number(lines[at + csOtherApplied]) - Number(lines[at + csDiscountTaken]);
        EXPECT_NEAR(static_cast<double>(rest), static_cast<double>(Number(lines[at + csNet])),
                    0.001)
            << lines[at + csDescription];
    }
}

TEST_F(PageFiguresTest, TotalsAreThoseOfTheMethodsUsedAndTheSumComesToTheNetCapitalGain) {
    const auto totals = Line("Totals");
    EXPECT_EQ(totals[csIndexed], "");  // gains nobody chose are not added up
    EXPECT_EQ(totals[csDiscount], "");
    EXPECT_EQ(totals[csCounted], "14,701");  // 9,000 + 5,001 + 700
    EXPECT_EQ(totals[csCollectableApplied], "500");
    EXPECT_EQ(totals[csOtherApplied], "1,000");
    EXPECT_EQ(totals[csDiscountTaken], "2,500.50");
    EXPECT_EQ(totals[csLoss], "200");
    EXPECT_EQ(totals[csNet], "10,700.50");
    EXPECT_EQ(Line("Capital gains counted under the methods used")[csNet], "14,701.00");
    EXPECT_EQ(Line("Less collectable losses applied")[csNet], "500.00");
    EXPECT_EQ(Line("Less other capital losses applied")[csNet], "1,000.00");
    EXPECT_EQ(Line("Less the CGT discount")[csNet], "2,500.50");
    EXPECT_EQ(Line("Net capital gain (whole dollars)")[csNet], "10,700.00");
    // The half dollar of an odd discount gain goes to the taxpayer on the schedule too: the
    // return's net capital gain is the page's, so no second figure is printed.
    EXPECT_EQ(GetFieldVal(fNetCapitalGain), 10700);
    EXPECT_EQ(
        std::count(lines.begin(), lines.end(), "Net capital gain of the return (CGT schedule)"), 0);
    EXPECT_EQ(Line("Capital losses of this year from collectables")[csNet], "200.00");
    EXPECT_EQ(Line("Collectable losses carried forward")[csNet], "0.00");  // 200 + 300 - 500
    EXPECT_EQ(Line("Other losses carried forward")[csNet], "0.00");
    EXPECT_EQ(CollectableLossesOfTheYear(), 200);
}

TEST_F(PageFiguresTest, TheWorksheetNoteNamesTheMethodUsedOnceTheChoiceIsSaved) {
    GetWorksheetItem(451, oldShares);
    EXPECT_EQ(WorksheetChoiceNote(),
              "Method chosen in the choice table: indexation. Indexed gain $9,000 less capital "
              "losses applied $1,000 = net capital gain $8,000.00.");
    GetWorksheetItem(451, newShares);
    EXPECT_EQ(WorksheetChoiceNote(),
              "Method used in the choice table: discount. Discount gain $5,001 less capital "
              "losses applied $0 = $5,001, less the CGT discount of 50% ($2,500.50) = net "
              "capital gain $2,500.50.");
    GetWorksheetItem(454, farm);
    EXPECT_EQ(WorksheetChoiceNote(),
              "In the choice table this gain was deferred: it is not counted this year.");

    // Before the choice table saved the item, the note the summary stored is printed.
    ZeroScratchFields();
    SetFieldChecked(fProceedsAboveZero);
    SetFieldVal(fIndexedGain, 100);
    SetFieldVal(fDiscountGain, 300);
    SetFieldStr(fMessage2, "Later in the interview you will be required to choose.");
    EXPECT_EQ(WorksheetChoiceNote(), "Later in the interview you will be required to choose.");
    const PageFigureLines figures = PageFigures("cgtwsht");
    ASSERT_EQ(figures.count(figWorksheetChoiceNote), 1u);
    EXPECT_EQ(figures.at(figWorksheetChoiceNote).front(),
              "Later in the interview you will be required to choose.");
    EXPECT_TRUE(PageFigures("CGTASSET").empty());
}

}  // namespace
