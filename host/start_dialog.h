#pragma once
// What orvana-host shows when it is started without a return: open an existing return,
// start a new one, open the sample, or one of the returns opened lately.

#include <QDialog>
#include <QStringList>

class QListWidget;

struct StartChoice {
    enum Kind { None, Open, New, Sample } kind = None;
    QString file, tfn, name;  // name: of a new return
};

class StartDialog : public QDialog {
    Q_OBJECT
public:
    // `recent`: files opened lately, newest first; `folder`: where new returns go first.
    StartDialog(const QStringList& recent, const QString& folder, bool haveSample,
                QWidget* parent = nullptr);
    const StartChoice& Choice() const { return choice_; }

private:
    void OpenExisting();
    void OpenFile(const QString& file);
    void StartNew();
    void OpenSample();

    QString folder_;
    QListWidget* recent_ = nullptr;
    StartChoice choice_;
};

// The recent returns kept in the host's settings, newest first, at most eight; a file
// that no longer exists is left out.
QStringList RecentReturns();
void RememberReturn(const QString& file);
