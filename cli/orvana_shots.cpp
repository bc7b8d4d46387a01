// orvana-shots OUTDIR [--file FILE --tfn ID] [--vision] [--item N] [--views]: shows every screen
// of the catalogue in the module's main window on the offscreen platform and saves it as
// OUTDIR/SCREEN.png; with --views, a screen that offers several views is also saved once per
// view as OUTDIR/SCREEN-VIEW.png.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QRadioButton>
#include <cstdio>

#include "base/module_state.h"
#include "interview/core/screen_table.h"
#include "interview/tframewnd.h"
#include "module/build_text_variables.h"
#include "module/tmainform.h"
#include "platform/qt_message_box.h"
#include "screens/core/asset_tables.h"
#include "store/data_file.h"
#include "store/field_store.h"

namespace {

// Puts an asset path on its worksheet; with an item chosen, each of the path's screens
// continues that item, as the path does once the asset is registered.
void OpenPathItem(ModuleState& state, int k, int item) {
    state.PathWorksheet = k;
    if (item <= 0) return;
    state.ContinueItem = true;
    state.SelectedItem = item;
}

// Chooses each view of a screen's view selector in turn and saves the window.
int SaveViews(QWidget* main, QWidget* screen, const QDir& out, int number) {
    int saved = 0;
    for (QWidget* selector : screen->findChildren<QWidget*>())
        if (selector->property("viewSelector").toBool()) {
            const auto buttons = selector->findChildren<QRadioButton*>();
            for (int view = 0; view < buttons.size(); ++view) {
                buttons[view]->click();
                QCoreApplication::processEvents();
                const QString name =
                    out.filePath(QStringLiteral("%1-%2.png").arg(number).arg(view));
                if (main->grab().save(name)) ++saved;
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
    parser.addOptions({fileOption, tfnOption, visionOption, itemOption, viewsOption});
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
    state.IdentifierText = ToLatin1Text(parser.value(tfnOption));
    SetFieldStr(1, state.IdentifierText);
    if (parser.isSet(fileOption)) OpenDataFile(ToLatin1Text(parser.value(fileOption)));

    QStringList arguments{QStringLiteral("orvana-shots")};
    if (parser.isSet(visionOption)) arguments << QStringLiteral("/V");
    auto* main = new TMainForm(nullptr, arguments);
    main->show();
    TFrameWnd* frame = main->FrameWnd();
    int saved = 0;
    for (const ScreenEntry& entry : ScreenTable()) {
        state.ScreenGroup = entry.number / 100;
        state.ScreenIndex = entry.number % 100;
        // Each asset path screen is shown as its own path shows it.
        if (const int k = PathWorksheetOfScreen(entry.number))
            OpenPathItem(state, k, parser.value(itemOption).toInt());
        frame->ShowScreen();
        QCoreApplication::processEvents();
        if (!state.ScreenShown || !frame->CurrentScreen()) continue;
        const QString name = out.filePath(QString::number(entry.number) + QStringLiteral(".png"));
        if (main->grab().save(name)) ++saved;
        if (parser.isSet(viewsOption))
            saved += SaveViews(main, frame->CurrentScreen(), out, entry.number);
    }
    delete main;
    std::printf("orvana-shots: %d screens saved in %s\n", saved, qPrintable(out.path()));
    return 0;
}
