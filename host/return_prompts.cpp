#include "return_prompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "base/identifiers.h"
#include "base/message_box.h"
#include "base/module_state.h"

namespace {

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

QLineEdit* TfnEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("tfn"));
    edit->setMaxLength(20);
    return edit;
}

// A file name made of the taxpayer's name: letters, digits, blanks, hyphens and dots.
QString FileStem(const QString& name) {
    QString stem;
    for (const QChar c : name.simplified())
        if (c.isLetterOrNumber() || c == QLatin1Char(' ') || c == QLatin1Char('-') ||
            c == QLatin1Char('.'))
            stem += c;
    return stem.trimmed();
}

bool RefusedTfn(const QString& tfn) {
    if (TfnAcceptable(tfn)) return false;
    HostMessage(QStringLiteral("%1 is not a valid TFN: its check digit does not match. Check "
                               "the digits and type it again.")
                    .arg(tfn.trimmed().isEmpty() ? QStringLiteral("A blank") : tfn.trimmed()));
    return true;
}

}  // namespace

bool TfnAcceptable(const QString& tfn) {
    const QByteArray text = tfn.toLatin1();
    bool digits = false;
    for (const char c : text) digits = digits || (c >= '0' && c <= '9');
    return digits && IdentifierValid(IdentifierKind::TFN, text.toStdString());
}

void InstallHostMessageBoxes() {
    State().Responder = [](const MessageRequest& request) {
        QMessageBox box(QMessageBox::Warning, QString::fromLatin1(request.caption.c_str()),
                        QString::fromLatin1(request.text.c_str()), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
        return mrOk;
    };
}

void HostMessage(const QString& text) {
    ShowTitledMessage(text.toLatin1().toStdString(), MessageIcon::Exclamation, {mbOK});
}

TfnDialog::TfnDialog(const QString& file, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Open a return"));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QStringLiteral("The &TFN of %1 (the file opens only with it):")
                                  .arg(QFileInfo(file).fileName()),
                              this);
    tfn_ = TfnEdit(this);
    prompt->setBuddy(tfn_);
    layout->addWidget(prompt);
    layout->addWidget(tfn_);
    layout->addWidget(OkCancel(this));
}

QString TfnDialog::Tfn() const { return tfn_->text().trimmed(); }

void TfnDialog::accept() {
    if (RefusedTfn(tfn_->text())) {
        tfn_->setFocus();
        tfn_->selectAll();
        return;
    }
    QDialog::accept();
}

NewReturnDialog::NewReturnDialog(const QString& folder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Start a new return"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(60);
    tfn_ = TfnEdit(this);
    folder_ = new QLineEdit(QDir::toNativeSeparators(folder), this);
    folder_->setObjectName(QStringLiteral("folder"));
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    browse->setAutoDefault(false);  // Return is OK, not Browse
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen =
            QFileDialog::getExistingDirectory(this, QStringLiteral("Folder"), folder_->text());
        if (!chosen.isEmpty()) folder_->setText(QDir::toNativeSeparators(chosen));
    });
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_);
    folderRow->addWidget(browse);
    form->addRow(QStringLiteral("Taxpayer's &name:"), name_);
    form->addRow(QStringLiteral("&TFN:"), tfn_);
    form->addRow(QStringLiteral("&Folder:"), folderRow);
    layout->addLayout(form);
    layout->addWidget(OkCancel(this));
}

QString NewReturnDialog::Name() const { return name_->text().simplified(); }
QString NewReturnDialog::Tfn() const { return tfn_->text().trimmed(); }

QString NewReturnDialog::File() const {
    return QDir(QDir::fromNativeSeparators(folder_->text().trimmed()))
        .filePath(FileStem(Name()) + QStringLiteral(".TAX"));
}

void NewReturnDialog::accept() {
    if (FileStem(Name()).isEmpty()) {
        HostMessage(QStringLiteral("Type the taxpayer's name: the return is named after it."));
        name_->setFocus();
        return;
    }
    const QString name = Name();
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() > 0xFF; })) {
        HostMessage(QStringLiteral("The taxpayer's name can hold only Latin-1 characters."));
        name_->setFocus();
        return;
    }
    if (RefusedTfn(tfn_->text())) {
        tfn_->setFocus();
        tfn_->selectAll();
        return;
    }
    if (!QFileInfo(QFileInfo(File()).path()).isDir()) {
        HostMessage(QStringLiteral("The folder %1 does not exist.").arg(folder_->text()));
        folder_->setFocus();
        return;
    }
    if (QFileInfo::exists(File())) {
        HostMessage(QStringLiteral("%1 already exists: open it, or choose another folder.")
                        .arg(QDir::toNativeSeparators(File())));
        folder_->setFocus();
        return;
    }
    QDialog::accept();
}
