#include "module/tkeyboardhelpform.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TKeyboardHelpForm::TKeyboardHelpForm(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("KeyboardHelpForm"));
    setWindowTitle(QStringLiteral("Shortcut keys for vision impaired users dialog"));
    resize(480, 340);
    auto* layout = new QVBoxLayout(this);
    Text = new QPlainTextEdit(this);
    Text->setReadOnly(true);
    Text->setPlainText(
        QStringLiteral("F9\tShows this list of shortcut keys.\n"
                       "Escape\tCloses this list.\n"
                       "F6\tLeaves a table and moves to the next control.\n"
                       "Shift+F6\tLeaves a table and moves to the previous control.\n"
                       "F8\tReads the heading and additional text of the current table column.\n"
                       "Home\tGoes to the first cell of the row.\n"
                       "Alt+M\tGives detailed help on the current question.\n"
                       "Alt+H\tLists the links on the current screen.\n"
                       "Alt+I\tSelects the Index tab of the help viewer.\n"
                       "Alt+S\tSelects the Search tab of the help viewer.\n"
                       "Alt+C\tSelects the Contents tab of the help viewer."));
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
