#include "reports/paint/private_file.h"

#include <QFile>
#include <cstring>

#include "store/private_output.h"

bool WritePrivateFile(const QString& path, const std::string& returnPath,
                      const std::function<bool(QIODevice&, QString&)>& write, QString& error) {
    const std::string name = path.toStdString();
    if (const OutputRefusal refusal = RefuseOutput(name, returnPath);
        refusal != OutputRefusal::None) {
        error = QString::fromStdString(OutputRefusalText(refusal));
        return false;
    }
    PrivateOutput output(name);
    if (output.Fd() < 0) {
        error = QString::fromLocal8Bit(std::strerror(output.Error()));
        return false;
    }
    {
        QFile device;
        if (!device.open(output.Fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            error = device.errorString();
            return false;
        }
        if (!write(device, error)) return false;
        if (!device.flush()) {
            error = device.errorString();
            return false;
        }
    }
    if (const int failed = output.Finish()) {
        error = QString::fromLocal8Bit(std::strerror(failed));
        return false;
    }
    return true;
}
