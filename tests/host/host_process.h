#pragma once
// Runs a host program as a user would and collects what it said and how it ended.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

struct HostRun {
    int exitCode = -1;  // -1 when it crashed or did not finish
    QString out, err;
};

inline HostRun RunHostProgram(const QString& program, const QStringList& arguments,
                              const QProcessEnvironment& environment) {
    QProcess host;
    host.setProcessEnvironment(environment);
    host.start(program, arguments);
    HostRun run;
    if (!host.waitForFinished(60000)) {
        host.kill();
        host.waitForFinished();
        return run;
    }
    run.exitCode = host.exitStatus() == QProcess::NormalExit ? host.exitCode() : -1;
    run.out = QString::fromLocal8Bit(host.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(host.readAllStandardError());
    return run;
}

inline QProcessEnvironment OffscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}
