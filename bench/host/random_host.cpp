// orvana-random-host: a host that loads the module, opens the help window and the notes, drives
// the module with random clicks, keys, texts and message-box answers, then frees the module and
// returns from main without unloading it (or unloads it first, or never frees it), as careless
// hosts do. It prints what it did; the exit status is 0 when the module saved and released.

#include <QAbstractButton>
#include <QApplication>
#include <QCommandLineParser>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <cstdio>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "host_window.h"

namespace {

std::basic_string<unsigned char> ShortString(const QByteArray& bytes) {
    std::basic_string<unsigned char> text(1, static_cast<unsigned char>(bytes.size()));
    text.append(reinterpret_cast<const unsigned char*>(bytes.constData()), bytes.size());
    return text;
}

// Web addresses and files that the module asks the desktop to open are only counted.
class UrlSink : public QObject {
    Q_OBJECT
public:
    int opened = 0;
public slots:
    void open(const QUrl&) { ++opened; }
};

struct Figures {
    int actions = 0, clicks = 0, keys = 0, texts = 0, answers = 0, helpOpened = 0, notesOpened = 0;
    std::set<int> screens;
};

class RandomDriver : public QObject {
public:
    RandomDriver(unsigned seed, int actions) : random_(seed), limit_(actions) {}

    void Start() {
        OpenHelpAndNotes();
        Schedule();
    }
    void ModuleEnded(int message) {
        ended_ = message;
        ending_ = true;
    }
    int Ended() const { return ended_; }
    const Figures& Counts() const { return figures_; }

private:
    void Schedule() {
        QTimer::singleShot(0, this, [this] { Step(); });
    }

    // The next step is scheduled before this one acts, so that a modal box opened by the action
    // is answered from inside its own event loop.
    void Step() {
        NoteScreen();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            Schedule();
            Act([&] { Answer(modal); });
            return;
        }
        if (ending_ || figures_.actions >= limit_) {
            ending_ = true;
            if (depth_ == 0)
                QCoreApplication::exit(0);
            else
                Schedule();
            return;
        }
        Schedule();
        ++figures_.actions;
        Act([&] { RandomAction(); });
    }

