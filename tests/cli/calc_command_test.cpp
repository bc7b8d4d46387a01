// "orvana-tax calc" as support staff run it: what it writes, what it refuses and why.

#include <map>

#include "base/module_state.h"
#include "orvana_tax_fixture.h"
#include "store/data_file.h"
#include "store/field_store.h"

namespace {

constexpr const char* Tfn = "123 456 782";

class CalcCommandTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        ResetModuleState();
        AllocateFieldStore();
        State().IdentifierText = Tfn;
        SetFieldStr(1, Tfn);
    }
    void TearDown() override { ReleaseFieldStore(); }

    // A manual table row: description, type, other gain, loss, can the gain be deferred.
    static void Manual(const std::string& name, const std::string& type, const std::string& other,
                       const std::string& loss, const std::string& canDefer = "") {
        TextList list;
        if (const TextList* held = GetFieldLst(1201)) list = *held;
        const size_t base = list.size();
        list.resize(base + 21);
        list[base + 1] = name;
        list[base + 2] = type;
        list[base + 7] = other;
        list[base + 8] = loss;
        list[base + 9] = canDefer;
        SetFieldLst(1201, std::move(list));
    }
    void Write() { ASSERT_EQ(SaveDataFile(file), 0); }

    ToolRun Calc(std::vector<std::string> options = {}) {
        std::vector<std::string> args = {"calc", file, "--tfn", Tfn};
        args.insert(args.end(), options.begin(), options.end());
        return Tax(args);
    }
    std::string Backup() const { return fs::path(file).replace_extension(".BAK").string(); }
};

TEST_F(CalcCommandTest, BrokenChoiceIsRefusedAndNothingIsWritten) {
    Manual("Coin", "A", "1000", "");
    Manual("Stamp", "A", "", "300");
    Write();
    const std::string before = Slurp(file);
    const ToolRun run = Calc({"--json"});
    ExpectOneErrorLine(run, 3,
                       "Collectable losses must be applied until available collectable gains "
                       "are exhausted.");
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(Slurp(file), before);
    EXPECT_FALSE(fs::exists(Backup()));
}

TEST_F(CalcCommandTest, DeferralLeftUnansweredIsRefusedUntilTheModuleAnswers) {
    Manual("Roll-over", "ON", "900", "", "Yes");
    Write();
    ExpectOneErrorLine(Calc(), 3,
                       "You must advise if you wish to defer a gain that can be deferred.");
    const ToolRun run = Calc({"--auto"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(CalcCommandTest, ChoicesMadeOnceAreKeptInTheFileWithItsBackup) {
    Manual("Coin", "A", "1000", "");
    Manual("Stamp", "A", "", "300");
    Write();
    const std::string before = Slurp(file);
    ASSERT_EQ(Calc({"--auto"}).status, 0);
    EXPECT_EQ(Slurp(Backup()), before);
    // The applied loss was saved into the table: without --auto the table now passes.
    const ToolRun again = Calc({"--json"});
    ASSERT_EQ(again.status, 0) << again.err;
    const json result = json::parse(again.out);
    EXPECT_EQ(result["returnLabels"]["module"]["netCapitalGain"]["value"], 700);
    EXPECT_EQ(result["choiceTable"][0]["collectableLossApplied"], 300);
}

TEST_F(CalcCommandTest, DryRunPrintsButLeavesTheFileAlone) {
    Manual("Shares held a month", "SN", "500", "");
    Write();
    const std::string before = Slurp(file);
    const ToolRun run = Calc({"--dry-run", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["schedule"]["partH"]["netCapitalGain"]["total"]["value"], 500);
    EXPECT_EQ(Slurp(file), before);
    EXPECT_FALSE(fs::exists(Backup()));
}

TEST_F(CalcCommandTest, BadFilesAndArgumentsGetOneLine) {
    Write();
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", "987 654 321"}), 1, "RETURN.TAX");
    {
        std::ofstream junk(dir.File("JUNK.TAX"), std::ios::binary);
        junk << "this is not a return at all, just some text that is long enough";
    }
    ExpectOneErrorLine(Tax({"calc", dir.File("JUNK.TAX"), "--tfn", Tfn}), 1, "JUNK.TAX");
    ExpectOneErrorLine(Tax({"calc", dir.File("NONE.TAX"), "--tfn", Tfn}), 1, "no such file");
    ExpectOneErrorLine(Tax({"calc", file}), 2, "--tfn");
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", Tfn, "--fast"}), 2, "--fast");
}

TEST_F(CalcCommandTest, EachActiveGainOfATrustCountsOnlyItsOwnElections) {
    // Active asset gains discounted 200 (800 before the trust's reductions) and other 500
    // (1,000). SBAAR 300 kept as one set for the record, before elections were kept per
    // gain: it is the last row's, the other gain's, and counts once.
    TextList trust(41);
    trust[0] = "Fund";
    trust[8] = "200";
    trust[9] = "500";
    trust[38] = "300";
    SetFieldLst(1215, trust);
    Write();
    ToolRun run = Calc({"--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json reduction = json::parse(run.out)["schedule"]["partG"]["activeAssetReduction"];
    EXPECT_EQ(CalcAmount(reduction["discount"]), 0);
    EXPECT_EQ(CalcAmount(reduction["other"]), 300);
    // The tool reads the kept elections and leaves them as they are.
    EXPECT_EQ(DumpJson(file)["fields"]["1215"]["value"][38], "300");

    // SBRE 150 kept with the discounted gain only.
    trust[38] = "";
    trust[39] = ";150;";
    SetFieldLst(1215, trust);
    Write();
    run = Calc({"--json", "--dry-run"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json partG = json::parse(run.out)["schedule"]["partG"];
    EXPECT_EQ(CalcAmount(partG["retirementExemption"]["discount"]), 150);
    EXPECT_EQ(CalcAmount(partG["retirementExemption"]["other"]), 0);
    EXPECT_EQ(CalcAmount(partG["activeAssetReduction"]["discount"]) +
                  CalcAmount(partG["activeAssetReduction"]["other"]),
              0);
}

TEST_F(CalcCommandTest, TheReturnIsSavedUnderTheTfnItOpensWith) {
    // Written by another program: keyed with the TFN, field 1 empty.
    ClearField(1);
    Manual("Shares held a month", "SN", "500", "");
    Write();
    ASSERT_EQ(Calc().status, 0);
    EXPECT_EQ(DumpJson(file)["fields"]["1"]["value"], Tfn);
    ExpectOneErrorLine(Tax({"check", file, "--tfn", "no digits"}), 1, "RETURN.TAX");
    ASSERT_EQ(Tax({"set", file, "--tfn", "123456782", "397=text:Alex"}).status, 0);
    EXPECT_EQ(DumpJson(file)["fields"]["1"]["value"], Tfn);

    // Field 1 holding other digits than the TFN it opens with: damaged, neither calculated
    // nor changed.
    SetFieldStr(1, "876 543 210");
    Write();
    const std::string before = Slurp(file);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"calc", file, "--tfn", Tfn},
          std::vector<std::string>{"set", file, "--tfn", Tfn, "397=text:Alex"}})
        ExpectOneErrorLine(Tax(args), 1, "field 1 holds another TFN than the one it opens with");
    EXPECT_EQ(Slurp(file), before);
}

TEST_F(CalcCommandTest, LodgedReturnIsNotRecalculated) {
    Manual("Shares held a month", "SN", "500", "");
    Write();
    // Lodgment details: the save that stores them freezes the return.
    ASSERT_EQ(Tax({"set", file, "--tfn", Tfn, "1479=text:REF1", "1478=text:01/07/2006",
                   "1490=text:10:00"})
                  .status,
              0);
    const std::string before = Slurp(file);
    ExpectOneErrorLine(Calc(), 1, "lodged");
    EXPECT_EQ(Slurp(file), before);
}

// A return typed in with new and set: a shop sold with an SBAA election kept in its item, a
// farm whose gain the 15-year exemption disregards, and a manual goodwill gain whose
// elections are kept in its record. The interview's concession screens give the same.
class ConcessionReturnTest : public OrvanaTaxTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Tax({"new", file, "--tfn", Tfn, "--name", "Alex Sample"}).status, 0);
        Set({"1205.1.710=text:Shop", "1205.1.714=text:RA", "1205.1.726=text:15/08/2000",
             "1205.1.737=lines:1|15/08/2000|15/08/2000|Purchase|1000|||",
             "1205.1.739=text:15/10/2005", "1205.1.742=currency:3000",
             "1205.1.719=lines:SBAA concessions|500.00||"});
        Set({"1205.2.710=text:Farm", "1205.2.714=text:RA", "1205.2.726=text:15/08/2000",
             "1205.2.737=lines:1|15/08/2000|15/08/2000|Purchase|5000|||",
             "1205.2.739=text:15/10/2005", "1205.2.742=currency:9000", "1205.2.746=check"});
        // Description, type, discount gain; SBAAR and SBRO in columns 16 and 18.
        Set({"1201=lines:|Goodwill|G ||600||||||||||||150.00||20.00||"});
    }
    void Set(std::vector<std::string> assignments) {
        assignments.insert(assignments.begin(), {"set", file, "--tfn", Tfn});
        const ToolRun run = Tax(assignments);
        ASSERT_EQ(run.status, 0) << run.err;
    }
};

TEST_F(ConcessionReturnTest, ConcessionAndFifteenYearTotalsComeFromTheKeptElections) {
    const ToolRun run = Tax({"calc", file, "--tfn", Tfn, "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = json::parse(run.out);
    const json& schedule = result["schedule"];
    EXPECT_EQ(CalcAmount(schedule["partE"]["total"]["discount"]), 2600);
    // 500 on the shop, 150 on the goodwill.
    EXPECT_EQ(CalcAmount(schedule["partG"]["activeAssetReduction"]["discount"]), 650);
    EXPECT_EQ(CalcAmount(schedule["partG"]["rollOver"]["discount"]), 20);
    EXPECT_EQ(CalcAmount(schedule["partH"]["reductions"]["indexed"]), 0);
    EXPECT_EQ(CalcAmount(schedule["partH"]["reductions"]["discount"]), 1300 + 650 + 20);
    EXPECT_EQ(CalcAmount(schedule["partH"]["netCapitalGain"]["discount"]), 630);
    EXPECT_EQ(CalcAmount(schedule["partH"]["netCapitalGain"]["total"]), 630);
    EXPECT_EQ(CalcAmount(schedule["partJ"]["exemptGains"]), 4000);  // the farm
    EXPECT_EQ(schedule["partJ"]["code"], json({{"value", "R"}, {"field", 1135}}));
    EXPECT_EQ(CalcAmount(result["returnLabels"]["module"]["netCapitalGain"]), 630);
    EXPECT_EQ(result["netCapitalGain"], json({{"value", 630}, {"field", 1578}}));

    // An election above half its gain is refused like the screen refuses it.
    Set({"1201=lines:|Goodwill|G ||600||||||||||||150.01||||"});
    const std::string before = Slurp(file);
    ExpectOneErrorLine(Tax({"calc", file, "--tfn", Tfn}), 3,
                       "Check amount. SBAA concession cannot be greater than 50% of net capital "
                       "gain.");
    EXPECT_EQ(Slurp(file), before);
}

// Shares written by another program with proceeds of -5,000, and shares sold after the
// year ended: the loss is counted with proceeds of 0, the later gain counts, and both are
// named in the text and the JSON output.
class NoticeReturnTest : public ConcessionReturnTest {
protected:
    void SetUp() override {
        ASSERT_EQ(Tax({"new", file, "--tfn", Tfn, "--name", "Alex Sample"}).status, 0);
        Set({"1202.1.710=text:Minus Parcel", "1202.1.714=text:SN", "1202.1.726=text:01/07/2000",
             "1202.1.737=lines:1|01/07/2000|01/07/2000|Purchase|5000|||",
             "1202.1.739=text:01/03/2006", "1202.1.742=currency:-5000", "1202.1.721=check"});
        Set({"1202.2.710=text:Late Parcel", "1202.2.714=text:SN", "1202.2.726=text:01/07/2000",
             "1202.2.737=lines:1|01/07/2000|01/07/2000|Purchase|1000|||",
             "1202.2.739=text:01/07/2006", "1202.2.742=currency:21000", "1202.2.721=check"});
    }
};

TEST_F(NoticeReturnTest, NegativeProceedsCountAsZeroAndEventsOutsideTheYearAreNamed) {
    const ToolRun run = Tax({"calc", file, "--tfn", Tfn, "--auto", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = json::parse(run.out);
    const json& assets = result["assets"];
    ASSERT_EQ(assets.size(), 2u);
    EXPECT_EQ(assets[0]["results"]["proceedsAboveZero"]["value"], true);
    EXPECT_EQ(assets[0]["results"]["loss"], json({{"value", 5000}, {"field", 1141}}));
    // 20,000 less the 5,000 loss, halved by the discount.
    EXPECT_EQ(result["netCapitalGain"]["value"], 7500);
    EXPECT_EQ(CalcAmount(result["returnLabels"]["module"]["netCapitalGain"]), 7500);
    const json& notices = result["notices"];
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0]["name"], "Minus Parcel");
    EXPECT_EQ(notices[0]["field"], 742);
    EXPECT_EQ(notices[0]["text"], "Capital proceeds of -5000 cannot be negative and counts as 0");
    EXPECT_EQ(notices[1]["worksheet"], 451);
    EXPECT_EQ(notices[1]["item"], 2);
    EXPECT_EQ(notices[1]["field"], 739);
    EXPECT_EQ(notices[1]["text"],
              "The CGT event on 01/07/2006 falls outside 1 July 2005 to 30 June 2006; its gain "
              "or loss counts in this year");

    const ToolRun text = Tax({"calc", file, "--tfn", Tfn});
    ASSERT_EQ(text.status, 0) << text.err;
    // The notices follow the summary, one line each.
    const std::string lines =
        "Minus Parcel (worksheet 451, item 1): Capital proceeds of -5000 cannot be "
        "negative and counts as 0\n"
        "Late Parcel (worksheet 451, item 2): The CGT event on 01/07/2006 falls outside 1 "
        "July 2005 to 30 June 2006; its gain or loss counts in this year\n";
    ASSERT_GT(text.out.size(), lines.size());
    EXPECT_EQ(text.out.substr(text.out.size() - lines.size()), lines);
    EXPECT_NE(text.out.find("Net capital gain: $7,500\n"), std::string::npos) << text.out;
}

}  // namespace
