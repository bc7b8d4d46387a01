// A host that frees the module and then simply returns from main, its application object gone
// and the library never unloaded by hand, must not crash on the way out; nor must the other
// orders a host may choose.

#include <gtest/gtest.h>

#include "base/module_state.h"
#include "host_process.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "temp_dir.h"

namespace {
constexpr const char* Identifier = "123456782";

HostRun RunRandomHost(const std::string& file, QStringList options,
                      const QProcessEnvironment& environment = OffscreenEnvironment()) {
    options << QString::fromStdString(file) << QStringLiteral("--tfn")
            << QString::fromLatin1(Identifier);
    return RunHostProgram(QStringLiteral(ORVANA_RANDOM_HOST), options, environment);
}

// The saved return, read back by this process's own core; empty when it does not open.
std::vector<std::string> SavedNotes(const std::string& file) {
    ResetModuleState();
    AllocateFieldStore();
    State().IdentifierText = Identifier;
    std::vector<std::string> notes;
    if (OpenDataFile(file) == OpenReadCompletely && GetFieldLst(399))
        notes.assign(GetFieldLst(399)->begin(), GetFieldLst(399)->end());
    ResetModuleState();
    return notes;
}
}  // namespace

TEST(ExitOrder, FreeThenReturnFromMainWithHelpAndNotesOpen) {
    TempDir dir;
    const std::string file = dir.File("EXIT.TAX");
    const HostRun run = RunRandomHost(file, {QStringLiteral("--actions"), QStringLiteral("0")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_NE(run.out.indexOf(QStringLiteral("help opened 1, notes opened 1")), -1)
        << run.out.toStdString();
    EXPECT_NE(run.out.indexOf(QStringLiteral("FreeDLLResources 1")), -1);
    // The notes still open when the host freed the module were saved with the return.
    EXPECT_EQ(SavedNotes(file), std::vector<std::string>{"Kept at exit"});
}

TEST(ExitOrder, FreeUnloadThenExit) {
    TempDir dir;
    const std::string file = dir.File("UNLOAD.TAX");
    const HostRun run = RunRandomHost(
        file, {QStringLiteral("--actions"), QStringLiteral("0"), QStringLiteral("--unload")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(SavedNotes(file), std::vector<std::string>{"Kept at exit"});
}

TEST(ExitOrder, ExitWithoutFreeingLeavesTheWindowsAlone) {
    TempDir dir;
    QProcessEnvironment environment = OffscreenEnvironment();
    // The windows are deliberately left behind once the toolkit is gone.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const HostRun run = RunRandomHost(
        dir.File("KEPT.TAX"),
        {QStringLiteral("--actions"), QStringLiteral("0"), QStringLiteral("--no-free")},
        environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_NE(run.out.indexOf(QStringLiteral("FreeDLLResources -1")), -1);
}
