// orvana-shots OUTDIR [--file FILE --tfn ID | --sample] [--vision] [--item N] [--views]: shows
// every screen of the catalogue in the module's main window on the offscreen platform and saves
// it as OUTDIR/SCREEN.png; with --views, a screen that offers several views is also saved once
// per view as OUTDIR/SCREEN-VIEW.png. --sample shows the bundled sample return, each asset path
// screen once per item of its path (item K after the first as SCREEN-iK.png).

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>

#include "base/latin1_text.h"
#include "base/module_state.h"
#include "interview/core/screen_table.h"
#include "interview/tframewnd.h"
#include "module/build_text_variables.h"
#include "module/tmainform.h"
#include "platform/qt_message_box.h"
#include "reports/paint/private_file.h"
#include "screens/core/asset_tables.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

// Puts an asset path on its worksheet; with an item chosen, each of the path's screens
// continues that item, as the path does once the asset is registered.
void OpenPathItem(ModuleState& state, int k, int item) {
    state.PathWorksheet = k;
    state.ContinueItem = item > 0;
    if (item > 0) state.SelectedItem = item;
}

// How many passes the screens take: the sample shows every item of a path, one item a pass,
// so that a screen is always left (and its leave check run) before it shows the next item.
int PassCount(bool everyItem) {
    int passes = 1;
    if (everyItem)
        for (const ScreenEntry& entry : ScreenTable())
            if (const int k = PathWorksheetOfScreen(entry.number))
                passes = std::max(passes, WorksheetItemCount(k));
    return passes;
}

// The item an asset path screen shows on a pass: the one asked for, or for the sample the
// pass's item of the path (a path without items shows a new one on the first pass); -1 when
// the screen has nothing to show on that pass.
int ItemOnPass(int worksheet, int pass, int asked, bool everyItem) {
    if (!everyItem) return pass == 1 ? asked : -1;
    const int items = WorksheetItemCount(worksheet);
    if (pass == 1) return items > 0 ? 1 : 0;
    return pass <= items ? pass : -1;
}

// The sample return built beside this program, and its TFN.
bool FindSample(QString& file, QString& tfn) {
    const QDir bin(QCoreApplication::applicationDirPath());
    file = bin.filePath(QStringLiteral("SAMPLE.TAX"));
    QFile tfnFile(bin.filePath(QStringLiteral("SAMPLE.TFN")));
    if (!QFile::exists(file) || !tfnFile.open(QIODevice::ReadOnly)) return false;
    tfn = QString::fromLatin1(tfnFile.readAll()).trimmed();
    return true;
}

// The window as a picture, owner-only like the return it shows.
bool SavePicture(QWidget* main, const QString& name) {
    const QPixmap picture = main->grab();
    QString error;
    const bool saved = WritePrivateFile(
        name, Latin1ToUtf8(State().CurrentFileName),
        [&](QIODevice& device, QString& problem) {
            if (picture.save(&device, "PNG")) return true;
            problem = QStringLiteral("the picture cannot be written");
            return false;
        },
        error);
    if (!saved) std::fprintf(stderr, "orvana-shots: %s: %s\n", qPrintable(name), qPrintable(error));
    return saved;
}

// Chooses each view of a screen's view selector in turn and saves the window.
int SaveViews(QWidget* main, QWidget* screen, const QDir& out, const QString& stem) {
    int saved = 0;
    for (QWidget* selector : screen->findChildren<QWidget*>())
        if (selector->property("viewSelector").toBool()) {
            const auto buttons = selector->findChildren<QRadioButton*>();
            for (int view = 0; view < buttons.size(); ++view) {
                buttons[view]->click();
                QCoreApplication::processEvents();
                const QString name = out.filePath(QStringLiteral("%1-%2.png").arg(stem).arg(view));
                if (SavePicture(main, name)) ++saved;
            }
        }
    return saved;
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders every interview screen to a PNG."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("OUTDIR"),
                                 QStringLiteral("folder for the pictures"));
    const QCommandLineOption fileOption(QStringLiteral("file"), QStringLiteral("a return to show"),
                                        QStringLiteral("FILE"));
    const QCommandLineOption tfnOption(QStringLiteral("tfn"), QStringLiteral("the return's TFN"),
                                       QStringLiteral("ID"));
    const QCommandLineOption visionOption(QStringLiteral("vision"),
                                          QStringLiteral("screen-reader presentation"));
    const QCommandLineOption itemOption(QStringLiteral("item"),
                                        QStringLiteral("the item each asset path screen shows"),
                                        QStringLiteral("N"));
    const QCommandLineOption viewsOption(QStringLiteral("views"),
                                         QStringLiteral("also save each view of a screen"));
    const QCommandLineOption sampleOption(
        QStringLiteral("sample"),
        QStringLiteral("show the bundled sample return, each asset path with each of its items"));
    parser.addOptions({fileOption, tfnOption, visionOption, itemOption, viewsOption, sampleOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) parser.showHelp(2);
    const QDir out(parser.positionalArguments().first());
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "orvana-shots: cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    ModuleState& state = State();
    state.Responder = [](const MessageRequest& request) {
        std::fprintf(stderr, "orvana-shots: message: %s\n", request.text.c_str());
        return ResultForButton(request.defaultButton);
    };
    state.BeepHook = [] {};
    BuildTextVariables();
    AllocateFieldStore();
    QString file = parser.value(fileOption), tfn = parser.value(tfnOption);
    const bool sample = parser.isSet(sampleOption);
    if (sample && !FindSample(file, tfn)) {
        std::fprintf(stderr, "orvana-shots: no SAMPLE.TAX and SAMPLE.TFN beside the program\n");
        return 1;
    }
    state.IdentifierText = ToLatin1Text(tfn);
    SetFieldStr(1, state.IdentifierText);
    if (!file.isEmpty() && OpenDataFile(ToLatin1Text(file)) != OpenReadCompletely) {
        std::fprintf(stderr, "orvana-shots: %s did not read completely\n", qPrintable(file));
        return 1;
    }

    QStringList arguments{QStringLiteral("orvana-shots")};
    if (parser.isSet(visionOption)) arguments << QStringLiteral("/V");
    auto* main = new TMainForm(nullptr, arguments);
    main->show();
    TFrameWnd* frame = main->FrameWnd();
    int saved = 0;
    const int asked = parser.value(itemOption).toInt();
    const bool everyItem = sample && asked <= 0;
    const int passes = PassCount(everyItem);
    for (int pass = 1; pass <= passes; ++pass)
        for (const ScreenEntry& entry : ScreenTable()) {
            const int k = PathWorksheetOfScreen(entry.number);
            const int item = k ? ItemOnPass(k, pass, asked, everyItem) : pass == 1 ? 0 : -1;
            if (item < 0) continue;
            state.ScreenGroup = entry.number / 100;
            state.ScreenIndex = entry.number % 100;
            // Each asset path screen is shown as its own path shows it.
            if (k) OpenPathItem(state, k, item);
            frame->ShowScreen();
            QCoreApplication::processEvents();
            if (!state.ScreenShown || !frame->CurrentScreen()) continue;
            QString stem = QString::number(entry.number);
            if (everyItem && item > 1) stem += QStringLiteral("-i%1").arg(item);
            if (SavePicture(main, out.filePath(stem + QStringLiteral(".png")))) ++saved;
            if (parser.isSet(viewsOption))
                saved += SaveViews(main, frame->CurrentScreen(), out, stem);
        }
    delete main;
    std::printf("orvana-shots: %d screens saved in %s\n", saved, qPrintable(out.path()));
    return 0;
}
