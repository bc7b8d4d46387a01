// Every asset path walked through the loaded module as a taxpayer walks it: from the events
// question, an asset typed with real keys and clicks (its type chosen from the list with the
// keyboard), a cost typed into the cost elements table with its element picked from the
// list, payments where the path has them, the event and the deferral answers. The host then
// releases the module, and the saved file holds exactly those answers in the item.

#include <map>

#include "base/text_encoding.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"
#include "typed_asset.h"

namespace {

struct PathCase {
    const char* name;
    int gate, worksheet;
    int after;  // the screen after the deferral screen
    const char* typeCode;
    TypedAsset asset;
    std::map<int, std::string> answers;  // deferral and exemption fields of the item
};

}  // namespace

class AssetPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(AssetPaths, TypedAssetReachesTheFile) {
    const PathCase& path = GetParam();
    TempDir dir;
    const std::string file = dir.File("ASSET.TAX");
    LoadedModule module;
    ASSERT_TRUE(module.Loaded()) << dlerror();
    Host host;
    RunModule(module, host, file, path.gate);
    QWidget* window = ActiveModuleWindow();
    ASSERT_NE(window, nullptr);
    MessageWatch messages;
    Press(window, "BtnYes");
    TypeAssetThroughPath(window, path.asset);
    EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join('\n').toStdString();
    // Past the deferral screen: on to the summary, or the interview ends there where the
    // summary is not built.
    if (host.lastMessage == ORVANA_MSG_INTERVIEW_FINISHED)
        EXPECT_EQ(module.failedScreen(), path.after);
    else
        EXPECT_EQ(ScreenId(window), QStringLiteral("Screen %1").arg(path.after));
    EXPECT_EQ(module.freeResources(), 1);

    SavedReturn saved(file);
    ASSERT_EQ(saved.result, OpenReadCompletely);
    const int k = path.worksheet;
    EXPECT_EQ(WorksheetItemCount(k), 1);
    EXPECT_EQ(ItemField(k, 710), "First Asset");
    EXPECT_EQ(TrimmedText(ItemField(k, 714)), path.typeCode);
    EXPECT_EQ(ItemField(k, 726), "01/07/2000");
    EXPECT_EQ(ItemField(k, 737),
              "2B - Incidentals re specific CGT event|01/08/2000||Legal fees|150.00|||");
    EXPECT_EQ(ItemField(k, 739), "01/03/2006");
    EXPECT_EQ(ItemField(k, 742), path.asset.depreciating ? "500" : "9000");
    for (const auto& [field, text] : path.answers) EXPECT_EQ(ItemField(k, field), text) << field;
    if (path.asset.payments == 1) {
        EXPECT_EQ(ItemField(k, 738), "01/07/2004||Return of capital|100.00||");
        EXPECT_EQ(ItemField(k, 748), "G1");
    } else if (path.asset.payments == 2) {
        // The event date is the end of the income year of the payment.
        EXPECT_EQ(ItemField(k, 738), "01/08/2000|30/06/2001|Tax deferred||100.00|||");
        EXPECT_EQ(ItemField(k, 748), "E4");
    } else {
        EXPECT_EQ(ItemField(k, 738), "");
        EXPECT_EQ(ItemField(k, 748), "");
    }
    EXPECT_EQ(ItemField(k, 1150), path.asset.payments != 0 ? "ON" : "");
    if (path.asset.depreciating) {
        EXPECT_EQ(ItemField(k, 715), "2000");
        // A percentage is kept as the text it shows.
        EXPECT_EQ(ItemField(k, 711), "60.00%");
        EXPECT_EQ(ItemField(k, 1197), "X");
    }
}

namespace {

// Each path's asset is typed from its list, with the element "2B" as its one cost.
TypedAsset PathAsset(const char* typeKeys, int payments, std::vector<const char*> boxes,
                     bool depreciating = false) {
    return {.typeKeys = typeKeys,
            .payments = payments,
            .depreciating = depreciating,
            .proceeds = depreciating ? "500" : "9000",
            .deferralBoxes = std::move(boxes)};
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    EveryPath, AssetPaths,
    ::testing::Values(
        // Scrip for scrip Yes answers the marriage breakdown question No.
        PathCase{"Shares",
                 2007,
                 451,
                 2015,
                 "SA",
                 PathAsset("SA", 1, {"Q2YesCheckBox", "ScripforScripYesCheckBox", "Q1CheckBox"}),
                 {{720, "X"}, {721, ""}, {722, ""}, {723, "X"}, {724, "X"}, {725, ""}, {746, "X"}}},
        // Marriage breakdown Yes answers scrip for scrip No.
        PathCase{"TrustInterests",
                 2020,
                 452,
                 2028,
                 "UN",
                 PathAsset("UN", 2, {"Q2YesCheckBox", "Q3YesCheckBox"}),
                 {{720, "X"}, {721, ""}, {722, "X"}, {723, ""}, {724, ""}, {725, "X"}, {746, ""}}},
        PathCase{"RealEstate",
                 2033,
                 454,
                 2040,
                 "RA",
                 PathAsset("RA", 0, {"Q2NoCheckBox", "Q1CheckBox"}),
                 {{720, ""}, {721, "X"}, {722, ""}, {723, ""}, {746, "X"}}},
        PathCase{"DepreciatingAssets",
                 2043,
                 458,
                 2050,
                 "ON",
                 PathAsset("ON", 0, {"Q2YesCheckBox", "Q3NoCheckBox"}, true),
                 {{720, "X"}, {721, ""}, {722, ""}, {723, "X"}, {746, ""}}},
        PathCase{"Collectables",
                 2053,
                 455,
                 2060,
                 "A",
                 PathAsset("A", 0, {"Q2NoCheckBox"}),
                 {{720, ""}, {721, "X"}, {746, ""}}},
        PathCase{"IntangibleAssets",
                 2063,
                 456,
                 2070,
                 "G",
                 PathAsset("G", 0, {"Q2NoCheckBox", "Q1CheckBox"}),
                 {{720, ""}, {721, "X"}, {746, "X"}}}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });
