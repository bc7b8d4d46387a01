#pragma once
// The shortcut keys for screen-reader users (F9 in that mode).

#include <QDialog>

class QPlainTextEdit;

class TKeyboardHelpForm : public QDialog {
    Q_OBJECT
public:
    explicit TKeyboardHelpForm(QWidget* owner);

    QPlainTextEdit* Text = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
