#include "module/tkeyboardhelpform.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

const char* Heading(ShortcutKeyHelp::Window window) {
    switch (window) {
        case ShortcutKeyHelp::ThisList:
            return "In this list:";
        case ShortcutKeyHelp::Interview:
            return "In the interview window:";
        default:
            return "In the help viewer:";
    }
}

}  // namespace

const std::vector<ShortcutKeyHelp>& TKeyboardHelpForm::Keys() {
    using W = ShortcutKeyHelp;
    static const std::vector<ShortcutKeyHelp> keys{
        {W::ThisList, QStringLiteral("Escape"), QStringLiteral("Closes this list.")},
        {W::Interview, QStringLiteral("F9"), QStringLiteral("Shows this list of shortcut keys.")},
        {W::Interview, QStringLiteral("Tab"), QStringLiteral("Moves to the next control or link.")},
        {W::Interview, QStringLiteral("Shift+Tab"),
         QStringLiteral("Moves to the previous control or link.")},
        {W::Interview, QStringLiteral("Enter"), QStringLiteral("Follows the current link.")},
        {W::Interview, QStringLiteral("F6"),
         QStringLiteral("Leaves a table and moves to the next control.")},
        {W::Interview, QStringLiteral("Shift+F6"),
         QStringLiteral("Leaves a table and moves to the previous control.")},
        {W::Interview, QStringLiteral("F8"),
         QStringLiteral("Reads the heading and notes of a table column,")},
        {W::Interview, QString(), QStringLiteral("or the additional information of a field.")},
        {W::Interview, QStringLiteral("Home"),
         QStringLiteral("Goes to the first cell of the row in a table.")},
        {W::Interview, QStringLiteral("Alt+H"),
         QStringLiteral("Lists the links on the current screen.")},
        {W::Interview, QStringLiteral("Alt+M"),
         QStringLiteral("More: detailed help on the current question.")},
        {W::Interview, QStringLiteral("Alt+Y"), QStringLiteral("Yes: answers the question Yes.")},
        {W::Interview, QStringLiteral("Alt+O"), QStringLiteral("No: answers the question No.")},
        {W::Interview, QStringLiteral("Alt+P"), QStringLiteral("Prev: the screen before.")},
        {W::Interview, QStringLiteral("Alt+N"), QStringLiteral("Next: the next screen.")},
        {W::Interview, QStringLiteral("Alt+C"), QStringLiteral("Close: leaves the interview.")},
        {W::Interview, QStringLiteral("Ctrl+S"), QStringLiteral("Save: saves your tax return.")},
        {W::Interview, QStringLiteral("Ctrl+L"), QStringLiteral("Calculator: opens a calculator.")},
        {W::Interview, QStringLiteral("Ctrl+T"), QStringLiteral("Notes: opens your notes.")},
        {W::Interview, QStringLiteral("F1"), QStringLiteral("Help on the current screen.")},
        {W::Interview, QStringLiteral("Shift+F1"),
         QStringLiteral("Help: the contents of the help.")},
        {W::HelpViewer, QStringLiteral("Alt+C"), QStringLiteral("Contents: the list of topics.")},
        {W::HelpViewer, QStringLiteral("Alt+I"), QStringLiteral("Index: the index of topics.")},
        {W::HelpViewer, QStringLiteral("Alt+S"),
         QStringLiteral("Search: the words to search for.")},
        {W::HelpViewer, QStringLiteral("Alt+B"), QStringLiteral("Back: the topic before.")},
        {W::HelpViewer, QStringLiteral("Escape"), QStringLiteral("Closes the help viewer.")},
    };
    return keys;
}

TKeyboardHelpForm::TKeyboardHelpForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("KeyboardHelpForm"));
    setWindowTitle(QStringLiteral("Shortcut keys for vision impaired users dialog"));
    auto* layout = new QVBoxLayout(this);
    Text = new QPlainTextEdit(this);
    Text->setReadOnly(true);

    const QFontMetrics metrics(Text->font());
    int keyColumn = 0;
    for (const ShortcutKeyHelp& key : Keys())
        keyColumn = std::max(keyColumn, metrics.horizontalAdvance(key.keys));
    keyColumn += metrics.horizontalAdvance(QStringLiteral("MM"));
    Text->setTabStopDistance(keyColumn);

    QStringList lines;
    int widest = 0;
    std::optional<ShortcutKeyHelp::Window> window;
    for (const ShortcutKeyHelp& key : Keys()) {
        if (key.window != window) {
            if (window) lines << QString();
            window = key.window;
            lines << QString::fromLatin1(Heading(key.window));
            widest = std::max(widest, metrics.horizontalAdvance(lines.last()));
        }
        lines << key.keys + QLatin1Char('\t') + key.text;
        widest = std::max(widest, keyColumn + metrics.horizontalAdvance(key.text));
    }
    Text->setPlainText(lines.join(QLatin1Char('\n')));
    // Wide enough that no line wraps, so a reader goes through the list key by key.
    const int frame = 2 * Text->frameWidth() + 2 * int(Text->document()->documentMargin());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    Text->setMinimumWidth(widest + frame + scrollBar + 8);
    Text->setMinimumHeight(metrics.lineSpacing() * 16);
    Text->installEventFilter(this);
    layout->addWidget(Text, 1);
    auto* close = new QPushButton(QStringLiteral("&Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignRight);
    Text->moveCursor(QTextCursor::Start);
    Text->setFocus();
}

bool TKeyboardHelpForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
