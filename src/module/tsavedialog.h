#pragma once
// The Save dialog: a folder with its "*.tax" files, its subfolders and the drives, and a
// name field that takes only what a data file name may hold.

#include <QDialog>
#include <QStringList>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class TSaveDialog : public QDialog {
    Q_OBJECT
public:
    // `currentName` is the file part of the current file name; `folder` the folder to show
    // first (the current folder when empty).
    explicit TSaveDialog(const std::string& currentName, QWidget* parent = nullptr,
                         const QString& folder = QString());

    // Modal; true when the user chose a name and the dialog closed with OK.
    bool Execute();
    // The chosen full path (Latin-1, as the store's texts), after OK.
    const std::string& FileName() const { return fileName_; }
    QString Folder() const { return folder_; }

    // The drives offered: the file system root, the home folder and mounted removable
    // media, unless set.
    void SetDrives(const QStringList& roots);

private slots:
    void BtnSaveClick();
    void FileListClick(QListWidgetItem* item);
    void FileListDblClick(QListWidgetItem* item);
    void DirectoryListDblClick(QListWidgetItem* item);
    void DriveComboChange(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowFolder(const QString& folder);
    void SelectDriveOf(const QString& folder);

    QLineEdit* nameEdit_;
    QListWidget* fileList_;
    QLabel* folderLabel_;
    QListWidget* directoryList_;
    QComboBox* driveCombo_;
    QPushButton* saveButton_;
    QString folder_;
    int driveIndex_ = -1;
    std::string fileName_;
};
