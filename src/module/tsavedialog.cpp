#include "module/tsavedialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include "base/message_box.h"
#include "module/core/save_file_name.h"
#include "platform/qt_message_box.h"

namespace {

const QString ParentEntry = QStringLiteral("..");
constexpr int ColumnWidth = 250;

QStringList DefaultDrives() {
    QStringList roots = {QDir::rootPath(), QDir::homePath()};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (root.startsWith(QStringLiteral("/media/")) ||
            root.startsWith(QStringLiteral("/mnt/")) ||
            root.startsWith(QStringLiteral("/run/media/")))
            roots << root;
    }
    roots.removeDuplicates();
    return roots;
}

QListWidget* MakeList(const QString& objectName) {
    auto* list = new QListWidget;
    list->setObjectName(objectName);
    list->setUniformItemSizes(true);
    list->setIconSize(QSize(16, 16));
    list->setMinimumHeight(180);
    return list;
}

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

bool RepresentableInLatin1(const QString& text) {
    return FromLatin1Text(ToLatin1Text(text)) == text;
}

}  // namespace

TSaveDialog::TSaveDialog(const std::string& currentName, QWidget* parent, const QString& folder)
    : QDialog(parent) {
    setWindowTitle(tr("Save As"));
    nameEdit_ = new QLineEdit(FromLatin1Text(currentName));
    nameEdit_->setObjectName(QStringLiteral("FileNameEdit"));
    nameEdit_->setMaxLength(SaveNameMaxLength);
    nameEdit_->installEventFilter(this);
    fileList_ = MakeList(QStringLiteral("FileListBox"));
    directoryList_ = MakeList(QStringLiteral("DirectoryListBox"));
    folderLabel_ = new QLabel;
    folderLabel_->setObjectName(QStringLiteral("FolderLabel"));
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    folderLabel_->setMinimumWidth(ColumnWidth);
    folderLabel_->setMaximumWidth(ColumnWidth * 2);
    driveCombo_ = new QComboBox;
    driveCombo_->setObjectName(QStringLiteral("DriveComboBox"));

    auto* buttons = new QDialogButtonBox;
    saveButton_ = buttons->addButton(tr("&Save"), QDialogButtonBox::AcceptRole);
    saveButton_->setObjectName(QStringLiteral("BtnSave"));
    saveButton_->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("BtnCancel"));

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(Caption(tr("File &name:"), nameEdit_), 0, 0);
    grid->addWidget(nameEdit_, 1, 0);
    grid->addWidget(fileList_, 2, 0);
    grid->addWidget(new QLabel(tr("Tax returns (*.tax)")), 3, 0);
    grid->addWidget(Caption(tr("&Folders:"), directoryList_), 0, 1);
    grid->addWidget(folderLabel_, 1, 1);
    grid->addWidget(directoryList_, 2, 1);
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(Caption(tr("Dri&ves:"), driveCombo_));
    driveRow->addWidget(driveCombo_, 1);
    grid->addLayout(driveRow, 3, 1);
    grid->addWidget(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(0, ColumnWidth);
    grid->setColumnMinimumWidth(1, ColumnWidth);

    connect(saveButton_, &QPushButton::clicked, this, &TSaveDialog::BtnSaveClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fileList_, &QListWidget::itemClicked, this, &TSaveDialog::FileListClick);
    connect(fileList_, &QListWidget::itemActivated, this, &TSaveDialog::FileListDblClick);
    connect(directoryList_, &QListWidget::itemActivated, this, &TSaveDialog::DirectoryListDblClick);
    connect(driveCombo_, &QComboBox::currentIndexChanged, this, &TSaveDialog::DriveComboChange);

    SetDrives(DefaultDrives());
    ShowFolder(QDir(folder.isEmpty() ? QDir::currentPath() : folder).absolutePath());
    nameEdit_->setFocus();
    nameEdit_->selectAll();
}

bool TSaveDialog::Execute() { return exec() == QDialog::Accepted; }

