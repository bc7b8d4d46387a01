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
    EXPECT_EQ(result["returnLabels"]["1578"], 700);
    EXPECT_EQ(result["choiceTable"][0]["Collect -able loss applied"], "300");
}

TEST_F(CalcCommandTest, DryRunPrintsButLeavesTheFileAlone) {
    Manual("Shares held a month", "SN", "500", "");
    Write();
    const std::string before = Slurp(file);
    const ToolRun run = Calc({"--dry-run", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["schedule"]["1131"], 500);
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

}  // namespace
