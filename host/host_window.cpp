#include "host_window.h"

#include <dlfcn.h>

#include <QEvent>

bool ModuleLibrary::Load(const QString& path, QString& error) {
    handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = QString::fromLocal8Bit(dlerror());
        return false;
    }
    run = reinterpret_cast<decltype(run)>(dlsym(handle, "RunCGTModule"));
    freeResources = reinterpret_cast<decltype(freeResources)>(dlsym(handle, "FreeDLLResources"));
    checkVersion = reinterpret_cast<decltype(checkVersion)>(dlsym(handle, "CheckVersion"));
    failedScreen = reinterpret_cast<decltype(failedScreen)>(dlsym(handle, "GetFailedScreenIndex"));
    if (!run || !freeResources || !checkVersion || !failedScreen) {
        error = QStringLiteral("%1 does not export the module's four functions").arg(path);
        Unload();
        return false;
    }
    return true;
}

void ModuleLibrary::Unload() {
    if (handle) dlclose(handle);
    *this = ModuleLibrary{};
}

bool NotifyReceiver::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (type == ORVANA_MSG_INTERVIEW_FINISHED || type == ORVANA_MSG_MODULE_CLOSED) {
        emit moduleEnded(type);
        return true;
    }
    return QObject::event(event);
}
