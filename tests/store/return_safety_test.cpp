// Saves and opens against real failures: a fault injected at each step of a save, crafted
// and special files, links, owners, stale temporary files, a second writer, and a return
// that could not be opened.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <optional>

#include "folder_files.h"
#include "return_file_fixture.h"
#include "scripted_responder.h"
#include "store/data_file.h"
#include "store/data_file_cipher.h"
#include "store/data_file_format.h"
#include "store/file_bytes.h"
#include "store/file_faults.h"
#include "store/return_lock.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace {

const std::vector<std::string> ReturnAndBackup = {"RETURN.BAK", "RETURN.TAX"};

class ReturnSafetyTest : public ReturnFileTest {
protected:
    // Two saves: a return and a backup that differ.
    void SaveTwoGenerations() {
        SetFieldStr(397, "first");
        ASSERT_EQ(SaveDataFile(name), 0);
        SetFieldStr(397, "second");
        ASSERT_EQ(SaveDataFile(name), 0);
        SetFieldStr(397, "third");
    }
    // What field 397 of the file reads as, opened with the right identifier.
    std::string NameIn(const std::string& path) {
        auto saved = std::move(State().Store);
        AllocateFieldStore();
        const int32_t result = OpenDataFile(path);
        const std::string text = result == OpenReadCompletely ? GetFieldStr(397) : "<unreadable>";
        State().Store = std::move(saved);
        return text;
    }
    void FailStep(FileStep failing, int error) {
        State().FileFaultHook = [failing, error](FileStep step) {
            return step == failing ? error : 0;
        };
    }
};

// Holds an advisory lock on a file from another process until the object goes.
class LockFromAnotherProcess {
public:
    explicit LockFromAnotherProcess(const std::string& path) {
        int ready[2];
        EXPECT_EQ(pipe(ready), 0);
        child_ = fork();
        if (child_ == 0) {
            const int fd = open(path.c_str(), O_RDONLY);
            flock(fd, LOCK_EX);
            char done = 1;
            (void)!write(ready[1], &done, 1);
            pause();
            _exit(0);
        }
        close(ready[1]);
        char got = 0;
        EXPECT_EQ(read(ready[0], &got, 1), 1);
        close(ready[0]);
    }
    ~LockFromAnotherProcess() {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }

private:
    pid_t child_ = -1;
};

}  // namespace

TEST_F(ReturnSafetyTest, AFaultAtAnyStepKeepsReturnAndBackupAndLeavesNoTemporaryFile) {
    SaveTwoGenerations();
    const ByteBuffer file = ReadBytes(name), backup = ReadBytes(dir.File("RETURN.BAK"));
    for (int step = 0; step < FileStepCount; ++step) {
        SCOPED_TRACE(step);
        FailStep(static_cast<FileStep>(step), EIO);
        EXPECT_EQ(SaveDataFile(name), EIO);
        EXPECT_EQ(ReadBytes(name), file);
        EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), backup);
        EXPECT_EQ(FolderContents(dir.Path()), ReturnAndBackup);
    }
    State().FileFaultHook = nullptr;
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), file);
    EXPECT_EQ(NameIn(name), "third");
    EXPECT_EQ(NameIn(dir.File("RETURN.BAK")), "second");
}

TEST_F(ReturnSafetyTest, AFailedFirstReplaceLeavesNoBackupBehind) {
    ASSERT_EQ(SaveDataFile(name), 0);
    SetFieldStr(397, "changed");
    FailStep(FileStep::Replace, ENOSPC);
    EXPECT_EQ(SaveDataFile(name), ENOSPC);
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"RETURN.TAX"});
    // Only the owner's refusal to hand over a file is no failure.
    FailStep(FileStep::CopyOwner, EPERM);
    EXPECT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(NameIn(name), "changed");
}

TEST_F(ReturnSafetyTest, AReturnNamedLikeItsBackupIsNeverRemoved) {
    name = dir.File("X.BAK");
    SaveTwoGenerations();
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"X.BAK"});
    FailStep(FileStep::Replace, EIO);
    EXPECT_EQ(SaveDataFile(name), EIO);
    EXPECT_EQ(NameIn(name), "second");
    State().FileFaultHook = nullptr;
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(NameIn(name), "third");
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"X.BAK"});
}

