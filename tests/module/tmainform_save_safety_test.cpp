// The main window's Save and autosave never write over a return the module could not
// open without the taxpayer's say, start in the return's own folder, and say whether the
// return survived a failed save.

#include <QApplication>
#include <QTimer>
#include <filesystem>

#include "../interview/interview_fixture.h"
#include "folder_files.h"
#include "module/tmainform.h"
#include "module/tsavedialog.h"
#include "store/data_file.h"
#include "temp_dir.h"

class MainFormSaveSafetyTest : public InterviewTest {
protected:
    void SetUp() override {
        InterviewTest::SetUp();
        std::filesystem::create_directory(dir.File("returns"));
        file = dir.File("returns/SMITH.TAX");
        SetFieldStr(1, "123456782");
        Serve(2006);
        Start(2006);
        State().CurrentFileName = file;
    }
    TempDir dir;
    std::string file;
};

TEST_F(MainFormSaveSafetyTest, TheSaveDialogOpensInTheReturnsFolder) {
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<TSaveDialog*>(QApplication::activeModalWidget())) {
            shown = dialog->Folder();
            dialog->reject();
        }
    });
    poll.start(10);
    EXPECT_FALSE(main->Save());
    EXPECT_EQ(shown.toStdString(), dir.File("returns"));
}

TEST_F(MainFormSaveSafetyTest, AReturnThatWasNotOpenedIsReplacedOnlyWhenTheTaxpayerSaysSo) {
    SetFieldStr(397, "on disk");
    ASSERT_EQ(SaveDataFile(file), 0);
    const auto onDisk = ReadBytes(file);
    State().UnopenedFileName = file;
    SetFieldStr(397, "typed since");
    for (int tick = 0; tick < 6; ++tick) main->AutosaveTick();
    EXPECT_EQ(ReadBytes(file), onDisk);

    main->ChooseSaveFile = [&](const std::string&, std::string& chosen) {
        chosen = file;
        return true;
    };
    responder->Answer(mrNo);
    EXPECT_FALSE(main->Save());
    EXPECT_NE(responder->LastText().find("was not opened. Replace it with what you entered now?"),
              std::string::npos);
    EXPECT_EQ(ReadBytes(file), onDisk);

    responder->Answer(mrYes);
    EXPECT_TRUE(main->Save());
    EXPECT_NE(ReadBytes(file), onDisk);
    EXPECT_EQ(State().UnopenedFileName, "");
}

TEST_F(MainFormSaveSafetyTest, AFailedSaveSaysTheReturnOnDiskIsUnchanged) {
    main->ChooseSaveFile = [&](const std::string&, std::string& chosen) {
        chosen = dir.File("gone/SMITH.TAX");
        return true;
    };
    EXPECT_FALSE(main->Save());
    EXPECT_EQ(responder->LastText(), "Unable to save file - " + dir.File("gone/SMITH.TAX") +
                                         "\r\n\r\nNo such file or directory\r\n\r\nThe return on "
                                         "disk is unchanged.");
}
