// The orvana-host program run as a user runs it.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>

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
