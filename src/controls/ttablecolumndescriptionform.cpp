#include "controls/ttablecolumndescriptionform.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>

#include "grid/column_description.h"
#include "platform/qt_message_box.h"

TTableColumnDescriptionForm::TTableColumnDescriptionForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Table Column Description Dialog"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(472, 333);
    columnMemo = new QPlainTextEdit(this);
    columnMemo->setObjectName(QStringLiteral("columnMemo"));
    columnMemo->setGeometry(8, 8, 457, 273);
    columnMemo->setReadOnly(true);
    QPalette memoPalette = columnMemo->palette();
    memoPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    columnMemo->setPalette(memoPalette);
    closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);
    const QSize button(88, 28);
    closeButton->setGeometry(width() - 8 - button.width(), height() - 12 - button.height(),
                             button.width(), button.height());
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TTableColumnDescriptionForm::SetTexts(const QString& heading, const QString& associatedText) {
    QStringList lines;
    for (const std::string& line :
         ColumnDescriptionLines(ToLatin1Text(heading), ToLatin1Text(associatedText)))
        lines << FromLatin1Text(line);
    columnMemo->setPlainText(lines.join(QLatin1Char('\n')));
    columnMemo->moveCursor(QTextCursor::Start);
}

void TTableColumnDescriptionForm::Execute(const QString& heading, const QString& associatedText,
                                          QWidget* owner) {
    if (!owner) owner = QApplication::activeWindow();
    TTableColumnDescriptionForm form(owner);
    form.SetTexts(heading, associatedText);
    if (owner) form.move(owner->frameGeometry().center() - form.rect().center());
    form.columnMemo->setFocus();
    form.exec();
}
