#pragma once
// The questions the host asks before the module opens a return: the TFN of an existing
// return (its check digit verified before anything is read) and, for a new return, the
// taxpayer's name, TFN and folder.

#include <QDialog>
#include <QString>

class QLineEdit;

// True when `tfn` has digits and they pass the TFN check digit.
bool TfnAcceptable(const QString& tfn);

// "TFN of FILE": refuses to close with OK until the TFN passes its check digit.
class TfnDialog : public QDialog {
    Q_OBJECT
public:
    explicit TfnDialog(const QString& file, QWidget* parent = nullptr);
    QString Tfn() const;
    void accept() override;

private:
    QLineEdit* tfn_;
};

// A new return: the taxpayer's name, TFN and the folder; the file is named after the
// taxpayer. OK is refused while the name is blank, the TFN fails or the file exists.
class NewReturnDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewReturnDialog(const QString& folder, QWidget* parent = nullptr);
    QString Name() const;
    QString Tfn() const;
    QString File() const;  // the folder's "NAME.TAX"
    void accept() override;

private:
    QLineEdit *name_, *tfn_, *folder_;
};

// Says `text` in a message box through the module's message boxes (so tests script it).
void HostMessage(const QString& text);
// The host's message boxes as modal QMessageBoxes.
void InstallHostMessageBoxes();
