#pragma once
// Reads out a grid column's heading and the screen's associated text, for users of a
// screen reader.

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class TTableColumnDescriptionForm : public QDialog {
    Q_OBJECT

public:
    explicit TTableColumnDescriptionForm(QWidget* parent = nullptr);

    void SetTexts(const QString& heading, const QString& associatedText);
    // Shows the dialog modally, centred on the owner (the main window).
    static void Execute(const QString& heading, const QString& associatedText,
                        QWidget* owner = nullptr);

    QPlainTextEdit* columnMemo = nullptr;
    QPushButton* closeButton = nullptr;
};
