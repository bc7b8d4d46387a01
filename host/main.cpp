// orvana-host: a small host program that loads the capital gains module, starts its
// interview on a return and, when the module says it has finished, saves and unloads it.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "host_returns.h"
#include "host_window.h"
#include "install_layout.h"
#include "return_prompts.h"
#include "start_dialog.h"

namespace {

std::basic_string<unsigned char> ShortString(const QByteArray& bytes) {
    std::basic_string<unsigned char> text(1, static_cast<unsigned char>(bytes.size()));
    text.append(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return text;
}

bool HoldsInLatin1(const QString& text) { return QString::fromLatin1(text.toLatin1()) == text; }

// The module takes single-byte (Latin-1) texts: any other character would name another file,
// or key the return with another TFN. Empty when both hold.
QString NotLatin1(const QString& file, const QString& tfn) {
    const QString path = QFileInfo(file).absoluteFilePath();
    if (HoldsInLatin1(path) && HoldsInLatin1(tfn)) return {};
    return QStringLiteral(
               "the data file's path and the TFN must be Latin-1 characters; "
               "%1 cannot be handed to the module")
        .arg(HoldsInLatin1(path) ? QStringLiteral("the TFN") : path);
}

bool DisplayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int Fail(const QString& message) {
    std::fprintf(stderr, "orvana-host: %s\n", message.toLocal8Bit().constData());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (!DisplayAvailable()) {
        std::fprintf(stderr,
                     "orvana-host: no display available (DISPLAY and WAYLAND_DISPLAY are not "
                     "set). Run it on a desktop, or set QT_QPA_PLATFORM=offscreen.\n");
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvana-host"));
    QApplication::setOrganizationName(QStringLiteral("Orvana"));
    InstallHostMessageBoxes();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Runs the capital gains module on a return."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the return's data file"));
    const QCommandLineOption tfnOption(QStringLiteral("tfn"),
                                       QStringLiteral("taxpayer identifier (the file's key)"),
                                       QStringLiteral("ID"));
    const QCommandLineOption startOption(QStringLiteral("start"),
                                         QStringLiteral("start screen (default 2004)"),
                                         QStringLiteral("SCREEN"), QStringLiteral("2004"));
    const QCommandLineOption moduleOption(
        QStringLiteral("module"), QStringLiteral("path of liborvanaCGT.so"), QStringLiteral("PATH"),
        ModuleFilePath(QCoreApplication::applicationDirPath()));
    const QCommandLineOption newOption(
        QStringLiteral("new"), QStringLiteral("start a new return when FILE does not exist yet"));
    const QCommandLineOption nameOption(
        QStringLiteral("name"), QStringLiteral("the taxpayer's name, for a new return (--new)"),
        QStringLiteral("NAME"));
    parser.addOptions({tfnOption, startOption, moduleOption, newOption, nameOption});
    // Switches such as HELPDESK and /V stay on the command line, where the module reads them.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);

    QStringList files;
    for (const QString& argument : parser.positionalArguments())
        if (argument.compare(QStringLiteral("HELPDESK"), Qt::CaseInsensitive) != 0 &&
            argument.compare(QStringLiteral("/V"), Qt::CaseInsensitive) != 0)
            files << argument;
    if (files.size() > 1) return Fail(QStringLiteral("give one data file (see --help)"));

    bool startOk = false;
    const int32_t startCode = parser.value(startOption).toInt(&startOk);
    if (!startOk) return Fail(QStringLiteral("--start needs a screen number"));

    QString file, tfn = parser.value(tfnOption);
    if (files.isEmpty()) {
        // Started from the menu: the usual choice of a desktop program.
        StartDialog start(RecentReturns(), ReturnsFolder(), SampleAvailable());
        if (start.exec() != QDialog::Accepted) return 0;
        const StartChoice& choice = start.Choice();
        file = choice.file;
        tfn = choice.tfn;
        if (choice.kind == StartChoice::Sample && !SampleReturn(file, tfn))
            return Fail(QStringLiteral("the sample return is not there"));
        if (choice.kind == StartChoice::New)
            if (const QString problem = WriteNewReturn(file, tfn, choice.name); !problem.isEmpty())
                return Fail(problem);
        if (choice.kind != StartChoice::Sample) RememberReturn(file);
    } else {
        file = files.first();
        if (const QString problem = NotLatin1(file, tfn); !problem.isEmpty()) return Fail(problem);
        // A mistyped name would otherwise open a blank interview and look like a lost return.
        if (!QFileInfo::exists(file) && !parser.isSet(newOption))
            return Fail(QStringLiteral("%1 does not exist; give --new to start a new return "
                                       "under that name")
                            .arg(file));
        if (parser.isSet(nameOption)) {
            if (!parser.isSet(newOption) || QFileInfo::exists(file))
                return Fail(
                    QStringLiteral("--name names a new return: give it with --new and "
                                   "a file that does not exist yet"));
            const QString name = parser.value(nameOption);
            if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; }) ||
                name.size() > 255)
                return Fail(QStringLiteral("the name must be at most 255 Latin-1 characters"));
            if (!TfnAcceptable(tfn))
                return Fail(QStringLiteral("%1 is not a valid TFN: its check digit does not "
                                           "match; nothing was written")
                                .arg(tfn));
            const QString problem = WriteNewReturn(file, tfn, name);
            if (!problem.isEmpty()) return Fail(problem);
        }
    }

    if (const QString problem = NotLatin1(file, tfn); !problem.isEmpty()) return Fail(problem);
    const QByteArray fileName = QFileInfo(file).absoluteFilePath().toLatin1();
    const QByteArray identifier = tfn.toLatin1();
    const QByteArray commandLine = QCoreApplication::arguments().join(QLatin1Char(' ')).toLatin1();
    if (fileName.size() > 255)
        return Fail(QStringLiteral("the data file's path is longer than 255 characters"));
    if (identifier.size() > 255) return Fail(QStringLiteral("the taxpayer identifier is too long"));

    ModuleLibrary module;
    QString error;
    if (!module.Load(parser.value(moduleOption), error)) return Fail(error);
    if (module.checkVersion(1) != 0) {
        module.Unload();
        return Fail(QStringLiteral("the module does not support this host's interface version"));
    }

    NotifyReceiver receiver;
    int exitStatus = 1;
    QObject::connect(&receiver, &NotifyReceiver::moduleEnded, &app, [&](int message) {
        const int32_t failedScreen = module.failedScreen();
        const int32_t released = module.freeResources();
        module.Unload();
        if (message == ORVANA_MSG_INTERVIEW_FINISHED)
            std::printf("Interview finished: the module handed over at screen %d.\n", failedScreen);
        else
            std::printf("The taxpayer closed the module.\n");
        if (released != 1)
            std::fprintf(stderr, "orvana-host: the module could not save the return\n");
        std::fflush(stdout);
        exitStatus = released == 1 ? 0 : 1;
        QCoreApplication::exit(exitStatus);
    });

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int width = 800, height = 600;
    const int left = screen.left() + (screen.width() - width) / 2;
    const int top = screen.top() + (screen.height() - height) / 2;
    const auto fileText = ShortString(fileName);
    const auto identifierText = ShortString(identifier);
    const auto commandText = ShortString(commandLine.left(255));
    module.run(nullptr, &receiver, fileText.c_str(), identifierText.c_str(), commandText.c_str(),
               startCode, left, top, width, height, 0, 0);
    QApplication::exec();
    return exitStatus;
}