TEST_F(ReturnSafetyTest, ALinkedReturnIsSavedIntoItsTargetAndStaysALink) {
    fs::create_directory(dir.File("real"));
    const std::string target = dir.File("real/R.TAX");
    name = target;
    SaveTwoGenerations();
    const std::string link = dir.File("LINK.TAX");
    fs::create_symlink("real/R.TAX", link);
    ASSERT_EQ(SaveDataFile(link), 0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(NameIn(target), "third");
    EXPECT_EQ(NameIn(dir.File("real/R.BAK")), "second");
    EXPECT_EQ(FolderContents(dir.Path()), (std::vector<std::string>{"LINK.TAX", "real"}));
}

TEST_F(ReturnSafetyTest, OwnerGroupAndPermissionsAreKept) {
    ASSERT_EQ(SaveDataFile(name), 0);
    ASSERT_EQ(chmod(name.c_str(), 0640), 0);
    struct stat before {};
    ASSERT_EQ(stat(name.c_str(), &before), 0);
    // Root may hand the file to anyone; others keep their own.
    const uid_t owner = geteuid() == 0 ? 4321 : before.st_uid;
    const gid_t group = geteuid() == 0 ? 4322 : before.st_gid;
    ASSERT_EQ(chown(name.c_str(), owner, group), 0);
    SetFieldStr(397, "changed");  // a save that changes nothing writes nothing
    ASSERT_EQ(SaveDataFile(name), 0);
    struct stat after {};
    ASSERT_EQ(stat(name.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);  // a new file, not the old one rewritten
    EXPECT_EQ(after.st_uid, owner);
    EXPECT_EQ(after.st_gid, group);
    EXPECT_EQ(after.st_mode & 07777, 0640u);

    FailStep(FileStep::CopyMode, EPERM);
    SetFieldStr(397, "changed again");
    EXPECT_EQ(SaveDataFile(name), EPERM);
    EXPECT_NE(SaveFailureText(name, EPERM).find("The return on disk is unchanged."),
              std::string::npos);
}

TEST_F(ReturnSafetyTest, PipesDevicesAndHugeFilesAreRefusedAtOnce) {
    SetFieldStr(397, "kept");
    const std::string fifo = dir.File("PIPE.TAX");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string huge = dir.File("HUGE.TAX");
    std::ofstream(huge).put('x');
    fs::resize_file(huge, MaxReturnFileBytes + 8);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(OpenDataFile(fifo), NotARegularFile);
    EXPECT_EQ(responder->LastText(), "Unable to open file - " + fifo);
    EXPECT_EQ(OpenDataFile("/dev/zero"), NotARegularFile);
    EXPECT_EQ(OpenDataFile(huge), EFBIG);
    EXPECT_EQ(responder->LastText(), "Unable to open file - " + huge);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    EXPECT_EQ(GetFieldStr(397), "kept");
    // Nor is a save put over one of them.
    ASSERT_EQ(mkfifo(dir.File("PIPE2.TAX").c_str(), 0600), 0);
    EXPECT_EQ(SaveDataFile(dir.File("PIPE2.TAX")), NotARegularFile);
    EXPECT_EQ(SaveFailureText("PIPE2.TAX", NotARegularFile),
              "Unable to save file - PIPE2.TAX\r\n\r\nNot a regular file but a pipe, device or "
              "socket\r\n\r\nThe return on disk is unchanged.");
}

TEST_F(ReturnSafetyTest, ABackupNameTakenByAFolderIsTheBackupsProblem) {
    SaveTwoGenerations();
    const ByteBuffer file = ReadBytes(name);
    fs::remove(dir.File("RETURN.BAK"));
    fs::create_directory(dir.File("RETURN.BAK"));
    EXPECT_EQ(SaveDataFile(name), BackupNotARegularFile);
    EXPECT_EQ(ReadBytes(name), file);
    EXPECT_EQ(FolderContents(dir.Path()), ReturnAndBackup);
    const std::string text = SaveFailureText(name, BackupNotARegularFile);
    EXPECT_NE(text.find("The backup " + dir.File("RETURN.BAK") + " is a folder"), std::string::npos)
        << text;
}

TEST_F(ReturnSafetyTest, ASecondNameRefusedAsALinkIsACopyAndNothingIsLeftBehind) {
    FailStep(FileStep::LinkSecondName, EPERM);
    SaveTwoGenerations();
    ASSERT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(NameIn(name), "third");
    EXPECT_EQ(NameIn(dir.File("RETURN.BAK")), "second");
    EXPECT_EQ(FolderContents(dir.Path()), ReturnAndBackup);
    State().FileFaultHook = nullptr;
}

TEST_F(ReturnSafetyTest, AFolderMovedDuringTheSaveKeepsItsFilesAndNoTemporaryOne) {
    SaveTwoGenerations();
    const std::string moved = dir.Path().string() + "-moved";
    for (int step = 0; step < FileStepCount; ++step) {
        SCOPED_TRACE(step);
        SetFieldStr(397, "at step " + std::to_string(step));
        State().FileFaultHook = [&, step](FileStep at) {
            if (static_cast<int>(at) == step) fs::rename(dir.Path(), moved);
            return 0;
        };
        // What the save began in, it finishes in: the moved folder.
        EXPECT_EQ(SaveDataFile(name), 0);
        State().FileFaultHook = nullptr;
        EXPECT_EQ(FolderContents(moved), ReturnAndBackup);
        fs::rename(moved, dir.Path());
        EXPECT_EQ(NameIn(name), "at step " + std::to_string(step));
    }
}

TEST_F(ReturnSafetyTest, StaleTemporaryFilesOfThisReturnAloneAreRemoved) {
    ASSERT_EQ(SaveDataFile(name), 0);
    const auto plant = [&](const std::string& file, bool old) {
        std::ofstream(dir.File(file)) << "left by a killed save";
        if (!old) return;
        const timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        utimensat(AT_FDCWD, dir.File(file).c_str(), times, 0);
    };
    plant("RETURN.TAX.a1B2c3", true);
    plant("RETURN.TAX.zzzzzz", true);
    plant("RETURN.TAX.new123", false);  // newer than this process: someone else's, in flight
    plant("RETURN.TAX.abc12", true);    // not the pattern
    plant("OTHER.TAX.a1B2c3", true);    // another return's
    ASSERT_EQ(OpenDataFile(name), OpenReadCompletely);
    EXPECT_EQ(FolderContents(dir.Path()),
              (std::vector<std::string>{"OTHER.TAX.a1B2c3", "RETURN.TAX", "RETURN.TAX.abc12",
                                        "RETURN.TAX.new123"}));
}

TEST_F(ReturnSafetyTest, ASecondWriterWaitsThenIsToldTheReturnIsInUse) {
    SaveTwoGenerations();
    const ByteBuffer file = ReadBytes(name);
    {
        LockFromAnotherProcess other(name);
        EXPECT_EQ(ReturnLock(name, std::chrono::milliseconds(100)).Error(), ReturnInUse);
        EXPECT_EQ(SaveDataFile(name), ReturnInUse);
        EXPECT_EQ(ReadBytes(name), file);
        EXPECT_NE(SaveFailureText(name, ReturnInUse).find("in use by another program"),
                  std::string::npos);
    }
    // This process's own lock nests: a save inside a read-modify-write goes ahead.
    const ReturnLock held(name);
    ASSERT_EQ(held.Error(), 0);
    EXPECT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(NameIn(name), "third");
}

TEST_F(ReturnSafetyTest, AReturnThatCouldNotBeOpenedIsNeverSavedOver) {
    SaveTwoGenerations();
    const ByteBuffer file = ReadBytes(name), backup = ReadBytes(dir.File("RETURN.BAK"));
    State().IdentifierText = "999 999 999";
    EXPECT_EQ(OpenDataFile(name), OpenNotADataFile);
    EXPECT_EQ(State().UnopenedFileName, name);
    EXPECT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(ReadBytes(name), file);
    EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), backup);
    // Other names are saved as usual, and a good open lifts the guard.
    EXPECT_EQ(SaveDataFile(dir.File("COPY.TAX")), 0);
    State().IdentifierText = Tfn;
    EXPECT_EQ(OpenDataFile(name), OpenReadCompletely);
    EXPECT_EQ(State().UnopenedFileName, "");
}

