#include "gui_test_util.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

bool WaitUntil(const std::function<bool()>& predicate, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!predicate()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void WhenModalOpens(const std::function<void(QWidget*)>& action, int timeoutMs) {
    auto* poll = new QTimer;
    auto* waited = new QElapsedTimer;
    waited->start();
    // The window under test may itself be modal; wait for the one that opens after it.
    QWidget* before = QApplication::activeModalWidget();
    QObject::connect(poll, &QTimer::timeout, [poll, waited, action, timeoutMs, before] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == before) modal = nullptr;
        if (!modal && waited->elapsed() < timeoutMs) return;
        poll->stop();
        poll->deleteLater();
        delete waited;
        if (modal) action(modal);
    });
    poll->start(10);
}

void SaveShotIfRequested(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("ORVANA_SHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    widget->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}
