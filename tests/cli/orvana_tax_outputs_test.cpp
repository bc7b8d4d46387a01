// What orvana-tax writes beside the return (PDFs, temporary files, backups) and what it
// refuses to read or write over: the return itself, its backup, folders, pipes, devices.

#include <fcntl.h>
#include <unistd.h>

#include <chrono>

#include "folder_files.h"
#include "orvana_tax_fixture.h"

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// The usual umask of a desktop session while alive; the tool inherits it.
class UsualUmask {
public:
    UsualUmask() : previous_(umask(022)) {}
    ~UsualUmask() { umask(previous_); }

private:
    mode_t previous_;
};

class OrvanaTaxOutputsTest : public OrvanaTaxTest {
protected:
    // A return with a backup that differs from it.
    void SetUp() override {
        ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782", "--name", "Alex Sample"}).status, 0);
        ASSERT_EQ(Tax({"set", file, "--tfn", "123456782", "397=text:Robin Ashworth"}).status, 0);
        returnBytes = Slurp(file);
        backupBytes = Slurp(backup);
        ASSERT_NE(returnBytes, backupBytes);
    }
    ToolRun Print(const std::string& out) {
        return Tax({"print", file, "--tfn", "123456782", "--report", "CGTWSHT", "--pdf", out});
    }
    void ExpectReturnAndBackupAsTheyWere() {
        EXPECT_EQ(Slurp(file), returnBytes);
        EXPECT_EQ(Slurp(backup), backupBytes);
    }

    std::string backup = dir.File("RETURN.BAK");
    std::string returnBytes, backupBytes;
};

}  // namespace

TEST_F(OrvanaTaxOutputsTest, APdfNeverTakesThePlaceOfTheReturnItsBackupOrASpecialFile) {
    fs::create_directory(dir.File("FOLDER.pdf"));
    ASSERT_EQ(mkfifo(dir.File("PIPE.pdf").c_str(), 0600), 0);
    fs::create_symlink(file, dir.File("LINK.pdf"));
    fs::create_symlink(dir.File("OTHER"), dir.File("DANGLING.pdf"));
    const std::vector<std::string> before = FolderContents(dir.Path());
    const struct {
        std::string out, why;
    } refused[] = {
        {file, "the return itself"},
        {dir.File("./RETURN.TAX"), "the return itself"},
        {dir.File("LINK.pdf"), "the return itself"},
        {backup, "the return's backup"},
        {dir.File("../" + dir.Path().filename().string() + "/RETURN.BAK"), "the return's backup"},
        {dir.File("FOLDER.pdf"), "not a regular file"},
        {dir.File("PIPE.pdf"), "not a regular file"},
        {dir.File("DANGLING.pdf"), "not a regular file"},
        {"/dev/null", "not a regular file"},
    };
    for (const auto& [out, why] : refused) {
        SCOPED_TRACE(out);
        ExpectOneErrorLine(Print(out), 1, why);
        ExpectReturnAndBackupAsTheyWere();
        EXPECT_EQ(FolderContents(dir.Path()), before);
    }
    // A return with no backup yet keeps the backup's name free as well.
    fs::remove(backup);
    ExpectOneErrorLine(Print(backup), 1, "the return's backup");
    EXPECT_FALSE(fs::exists(backup));
    EXPECT_EQ(Tax({"check", file, "--tfn", "123456782"}).status, 0);
}

TEST_F(OrvanaTaxOutputsTest, APdfIsOwnerOnlyReplacesInOneStepAndNeverFollowsAPlantedName) {
    const UsualUmask usual;
    const std::string pdf = dir.File("out.pdf"), victim = scratch.File("victim");
    std::ofstream(victim) << "someone else's file";
    std::ofstream(pdf) << "an earlier copy";
    chmod(pdf.c_str(), 0644);
    fs::create_symlink(victim, pdf + ".part");
    std::ofstream(dir.File("out.pdf.XXXXXX")) << "the user's own file";

    const ToolRun run = Print(pdf);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Slurp(pdf).rfind("%PDF", 0), 0u);
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(pdf)));
    EXPECT_EQ(ModeOf(pdf), 0600u);
    EXPECT_EQ(Slurp(victim), "someone else's file");
    EXPECT_TRUE(fs::is_symlink(pdf + ".part"));
    EXPECT_EQ(Slurp(dir.File("out.pdf.XXXXXX")), "the user's own file");
    EXPECT_EQ(FolderContents(dir.Path()),
              (std::vector<std::string>{"RETURN.BAK", "RETURN.TAX", "out.pdf", "out.pdf.XXXXXX",
                                        "out.pdf.part"}));
    // A new name too.
    const std::string fresh = dir.File("fresh.pdf");
    ASSERT_EQ(Print(fresh).status, 0);
    EXPECT_EQ(ModeOf(fresh), 0600u);
}

TEST_F(OrvanaTaxOutputsTest, SetFromAFolderOrADeviceFailsAtOnceAndChangesNothing) {
    const auto started = std::chrono::steady_clock::now();
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123456782", "--from", dir.Path().string()}), 2,
                       "Is a directory");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123456782", "--from", "/dev/zero"}), 2,
                       "Not a regular file but a pipe, device or socket");
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    ExpectReturnAndBackupAsTheyWere();
}

TEST_F(OrvanaTaxOutputsTest, ASaveThatChangesNothingLeavesReturnAndBackupAlone) {
    const std::string answers = scratch.File("answers.txt");
    std::ofstream(answers) << "397=text:Robin Ashworth\n";
    ASSERT_EQ(Tax({"set", file, "--tfn", "123456782", "--from", answers}).status, 0);
    ASSERT_EQ(Tax({"set", file, "--tfn", "123456782", "397=text:Robin Ashworth"}).status, 0);
    ExpectReturnAndBackupAsTheyWere();
    // A change still rolls the backup on.
    ASSERT_EQ(Tax({"set", file, "--tfn", "123456782", "397=text:Kim Lee"}).status, 0);
    EXPECT_EQ(Slurp(backup), returnBytes);
    EXPECT_EQ(DumpJson(file).dump().find("Robin Ashworth"), std::string::npos);
}

TEST_F(OrvanaTaxOutputsTest, PipesDevicesAndAFolderAsBackupAreNamedForWhatTheyAre) {
    const std::string fifo = dir.File("PIPE.TAX");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& odd : {fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(odd);
        const ToolRun check = Tax({"check", odd, "--tfn", "123456782"});
        ExpectOneErrorLine(check, 1, "Not a regular file but a pipe, device or socket");
        EXPECT_EQ(check.err.find("Invalid argument"), std::string::npos);
    }
    ExpectOneErrorLine(Tax({"set", fifo, "--tfn", "123456782", "397=text:x"}), 1,
                       "Not a regular file but a pipe, device or socket");

    fs::remove(backup);
    fs::create_directory(backup);
    const ToolRun set = Tax({"set", file, "--tfn", "123456782", "397=text:Kim Lee"});
    ExpectOneErrorLine(set, 1, "The backup " + backup + " is a folder");
    EXPECT_EQ(Slurp(file), returnBytes);
    EXPECT_EQ(FolderContents(dir.Path()),
              (std::vector<std::string>{"PIPE.TAX", "RETURN.BAK", "RETURN.TAX"}));
}
