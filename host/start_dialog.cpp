#include "start_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "return_prompts.h"

namespace {

constexpr int RecentCount = 8;
const char* const RecentKey = "recentReturns";

QPushButton* ChoiceButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

StartDialog::StartDialog(const QStringList& recent, const QString& folder, bool haveSample,
                         QWidget* parent)
    : QDialog(parent), folder_(folder) {
    setWindowTitle(QStringLiteral("Orvana - capital gains 2006"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("What would you like to do?"), this));
    auto* open =
        ChoiceButton(QStringLiteral("&Open an existing return..."), QStringLiteral("open"), this);
    auto* create =
        ChoiceButton(QStringLiteral("Start a &new return..."), QStringLiteral("new"), this);
    auto* sample =
        ChoiceButton(QStringLiteral("Open the &sample return"), QStringLiteral("sample"), this);
    sample->setEnabled(haveSample);
    connect(open, &QPushButton::clicked, this, &StartDialog::OpenExisting);
    connect(create, &QPushButton::clicked, this, &StartDialog::StartNew);
    connect(sample, &QPushButton::clicked, this, &StartDialog::OpenSample);
    layout->addWidget(open);
    layout->addWidget(create);
    layout->addWidget(sample);
    if (!recent.isEmpty()) {
        auto* label = new QLabel(QStringLiteral("&Recent returns:"), this);
        recent_ = new QListWidget(this);
        recent_->setObjectName(QStringLiteral("recent"));
        for (const QString& file : recent) {
            auto* item = new QListWidgetItem(QFileInfo(file).fileName(), recent_);
            item->setData(Qt::UserRole, file);
            item->setToolTip(QDir::toNativeSeparators(file));
        }
        label->setBuddy(recent_);
        connect(recent_, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { OpenFile(item->data(Qt::UserRole).toString()); });
        layout->addWidget(label);
        layout->addWidget(recent_);
    }
    auto* cancel = ChoiceButton(QStringLiteral("Cancel"), QStringLiteral("cancel"), this);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(cancel);
    open->setFocus();
}

void StartDialog::OpenExisting() {
    QFileDialog files(this, QStringLiteral("Open a return"), folder_,
                      QStringLiteral("Returns (*.tax *.TAX);;All files (*)"));
    files.setFileMode(QFileDialog::ExistingFile);
    files.setOption(QFileDialog::DontUseNativeDialog);  // the same dialog on every desktop
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty()) return;
    OpenFile(files.selectedFiles().constFirst());
}

void StartDialog::OpenFile(const QString& file) {
    if (!QFileInfo(file).isFile()) {
        HostMessage(QStringLiteral("%1 no longer exists.").arg(QDir::toNativeSeparators(file)));
        return;
    }
    // The TFN is the file's key: asked (and its check digit verified) before anything is read.
    TfnDialog ask(file, this);
    if (ask.exec() != QDialog::Accepted) return;
    choice_ = {StartChoice::Open, QFileInfo(file).absoluteFilePath(), ask.Tfn(), {}};
    accept();
}

void StartDialog::StartNew() {
    NewReturnDialog ask(folder_, this);
    if (ask.exec() != QDialog::Accepted) return;
    choice_ = {StartChoice::New, ask.File(), ask.Tfn(), ask.Name()};
    accept();
}

void StartDialog::OpenSample() {
    choice_ = {StartChoice::Sample, {}, {}, {}};
    accept();
}

QStringList RecentReturns() {
    QStringList kept;
    for (const QString& file : QSettings().value(QLatin1String(RecentKey)).toStringList())
        if (QFileInfo(file).isFile() && kept.size() < RecentCount) kept << file;
    return kept;
}

void RememberReturn(const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    QStringList list = QSettings().value(QLatin1String(RecentKey)).toStringList();
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > RecentCount) list.removeLast();
    QSettings().setValue(QLatin1String(RecentKey), list);
}
