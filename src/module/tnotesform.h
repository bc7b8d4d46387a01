#pragma once
// The taxpayer's own notes on the return, kept in field 399 and never sent anywhere.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TNotesForm : public QWidget {
    Q_OBJECT
public:
    explicit TNotesForm(QWidget* owner);

    QPlainTextEdit* Memo = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StoreNotes();
};
