// The orvana-host program run as a user runs it.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>

#include "folder_files.h"
#include "host_process.h"
#include "temp_dir.h"

namespace {
HostRun RunHost(const QStringList& arguments, const QProcessEnvironment& environment) {
    return RunHostProgram(QStringLiteral(ORVANA_HOST_PROGRAM), arguments, environment);
}
}  // namespace

TEST(OrvanaHost, AStartScreenOutsideTheModuleEndsAndSaves) {
    TempDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString file = QString::fromStdString(dir.File("NEW.TAX"));
    const HostRun run =
        RunHost({file, QStringLiteral("--new"), QStringLiteral("--tfn"),
                 QStringLiteral("123456782"), QStringLiteral("--start"), QStringLiteral("2201")},
                environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), "Interview finished: the module handed over at screen 2201.");
    EXPECT_TRUE(std::filesystem::exists(file.toStdString()));
}

TEST(OrvanaHost, WithoutADisplayItSaysSoAndStops) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QString::fromLatin1(name));
    const HostRun run = RunHost({QStringLiteral("X.TAX")}, environment);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.indexOf(QStringLiteral("no display available")), -1);
}

TEST(OrvanaHost, RefusesABadStartScreen) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const HostRun run = RunHost(
        {QStringLiteral("X.TAX"), QStringLiteral("--start"), QStringLiteral("abc")}, environment);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.indexOf(QStringLiteral("--start needs a screen number")), -1);
}

TEST(OrvanaHost, ANameOutsideLatin1IsRefusedAndNoOtherFileIsOpenedOrSaved) {
    TempDir dir;
    const std::string euro = dir.File("R\u20ac.TAX");
    std::ofstream(euro) << "the real return";
    const HostRun refused =
        RunHost({QString::fromStdString(euro), QStringLiteral("--tfn"), QStringLiteral("123456782"),
                 QStringLiteral("--start"), QStringLiteral("2201")},
                OffscreenEnvironment());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.indexOf(QStringLiteral("must be Latin-1 characters")), -1)
        << refused.err.toStdString();
    const HostRun badTfn =
        RunHost({QString::fromStdString(dir.File("NEW.TAX")), QStringLiteral("--new"),
                 QStringLiteral("--tfn"), QStringLiteral("123\u20ac456782"),
                 QStringLiteral("--start"), QStringLiteral("2201")},
                OffscreenEnvironment());
    EXPECT_EQ(badTfn.exitCode, 2);
    EXPECT_NE(badTfn.err.indexOf(QStringLiteral("the TFN")), -1) << badTfn.err.toStdString();
    EXPECT_EQ(FolderContents(dir.Path()), std::vector<std::string>{"R\u20ac.TAX"});

    // A name within Latin-1 is handed over whole, and saved under that very name.
    const std::string accented = dir.File("R\u00e9.TAX");
    const HostRun run =
        RunHost({QString::fromStdString(accented), QStringLiteral("--new"), QStringLiteral("--tfn"),
                 QStringLiteral("123456782"), QStringLiteral("--start"), QStringLiteral("2201")},
                OffscreenEnvironment());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(FolderContents(dir.Path()), (std::vector<std::string>{"R\u00e9.TAX", "R\u20ac.TAX"}));
    std::ifstream kept(euro);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "the real return");
}