    template <typename F>
    void Act(F action) {
        ++depth_;
        action();
        --depth_;
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    static QWidget* MainWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("MainForm")) return window;
        return nullptr;
    }

    static QAbstractButton* ToolButton(const QString& text) {
        QWidget* main = MainWindow();
        if (!main) return nullptr;
        for (QToolButton* button : main->findChildren<QToolButton*>())
            if (button->text() == text) return button;
        return nullptr;
    }

    void OpenHelpAndNotes() {
        if (QAbstractButton* help = ToolButton(QStringLiteral("Help"))) {
            help->click();
            ++figures_.helpOpened;
        }
        if (QAbstractButton* notes = ToolButton(QStringLiteral("Notes"))) {
            notes->click();
            ++figures_.notesOpened;
            if (QWidget* main = MainWindow())
                if (auto* memo = main->findChild<QPlainTextEdit*>(QStringLiteral("Memo")))
                    QTest::keyClicks(memo, QStringLiteral("Kept at exit"));
        }
    }

    void NoteScreen() {
        QWidget* main = MainWindow();
        if (!main) return;
        if (auto* label = main->findChild<QLabel*>(QStringLiteral("ScreenIdLabel"))) {
            bool ok = false;
            const int number = label->text().section(QLatin1Char(' '), 1).toInt(&ok);
            if (ok) figures_.screens.insert(number);
        }
    }

    static QList<QWidget*> Targets(QWidget* window) {
        QList<QWidget*> targets;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || !widget->isEnabled() || widget->width() < 2) continue;
            // The calculator would start a program; the Close button ends the run too soon.
            if (auto* button = qobject_cast<QAbstractButton*>(widget);
                button && (button->text() == QLatin1String("Calculator") ||
                           button->objectName() == QLatin1String("BtnCancel")))
                continue;
            targets << widget;
        }
        return targets;
    }

    void Click(QWidget* target, bool twice) {
        const QPoint at(Pick(target->width()), Pick(target->height()));
        QPointer<QWidget> alive(target);
        ++figures_.clicks;
        if (twice) {
            QTest::mouseDClick(target, Qt::LeftButton, {}, at);
            return;
        }
        QTest::mousePress(target, Qt::LeftButton, {}, at);
        if (alive) QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    }

    void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QPointer<QWidget> alive(target);
        ++figures_.keys;
        QTest::keyPress(target, key, modifiers);
        if (alive) QTest::keyRelease(target, key, modifiers);
    }

    // Typed one key at a time; characters beyond ASCII come as bare text events.
    void TypeText(QWidget* target) {
        ++figures_.texts;
        QPointer<QWidget> alive(target);
        QTest::keyClicks(target, RandomText());
        if (alive && Pick(4) == 0) {
            static const QString foreign[] = {QStringLiteral("\u00e9"), QStringLiteral("\u20ac"),
                                              QStringLiteral("\u4e2d")};
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, foreign[Pick(3)]);
            QApplication::sendEvent(target, &press);
        }
    }

    QString RandomText() {
        static const QString characters = QStringLiteral("0123456789./-,$ abcxyzAZ%'");
        QString text;
        for (int i = 1 + Pick(8); i > 0; --i) text += characters.at(Pick(int(characters.size())));
        return text;
    }

    void Answer(QWidget* modal) {
        ++figures_.answers;
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>())
            if (button->isVisible() && button->isEnabled()) buttons << button;
        const int choice = Pick(4);
        if (choice == 0 || buttons.isEmpty())
            Key(modal, Pick(2) ? Qt::Key_Escape : Qt::Key_Return);
        else if (choice == 1)
            TypeText(modal->focusWidget() ? modal->focusWidget() : modal);
        else
            buttons.at(Pick(int(buttons.size())))->click();
    }

    void RandomAction() {
        const QWidgetList windows = QApplication::topLevelWidgets();
        QList<QWidget*> visible;
        for (QWidget* window : windows)
            if (window->isVisible()) visible << window;
        if (visible.isEmpty()) return;
        QWidget* window = visible.at(Pick(int(visible.size())));
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        static const Qt::Key keys[] = {
            Qt::Key_Tab, Qt::Key_Backtab,  Qt::Key_Return,    Qt::Key_Space, Qt::Key_Escape,
            Qt::Key_Up,  Qt::Key_Down,     Qt::Key_Left,      Qt::Key_Right, Qt::Key_Home,
            Qt::Key_End, Qt::Key_Delete,   Qt::Key_Backspace, Qt::Key_F1,    Qt::Key_F6,
            Qt::Key_F8,  Qt::Key_PageDown, Qt::Key_1,         Qt::Key_Y,     Qt::Key_N};
        static const Qt::Key mnemonics[] = {Qt::Key_N, Qt::Key_P, Qt::Key_Y, Qt::Key_O, Qt::Key_M};
        const int kind = Pick(100);
        if (kind < 45) {
            const QList<QWidget*> targets = Targets(window);
            if (!targets.isEmpty()) Click(targets.at(Pick(int(targets.size()))), Pick(10) == 0);
        } else if (kind < 70) {
            Key(focus, keys[Pick(int(std::size(keys)))]);
        } else if (kind < 75) {
            Key(focus, mnemonics[Pick(int(std::size(mnemonics)))], Qt::AltModifier);
        } else if (kind < 92) {
            TypeText(focus);
        } else if (kind < 96) {
            // Help and notes come and go.
            if (window != MainWindow()) {
                window->close();
            } else if (QAbstractButton* button =
                           ToolButton(Pick(2) ? QStringLiteral("Help") : QStringLiteral("Notes"))) {
                (button->text() == QLatin1String("Help") ? figures_.helpOpened
                                                         : figures_.notesOpened)++;
                button->click();
            }
        } else if (QWidget* main = MainWindow()) {
            Key(main, Qt::Key_F1);
            ++figures_.helpOpened;
        }
    }

    std::mt19937 random_;
    int limit_;
    int depth_ = 0;
    int ended_ = 0;
    bool ending_ = false;
    Figures figures_;
};

