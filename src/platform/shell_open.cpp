#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "base/module_state.h"
#include "platform/qt_message_box.h"

void ShellOpen(const QString& target) {
    if (const auto& hook = State().ShellOpenHook) {
        hook(ToLatin1Text(target));
        return;
    }
    // A relative path names a file when it exists in the current folder, else a web address.
    QDesktopServices::openUrl(QUrl::fromUserInput(target, QDir::currentPath()));
}
