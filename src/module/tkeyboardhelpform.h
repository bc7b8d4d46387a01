#pragma once
// The shortcut keys for screen-reader users (F9 in that mode), listed window by window so
// that each key is true to the window it works in.

#include <QDialog>
#include <QString>
#include <vector>

class QPlainTextEdit;

struct ShortcutKeyHelp {
    enum Window { ThisList, Interview, HelpViewer };
    Window window;
    QString keys;  // as QKeySequence writes them, for example "Alt+C"
    QString text;
};

class TKeyboardHelpForm : public QDialog {
    Q_OBJECT
public:
    explicit TKeyboardHelpForm(QWidget* owner);

    static const std::vector<ShortcutKeyHelp>& Keys();

    QPlainTextEdit* Text = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