int Fail(const char* message) {
    std::fprintf(stderr, "orvana-random-host: %s\n", message);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the return's data file"));
    const QCommandLineOption tfn(QStringLiteral("tfn"), QStringLiteral("identifier"),
                                 QStringLiteral("ID"), QStringLiteral("123456782"));
    const QCommandLineOption module(
        QStringLiteral("module"), QStringLiteral("library"), QStringLiteral("PATH"),
        QCoreApplication::applicationDirPath() + QStringLiteral("/liborvanaCGT.so"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("random seed"),
                                  QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption actions(QStringLiteral("actions"), QStringLiteral("random actions"),
                                     QStringLiteral("N"), QStringLiteral("2000"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("window size"),
                                  QStringLiteral("WxH"), QStringLiteral("800x575"));
    const QCommandLineOption unload(QStringLiteral("unload"),
                                    QStringLiteral("unload the library after freeing it"));
    const QCommandLineOption noFree(QStringLiteral("no-free"),
                                    QStringLiteral("exit without FreeDLLResources"));
    parser.addOptions({tfn, module, seed, actions, size, unload, noFree});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) return Fail("give one data file");

    UrlSink urls;
    for (const char* scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &urls, "open");

    ModuleLibrary library;
    QString error;
    if (!library.Load(parser.value(module), error)) return Fail(error.toLocal8Bit().constData());

    RandomDriver driver(parser.value(seed).toUInt(), parser.value(actions).toInt());
    NotifyReceiver receiver;
    QObject::connect(&receiver, &NotifyReceiver::moduleEnded, &driver,
                     [&](int message) { driver.ModuleEnded(message); });

    const QStringList wh = parser.value(size).split(QLatin1Char('x'));
    const int width = wh.value(0).toInt(), height = wh.value(1).toInt();
    const auto file =
        ShortString(QFileInfo(parser.positionalArguments().first()).absoluteFilePath().toLatin1());
    const auto identifier = ShortString(parser.value(tfn).toLatin1());
    const auto commandLine = ShortString(QByteArrayLiteral("orvana-random-host"));
    library.run(nullptr, &receiver, file.c_str(), identifier.c_str(), commandLine.c_str(), 2004, 0,
                0, width, height, 0, 0);
    driver.Start();
    QApplication::exec();

    const Figures& figures = driver.Counts();
    const int released = parser.isSet(noFree) ? -1 : library.freeResources();
    std::printf(
        "seed %s: %d actions (%d clicks, %d keys, %d texts, %d answers), help opened %d, notes "
        "opened %d, %d urls; %zu screens reached:",
        qPrintable(parser.value(seed)), figures.actions, figures.clicks, figures.keys,
        figures.texts, figures.answers, figures.helpOpened, figures.notesOpened, urls.opened,
        figures.screens.size());
    for (int number : figures.screens) std::printf(" %d", number);
    std::printf("; ended by %s; FreeDLLResources %d\n",
                driver.Ended() == ORVANA_MSG_INTERVIEW_FINISHED ? "the interview's end"
                : driver.Ended() == ORVANA_MSG_MODULE_CLOSED    ? "the taxpayer's close"
                                                                : "the host",
                released);
    std::fflush(stdout);
    // Qt wants its URL handlers given back before their object goes.
    for (const char* scheme : {"http", "https", "file", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    if (parser.isSet(unload)) library.Unload();
    // Returns without unloading the library: its unload handler runs after the application
    // object is gone.
    return released == 1 || parser.isSet(noFree) ? 0 : 1;
}

#include "random_host.moc"