TEST_F(ReturnSafetyTest, AReturnReadOnlyInPartIsNeverSavedOver) {
    SetFieldStr(397, "before the bad record");
    ByteBuffer plain;
    WritePlainForm(*State().Store, {0, 0, {}}, plain);
    for (uint8_t byte : {0x0F, 0x27, 0x00, 0x00}) plain.push_back(byte);  // field 9999
    CipherKey key{};
    ASSERT_TRUE(KeyFromText(MakeKeyText(Tfn), key));
    ByteBuffer enciphered;
    ASSERT_TRUE(EncipherDataFile(plain, key, enciphered));
    WriteBytes(name, enciphered);
    EXPECT_EQ(OpenDataFile(name), OpenBadFieldNumber);
    EXPECT_EQ(GetFieldStr(397), "before the bad record");
    EXPECT_EQ(SaveDataFile(name), 0);
    EXPECT_EQ(ReadBytes(name), enciphered);
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"RETURN.TAX"});
}

TEST_F(ReturnSafetyTest, TheHelpdeskDumpIsPrivateAndNeverFollowsALink) {
    const std::string victim = dir.File("victim.txt");
    std::ofstream(victim) << "not to be overwritten";
    fs::create_directory(dir.File("cwd"));
    fs::create_symlink(victim, dir.File("cwd/TEST.TXT"));
    State().HelpdeskMode = true;
    const fs::path previous = fs::current_path();
    fs::current_path(dir.File("cwd"));
    const int32_t result = SaveDataFile(name);
    fs::current_path(previous);
    ASSERT_EQ(result, 0);
    const std::string dump = dir.File("cwd/TEST.TXT");
    EXPECT_FALSE(fs::is_symlink(dump));
    EXPECT_EQ((fs::status(dump).permissions() & fs::perms::all),
              fs::perms::owner_read | fs::perms::owner_write);
    std::ifstream in(dump);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "1 string 123 456 782");
    std::ifstream original(victim);
    std::string kept;
    std::getline(original, kept);
    EXPECT_EQ(kept, "not to be overwritten");
    EXPECT_EQ(FolderContents(dir.File("cwd")), std::vector<std::string>{"TEST.TXT"});
}
