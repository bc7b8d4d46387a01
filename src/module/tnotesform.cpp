#include "module/tnotesform.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/module_state.h"
#include "platform/qt_message_box.h"
#include "store/field_store.h"

namespace {
constexpr int NotesField = 399;
}

TNotesForm::TNotesForm(QWidget* owner) : QWidget(owner, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("NotesForm"));
    setWindowTitle(QStringLiteral("Your Tax Return Notes"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    resize(460, 360);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QStringLiteral("Use the following notepad to jot down anything you want to remember while "
                       "completing your tax return.  This will NOT be sent to the Tax Office."),
        this);
    label->setWordWrap(true);
    layout->addWidget(label);
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(Memo, 1);
    CloseButton = new QPushButton(QStringLiteral("&Close"), this);
    CloseButton->setToolTip(QStringLiteral("Leave the notepad"));
    layout->addWidget(CloseButton, 0, Qt::AlignRight);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

void TNotesForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (GetFieldType(NotesField) == dtList) {
        if (!GetFieldLst(NotesField)) SetFieldLst(NotesField, {});
        QStringList lines;
        for (const std::string& line : *GetFieldLst(NotesField)) lines << FromLatin1Text(line);
        Memo->setPlainText(lines.join(QLatin1Char('\n')));
    }
    Memo->document()->setModified(false);
}

void TNotesForm::closeEvent(QCloseEvent* event) {
    StoreNotes();
    event->accept();
}

void TNotesForm::StoreNotes() {
    if (Memo->document()->isModified()) State().StoreChanged = true;
    if (GetFieldType(NotesField) != dtList) SetFieldType(NotesField, dtList);
    TextList lines;
    const QString text = Memo->toPlainText();
    if (!text.isEmpty())
        for (const QString& line : text.split(QLatin1Char('\n')))
            lines.push_back(ToLatin1Text(line));
    SetFieldLst(NotesField, std::move(lines));
}
