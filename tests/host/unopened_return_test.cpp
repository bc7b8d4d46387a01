// A return the loaded module could not open, or read only in part: the module tells the
// taxpayer once, and neither its autosave nor FreeDLLResources writes over the file or
// its backup.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <filesystem>

#include "base/module_state.h"
#include "folder_files.h"
#include "loaded_module.h"
#include "module/core/host_arguments.h"
#include "store/data_file.h"
#include "store/data_file_cipher.h"
#include "store/data_file_format.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123 456 782";

// Answers every message box the module shows with its default button, keeping the texts.
class BoxAnswerer {
public:
    BoxAnswerer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            texts.push_back(box->text().toStdString());
            box->done(QMessageBox::Ok);
        });
        timer_.start(10);
    }
    int Count(const std::string& containing) const {
        int count = 0;
        for (const std::string& text : texts)
            if (text.find(containing) != std::string::npos) ++count;
        return count;
    }
    std::vector<std::string> texts;

private:
    QTimer timer_;
};

// A return of two generations, made by this process's own core.
void MakeReturn(const std::string& name) {
    ResetModuleState();
    AllocateFieldStore();
    State().IdentifierText = Tfn;
    SetFieldStr(1, Tfn);
    SetFieldStr(397, "first");
    ASSERT_EQ(SaveDataFile(name), 0);
    SetFieldStr(397, "second");
    ASSERT_EQ(SaveDataFile(name), 0);
    ResetModuleState();
}

// Runs the module on the file and ends it as a host does; FreeDLLResources' result.
int32_t RunAndFree(const std::string& name, const std::string& identifier) {
    LoadedModule module;
    EXPECT_TRUE(module.Loaded());
    const auto file = ToShortString(name);
    const auto tfn = ToShortString(identifier);
    const auto commandLine = ToShortString("orvana-host");
    module.run(nullptr, nullptr, file.c_str(), tfn.c_str(), commandLine.c_str(), 2004, 10, 10, 800,
               600, 0, 0);
    return module.freeResources();
}

}  // namespace

TEST(UnopenedReturn, AWrongIdentifierChangesNeitherTheReturnNorItsBackup) {
    TempDir dir;
    const std::string name = dir.File("RETURN.TAX");
    MakeReturn(name);
    const auto file = ReadBytes(name), backup = ReadBytes(dir.File("RETURN.BAK"));
    for (int run = 0; run < 2; ++run) {
        BoxAnswerer answers;
        EXPECT_EQ(RunAndFree(name, "876 543 210"), 1);
        EXPECT_EQ(answers.Count("Unable to open file - " + name), 1);
        EXPECT_EQ(answers.Count("was not opened, so it will not be changed"), 1);
        EXPECT_EQ(ReadBytes(name), file);
        EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), backup);
    }
    EXPECT_EQ(FolderContents(dir.Path()), (std::vector<std::string>{"RETURN.BAK", "RETURN.TAX"}));
    // The right identifier still opens it, and then the module saves as usual.
    BoxAnswerer answers;
    EXPECT_EQ(RunAndFree(name, Tfn), 1);
    EXPECT_EQ(answers.texts, std::vector<std::string>{});
    EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), file);
}

TEST(UnopenedReturn, AReturnReadOnlyInPartIsNotSavedBackShort) {
    TempDir dir;
    const std::string name = dir.File("RETURN.TAX");
    MakeReturn(name);
    CipherKey key{};
    ASSERT_TRUE(KeyFromText(MakeKeyText(Tfn), key));
    ByteBuffer plain;
    ASSERT_TRUE(DecipherDataFile(ReadBytes(name), key, plain));
    for (uint8_t byte : {0xFF, 0x7F, 0x00, 0x00}) plain.push_back(byte);  // field 32767
    ByteBuffer enciphered;
    ASSERT_TRUE(EncipherDataFile(plain, key, enciphered));
    WriteBytes(name, enciphered);
    const auto backup = ReadBytes(dir.File("RETURN.BAK"));

    BoxAnswerer answers;
    EXPECT_EQ(RunAndFree(name, Tfn), 1);
    EXPECT_EQ(answers.Count("Error reading file, field tag = 32767"), 1);
    EXPECT_EQ(answers.Count("was not opened, so it will not be changed"), 1);
    EXPECT_EQ(ReadBytes(name), enciphered);
    EXPECT_EQ(ReadBytes(dir.File("RETURN.BAK")), backup);
}

TEST(UnopenedReturn, TheHostRefusesANameThatDoesNotExistWithoutNew) {
    TempDir dir;
    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    host.setProcessEnvironment(environment);
    const QString missing = QString::fromStdString(dir.File("MISTYPED.TAX"));
    host.start(QStringLiteral(ORVANA_HOST_PROGRAM),
               {missing, QStringLiteral("--tfn"), QStringLiteral("123456782")});
    ASSERT_TRUE(host.waitForFinished(60000));
    EXPECT_EQ(host.exitCode(), 2);
    EXPECT_NE(QString::fromLocal8Bit(host.readAllStandardError())
                  .indexOf(QStringLiteral("does not exist; give --new")),
              -1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("MISTYPED.TAX")));
}