void TSaveDialog::SetDrives(const QStringList& roots) {
    const QSignalBlocker block(driveCombo_);
    driveCombo_->clear();
    for (const QString& root : roots) driveCombo_->addItem(QDir::toNativeSeparators(root), root);
    SelectDriveOf(folder_);
}

void TSaveDialog::SelectDriveOf(const QString& folder) {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < driveCombo_->count(); ++i) {
        const QString root = driveCombo_->itemData(i).toString();
        const bool holds =
            folder == root || folder.startsWith(root.endsWith('/') ? root : root + '/');
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker block(driveCombo_);
    driveCombo_->setCurrentIndex(best);
    driveIndex_ = best;
}

void TSaveDialog::ShowFolder(const QString& folder) {
    folder_ = QDir::cleanPath(folder);
    const QString shown = QDir::toNativeSeparators(folder_);
    folderLabel_->setText(folderLabel_->fontMetrics().elidedText(shown, Qt::ElideMiddle,
                                                                 folderLabel_->minimumWidth()));
    folderLabel_->setToolTip(shown);
    const QDir dir(folder_);

    // "*.tax" ignoring letter case: returns are named in upper case.
    fileList_->clear();
    const QIcon fileIcon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.tax")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        fileList_->addItem(new QListWidgetItem(fileIcon, name));

    directoryList_->clear();
    if (!dir.isRoot())
        directoryList_->addItem(
            new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent), ParentEntry));
    const QIcon folderIcon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const QString& name :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        directoryList_->addItem(new QListWidgetItem(folderIcon, name));
    SelectDriveOf(folder_);
}

bool TSaveDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == nameEdit_ && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // Control keys (Backspace, Enter, shortcuts) go through; typed characters must be
        // ones a data file name may hold.
        if (text.isEmpty() || text.at(0).unicode() < 32) return false;
        QString remaining = nameEdit_->text();
        if (nameEdit_->hasSelectedText())
            remaining.remove(nameEdit_->selectionStart(), nameEdit_->selectedText().size());
        const char16_t typed = text.at(0).unicode();
        const bool allowed =
            typed < 128 && SaveNameKeyAllowed(static_cast<char>(typed), ToLatin1Text(remaining));
        return !allowed;
    }
    return QDialog::eventFilter(watched, event);
}

void TSaveDialog::BtnSaveClick() {
    const SaveNameCheck check = CheckSaveFileName(ToLatin1Text(nameEdit_->text()));
    if (!check.ok || !RepresentableInLatin1(folder_)) {
        AppMessageBox(check.ok ? "Invalid filename" : check.error, mtWarning, mbOK);
        nameEdit_->setFocus();
        return;
    }
    std::vector<std::string> names;
    for (const QString& entry : QDir(folder_).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (RepresentableInLatin1(entry)) names.push_back(ToLatin1Text(entry));
    const std::string full = FullSaveFileName(ToLatin1Text(folder_), check.name, names);
    if (QFileInfo::exists(FromLatin1Text(full)) &&
        AppMessageBox("File exists - Overwrite?", mtConfirmation, mbYesNo) != mrYes)
        return;
    fileName_ = full;
    accept();
}

void TSaveDialog::FileListClick(QListWidgetItem* item) {
    if (item) nameEdit_->setText(item->text());
}

void TSaveDialog::FileListDblClick(QListWidgetItem* item) {
    FileListClick(item);
    BtnSaveClick();
}

void TSaveDialog::DirectoryListDblClick(QListWidgetItem* item) {
    if (!item) return;
    const QString target = item->text() == ParentEntry ? QFileInfo(folder_).absolutePath()
                                                       : QDir(folder_).filePath(item->text());
    ShowFolder(target);
}

void TSaveDialog::DriveComboChange(int index) {
    const QString root = driveCombo_->itemData(index).toString();
    const QDir dir(root);
    if (index < 0 || !dir.exists() || !dir.isReadable()) {
        AppMessageBox("Unable to read from drive", mtCustom, mbOK);
        const QSignalBlocker block(driveCombo_);
        driveCombo_->setCurrentIndex(driveIndex_);
        return;
    }
    driveIndex_ = index;
    ShowFolder(root);
}
