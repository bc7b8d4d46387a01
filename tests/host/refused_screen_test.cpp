// Screens refused on Next store nothing, in the loaded module with real keys: an SBAA
// election of the whole gain on the elections screen and unbalanced scrip for scrip entries
// are refused with their messages, and the return FreeDLLResources saves keeps its net
// capital gain, its elections and its roll-over figures.

#include "calc/asset_fields.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_columns.h"
#include "calc/return_labels.h"
#include "calc/scrip_for_scrip.h"
#include "orvana_tax_tool.h"
#include "screens/core/scrip_for_scrip_rules.h"
#include "temp_dir.h"
#include "typed_asset.h"

namespace {

constexpr int fElections = 719;

// An asset item's answers as its path stores them: one cost, its purchase, and its sale.
void AddSold(const char* name, const char* type, const char* acquired, const char* cost,
             long double proceeds) {
    ZeroScratchFields();
    SetFieldStr(fAssetName, name);
    SetFieldStr(fAssetType, type);
    SetFieldStr(fAcquisitionDate, acquired);
    SetFieldLst(fCostElements, {"1", acquired, acquired, name, cost, "", "", ""});
    SetFieldStr(fEventDate, "20/12/2005");
    SetFieldVal(fCapitalProceeds, proceeds);
}

// A shop sold at a discounted gain of 1,600 (a net gain of 800), and shares exchanged for
// shares, rolled over, with proceeds of 10,000; calculated by the tool as a finished
// return is.
void MakeReturn(const std::string& file, const std::string& scratch) {
    ResetModuleState();
    AllocateFieldStore();
    State().IdentifierText = Tfn;
    SetFieldStr(1, Tfn);
    AddSold("Shop", "RA", "15/08/2000", "1000", 2600);
    SetFieldChecked(fProceedsAboveZero);
    PutWorksheetItem(454, 1);
    AddSold("Alpha Mining Ltd", "SN", "01/02/2002", "6000", 10000);
    SetFieldChecked(fItemDeferrable);
    SetFieldChecked(fScripForScrip);
    SetFieldStr(fItemDefer, "Yes");
    PutWorksheetItem(451, 1);
    ZeroScratchFields();
    ASSERT_EQ(SaveDataFile(file), 0);
    ResetModuleState();
    ASSERT_EQ(RunOrvanaTax({"calc", file, "--tfn", Tfn, "--auto"}, scratch), 0);
}

void PressTo(QWidget* window, const char* button, int number) {
    Press(window, button);
    ASSERT_EQ(ScreenNumber(window), number);
}

}  // namespace

TEST(RefusedScreen, ARefusedElectionOrScripEntryIsNeitherStoredNorSaved) {
    TempDir dir;
    const std::string file = dir.File("REFUSED.TAX");
    ASSERT_NO_FATAL_FAILURE(MakeReturn(file, dir.File("calc.txt")));
    long double marketValues = 0, cash = 0;  // the roll-over totals as calculated
    {
        SavedReturn calculated(file);
        ASSERT_EQ(calculated.result, OpenReadCompletely);
        ASSERT_EQ(GetFieldVal(fModuleNetGain), 800);
        GetWorksheetItem(451, 1);
        ASSERT_EQ(GetFieldVal(fDiscountProceeds), 10000);
        GetWorksheetItem(ScheduleWorksheet, 1);
        marketValues = GetFieldVal(1138);
        cash = GetFieldVal(1139);
    }
    {
        LoadedModule module;
        ASSERT_TRUE(module.Loaded()) << dlerror();
        Host host;
        RunModule(module, host, file, 2103);
        QWidget* window = ActiveModuleWindow();
        ASSERT_NE(window, nullptr);
        MessageWatch messages;
        ASSERT_EQ(ScreenNumber(window), 2103);
        ASSERT_NO_FATAL_FAILURE(PressTo(window, "BtnNext", 2104));
        ASSERT_NE(EnterTable(window), nullptr);
        Keys("800");
        ASSERT_NO_FATAL_FAILURE(PressTo(window, "BtnNext", 2104));
        EXPECT_EQ(messages.Shown(),
                  "Check amount. SBAA concession cannot be greater than 50% of net capital gain.");
        EXPECT_EQ(module.freeResources(), 1);
    }
    {
        SavedReturn saved(file);
        ASSERT_EQ(saved.result, OpenReadCompletely);
        EXPECT_EQ(GetFieldVal(fModuleNetGain), 800);
        EXPECT_EQ(ItemField(454, fElections), "");
        GetWorksheetItem(ScheduleWorksheet, 1);
        EXPECT_EQ(GetFieldVal(1117), 0);
        EXPECT_EQ(GetFieldVal(1131), 800);
    }

    // Again, with half the gain, which passes, and on to unbalanced scrip for scrip entries.
    LoadedModule again;
    ASSERT_TRUE(again.Loaded()) << dlerror();
    Host secondHost;
    RunModule(again, secondHost, file, 2104);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    MessageWatch later;
    ASSERT_EQ(ScreenNumber(window), 2104);
    ASSERT_NE(EnterTable(window), nullptr);
    Keys("400");
    ASSERT_NO_FATAL_FAILURE(PressTo(window, "BtnNext", 2105));
    ASSERT_NO_FATAL_FAILURE(PressTo(window, "BtnNext", 2106));
    ASSERT_NE(EnterTable(window), nullptr);
    Keys("9000");
    Key(Qt::Key_Tab);
    Keys("999");
    ASSERT_NO_FATAL_FAILURE(PressTo(window, "BtnNext", 2106));
    EXPECT_EQ(later.Shown(), ScripBalanceMessage) << later.Shown().toStdString();
    EXPECT_EQ(again.freeResources(), 1);

    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    EXPECT_EQ(GetFieldVal(fModuleNetGain), 400);  // 1,600 less the discount and the election
    EXPECT_EQ(ItemField(454, fElections), "SBAA concessions|400.00||");
    EXPECT_EQ(ItemField(451, fReplacementValue), "");
    EXPECT_EQ(ItemField(451, fOtherConsideration), "");
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldVal(1117), 400);
    EXPECT_EQ(GetFieldVal(1138), marketValues);
    EXPECT_EQ(GetFieldVal(1139), cash);
}
