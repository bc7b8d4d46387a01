#pragma once
// The host's side of the module boundary: the loaded library and the object that receives
// the module's two posted events.

#include <QObject>
#include <QString>

#include "orvana_cgt.h"

struct ModuleLibrary {
    void* handle = nullptr;
    decltype(&RunCGTModule) run = nullptr;
    decltype(&FreeDLLResources) freeResources = nullptr;
    decltype(&CheckVersion) checkVersion = nullptr;
    decltype(&GetFailedScreenIndex) failedScreen = nullptr;

    // Loads the library and its four entry points; false with a reason otherwise.
    bool Load(const QString& path, QString& error);
    void Unload();
};

class NotifyReceiver : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void moduleEnded(int message);

protected:
    bool event(QEvent* event) override;
};
