#include "install_layout.h"

#include <QDir>
#include <QFileInfo>

QString ModuleFilePath(const QString& programFolder) {
    const QString name = QStringLiteral("liborvanaCGT.so");
    const QDir folder(programFolder);
    const QString beside = folder.filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    const QString installed =
        QDir::cleanPath(folder.filePath(QStringLiteral(ORVANA_MODULE_DIR_FROM_BIN "/") + name));
    return QFileInfo::exists(installed) ? installed : beside;
}
