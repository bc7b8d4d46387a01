#include "host_returns.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "base/module_state.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/file_bytes.h"

namespace {

constexpr int NameField = 397;  // the taxpayer's name, which the reports print

// The built sample beside the host; an installed one under the host's own prefix, or in the
// data folders.
QString BuiltSample() {
    const QDir programs(QCoreApplication::applicationDirPath());
    for (const QString& near :
         {QStringLiteral("SAMPLE.TAX"), QStringLiteral("../share/orvana/SAMPLE.TAX")})
        if (QFileInfo::exists(programs.filePath(near)))
            return QFileInfo(programs.filePath(near)).canonicalFilePath();
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("orvana/SAMPLE.TAX"));
}

}  // namespace

QString WriteNewReturn(const QString& file, const QString& tfn, const QString& name) {
    if (QFileInfo::exists(file)) return QStringLiteral("%1 already exists").arg(file);
    // The host's own store, apart from the module's (which the library keeps to itself):
    // written and released here.
    AllocateFieldStore();
    State().IdentifierText = tfn.toLatin1().toStdString();
    SetFieldStr(1, tfn.toLatin1().toStdString());
    if (!name.isEmpty()) SetFieldStr(NameField, name.toLatin1().toStdString());
    const int32_t result =
        SaveDataFile(QFileInfo(file).absoluteFilePath().toLatin1().toStdString());
    ReleaseFieldStore();
    if (result != 0)
        return QStringLiteral("%1: %2").arg(
            file, QString::fromStdString(FileProblemText(result, file.toStdString())));
    return {};
}

bool SampleAvailable() { return !BuiltSample().isEmpty(); }

bool SampleReturn(QString& file, QString& tfn) {
    const QString built = BuiltSample();
    if (built.isEmpty()) return false;
    QFile tfnFile(QFileInfo(built).dir().filePath(QStringLiteral("SAMPLE.TFN")));
    if (!tfnFile.open(QIODevice::ReadOnly)) return false;
    tfn = QString::fromLatin1(tfnFile.readAll()).trimmed();
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                    QStringLiteral("/Orvana"));
    if (!data.mkpath(QStringLiteral("."))) return false;
    file = data.filePath(QStringLiteral("SAMPLE.TAX"));
    const QFileInfo copy(file);
    if (!copy.exists() || QFileInfo(built).lastModified() > copy.lastModified()) {
        const QString backup = data.filePath(QStringLiteral("SAMPLE.BAK"));
        if (copy.exists()) {
            QFile::remove(backup);
            QFile::rename(file, backup);
        }
        if (!QFile::copy(built, file)) return false;
        QFile(file).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return true;
}

QString ReturnsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}
