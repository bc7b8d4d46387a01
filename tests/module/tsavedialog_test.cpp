#include "module/tsavedialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <optional>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "scripted_responder.h"
#include "temp_dir.h"

namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class SaveDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        responder.emplace();
        folder = QString::fromStdString(dir.Path().string());
        Touch(folder + "/jones.tax");
        Touch(folder + "/ALLEN.TAX");
        Touch(folder + "/notes.txt");
        QDir(folder).mkdir(QStringLiteral("archive"));
        Touch(folder + "/archive/OLD.TAX");
    }
    void TearDown() override {
        dialog.reset();
        responder.reset();
        ResetModuleState();
    }
    void Open(const std::string& currentName) {
        dialog.emplace(currentName, nullptr, folder);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&*dialog));
        nameEdit = dialog->findChild<QLineEdit*>(QStringLiteral("FileNameEdit"));
        files = dialog->findChild<QListWidget*>(QStringLiteral("FileListBox"));
        folders = dialog->findChild<QListWidget*>(QStringLiteral("DirectoryListBox"));
        drives = dialog->findChild<QComboBox*>(QStringLiteral("DriveComboBox"));
        save = dialog->findChild<QPushButton*>(QStringLiteral("BtnSave"));
        ASSERT_TRUE(nameEdit && files && folders && drives && save);
    }
    void TypeName(const QString& text) {
        nameEdit->clear();
        QTest::keyClicks(nameEdit, text);
    }
    QStringList Texts(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }
    QPoint RowCentre(QListWidget* list, int row) {
        return list->visualItemRect(list->item(row)).center();
    }
    void Click(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
    }
    // A view acts on a double click only on the item it saw pressed first.
    void DoubleClick(QListWidget* list, int row) {
        Click(list, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, row));
    }

    TempDir dir;
    QString folder;
    std::optional<ScriptedResponder> responder;
    std::optional<TSaveDialog> dialog;
    QLineEdit* nameEdit = nullptr;
    QListWidget* files = nullptr;
    QListWidget* folders = nullptr;
    QComboBox* drives = nullptr;
    QPushButton* save = nullptr;
};

}  // namespace

TEST_F(SaveDialogTest, ShowsTheReturnsAndFoldersOfTheFolder) {
    Open("SMITH.TAX");
    SaveShotIfRequested(&*dialog, QStringLiteral("save_dialog"));
    EXPECT_EQ(nameEdit->text(), "SMITH.TAX");
    EXPECT_EQ(Texts(files), (QStringList{"ALLEN.TAX", "jones.tax"}));
    EXPECT_EQ(Texts(folders), (QStringList{"..", "archive"}));

    DoubleClick(folders, 1);
    EXPECT_EQ(dialog->Folder(), folder + "/archive");
    EXPECT_EQ(Texts(files), QStringList{"OLD.TAX"});
    DoubleClick(folders, 0);
    EXPECT_EQ(dialog->Folder(), folder);
}

TEST_F(SaveDialogTest, TheNameFieldTakesOnlyWhatAFileNameMayHold) {
    Open("");
    QTest::keyClicks(nameEdit, "my re/turn_2006.t.ax");
    EXPECT_EQ(nameEdit->text(), "myreturn2006.tax");
    nameEdit->clear();
    QTest::keyClicks(nameEdit, QString(40, 'a'));
    EXPECT_EQ(nameEdit->text().size(), 36);
    QTest::keyClick(nameEdit, Qt::Key_Backspace);
    EXPECT_EQ(nameEdit->text().size(), 35);
}

TEST_F(SaveDialogTest, EnterSavesANewNameInUpperCase) {
    Open("");
    TypeName("smith");
    QTest::keyClick(nameEdit, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->FileName(), (folder + "/SMITH.TAX").toStdString());
    EXPECT_EQ(responder->Count(), 0u);
}

TEST_F(SaveDialogTest, BadNamesAreRefusedWithAWarning) {
    Open("");
    TypeName("smith.txt");
    QTest::mouseClick(save, Qt::LeftButton);
    ASSERT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->LastText(), "File extension must be .TAX");
    EXPECT_EQ(responder->Requests().back().icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialog->isVisible());

    Touch(folder + "/a+b.tax");  // a name that can reach the field only from the list
    DoubleClick(folders, 1);
    DoubleClick(folders, 0);
    Click(files, 0);
    EXPECT_EQ(nameEdit->text(), "a+b.tax");
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(responder->LastText(), "Invalid filename");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
}

TEST_F(SaveDialogTest, AnExistingFileIsOverwrittenOnlyOnYes) {
    Open("");
    responder->Answer(mrNo);
    DoubleClick(files, 1);
    ASSERT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->LastText(), "File exists - Overwrite?");
    EXPECT_EQ(responder->Requests().back().icon, MessageIcon::None);
    EXPECT_EQ(responder->Requests().back().buttons, (std::vector<TMsgDlgBtn>{mbYes, mbNo}));
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog->isVisible());

    responder->Answer(mrYes);
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    // The file of the list, not a new upper-case one beside it.
    EXPECT_EQ(dialog->FileName(), (folder + "/jones.tax").toStdString());
}

TEST_F(SaveDialogTest, ADriveThatCannotBeReadIsRefused) {
    Open("");
    dialog->SetDrives({folder, folder + "/no-such-drive"});
    EXPECT_EQ(drives->currentIndex(), 0);
    drives->setFocus();
    QTest::keyClick(drives, Qt::Key_Down);
    EXPECT_EQ(responder->LastText(), "Unable to read from drive");
    EXPECT_EQ(responder->Requests().back().icon, MessageIcon::None);
    EXPECT_EQ(drives->currentIndex(), 0);
    EXPECT_EQ(dialog->Folder(), folder);
}

TEST_F(SaveDialogTest, CancelChoosesNothing) {
    Open("SMITH.TAX");
    QTest::keyClick(nameEdit, Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(dialog->FileName().empty());
}
