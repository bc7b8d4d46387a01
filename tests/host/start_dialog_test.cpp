// orvana-host started from the menu: the start dialog's choices with real widgets, the TFN
// asked (and its check digit verified) before a return is read, a new return written with
// the taxpayer's name, and the returns opened lately remembered.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "host_process.h"
#include "host_returns.h"
#include "return_prompts.h"
#include "scripted_responder.h"
#include "start_dialog.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "temp_dir.h"

namespace {

constexpr const char* Tfn = "123 456 782";

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class StartDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromStdString(dir.File("settings")));
        QCoreApplication::setOrganizationName(QStringLiteral("OrvanaTest"));
        QSettings().clear();
        responder = std::make_unique<ScriptedResponder>();
        ASSERT_EQ(WriteNewReturn(Q(file), QString::fromLatin1(Tfn), QStringLiteral("Kim Lee")),
                  QString());
    }
    void TearDown() override { QSettings().clear(); }
    static QString Q(const std::string& text) { return QString::fromStdString(text); }

    // The field the return holds, read with its TFN as the module reads it.
    static std::string StoredText(const std::string& path, const std::string& tfn, int field) {
        ResetModuleState();
        State().IdentifierText = tfn;
        AllocateFieldStore();
        if (OpenDataFile(path) != OpenReadCompletely) return "(unread)";
        const std::string text = GetFieldStr(field);
        ReleaseFieldStore();
        return text;
    }

    // Types `text` into the dialog's TFN field (replacing what is there) and presses Return.
    static void EnterTfn(QWidget* dialog, const QString& text) {
        auto* tfn = dialog->findChild<QLineEdit*>(QStringLiteral("tfn"));
        ASSERT_NE(tfn, nullptr);
        tfn->selectAll();
        QTest::keyClicks(tfn, text);
        QTest::keyClick(tfn, Qt::Key_Return);
    }

    TempDir dir;
    std::string file = dir.File("KIM.TAX");
    std::unique_ptr<ScriptedResponder> responder;
};

TEST_F(StartDialogTest, ARecentReturnAsksItsTfnAndABadCheckDigitIsRefusedBeforeAnyRead) {
    const std::string before = Slurp(file);
    StartDialog start({Q(file)}, Q(dir.Path().string()), false);
    bool stayedOpen = false;
    WhenModalOpens([&](QWidget* shown) {
        auto* recent = shown->findChild<QListWidget*>(QStringLiteral("recent"));
        ASSERT_NE(recent, nullptr);
        EXPECT_EQ(recent->item(0)->text(), QStringLiteral("KIM.TAX"));
        EXPECT_FALSE(shown->findChild<QPushButton*>(QStringLiteral("sample"))->isEnabled());
        WhenModalOpens([&](QWidget* ask) {
            EnterTfn(ask, QStringLiteral("123 456 789"));
            stayedOpen = ask->isVisible();
            EnterTfn(ask, QStringLiteral("123 456 782"));
        });
        recent->setFocus();
        recent->setCurrentRow(0);
        QTest::keyClick(recent, Qt::Key_Return);
    });
    ASSERT_EQ(start.exec(), QDialog::Accepted);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(responder->Count(), 1u);
    EXPECT_EQ(responder->LastText(),
              "123 456 789 is not a valid TFN: its check digit does not match. Check the digits "
              "and type it again.");
    EXPECT_EQ(start.Choice().kind, StartChoice::Open);
    EXPECT_EQ(start.Choice().file, Q(std::filesystem::absolute(file).string()));
    EXPECT_EQ(start.Choice().tfn, QStringLiteral("123 456 782"));
    EXPECT_EQ(Slurp(file), before);
}

TEST_F(StartDialogTest, OpenTakesTheFileFromTheFileDialogAndCancelOfTheTfnOpensNothing) {
    StartDialog start({}, Q(dir.Path().string()), true);
    int tfnAsked = 0;
    WhenModalOpens([&](QWidget* shown) {
        auto* open = shown->findChild<QPushButton*>(QStringLiteral("open"));
        // First the TFN is cancelled: the start dialog stays; then the file is opened.
        for (const bool cancel : {true, false}) {
            WhenModalOpens([&, cancel](QWidget* files) {
                ASSERT_NE(qobject_cast<QFileDialog*>(files), nullptr);
                auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                WhenModalOpens([&, cancel](QWidget* ask) {
                    ++tfnAsked;
                    if (cancel)
                        QTest::keyClick(ask, Qt::Key_Escape);
                    else
                        EnterTfn(ask, QString::fromLatin1(Tfn));
                });
                name->setText(Q(file));  // typed keys would meet the completer's pop-up
                QTest::keyClick(name, Qt::Key_Return);
            });
            QTest::mouseClick(open, Qt::LeftButton);
            if (cancel) {
                EXPECT_TRUE(shown->isVisible());
            }
        }
    });
    ASSERT_EQ(start.exec(), QDialog::Accepted);
    EXPECT_EQ(tfnAsked, 2);
    EXPECT_EQ(start.Choice().kind, StartChoice::Open);
    EXPECT_EQ(QFileInfo(start.Choice().file).fileName(), QStringLiteral("KIM.TAX"));
}

TEST_F(StartDialogTest, ANewReturnAsksNameTfnAndFolderAndHoldsTheName) {
    StartDialog start({}, Q(dir.Path().string()), true);
    WhenModalOpens([&](QWidget* shown) {
        WhenModalOpens([&](QWidget* ask) {
            auto* name = ask->findChild<QLineEdit*>(QStringLiteral("name"));
            ASSERT_NE(name, nullptr);
            EnterTfn(ask, QString::fromLatin1(Tfn));  // no name yet: refused
            QTest::keyClicks(name, QStringLiteral("KIM"));
            QTest::keyClick(name, Qt::Key_Return);  // KIM.TAX is there already: refused
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("Alex Sample"));
            EnterTfn(ask, QStringLiteral("12345678"));  // fails the check digit
            EnterTfn(ask, QString::fromLatin1(Tfn));
        });
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("new")), Qt::LeftButton);
    });
    ASSERT_EQ(start.exec(), QDialog::Accepted);
    const std::vector<std::string> texts = responder->Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Type the taxpayer's name: the return is named after it.");
    EXPECT_EQ(texts[1],
              dir.File("KIM.TAX") + " already exists: open it, or choose another folder.");
    EXPECT_NE(texts[2].find("12345678 is not a valid TFN"), std::string::npos);
    const StartChoice& choice = start.Choice();
    EXPECT_EQ(choice.kind, StartChoice::New);
    EXPECT_EQ(choice.name, QStringLiteral("Alex Sample"));
    EXPECT_EQ(choice.file, Q(dir.File("Alex Sample.TAX")));

    ASSERT_EQ(WriteNewReturn(choice.file, choice.tfn, choice.name), QString());
    EXPECT_EQ(StoredText(dir.File("Alex Sample.TAX"), Tfn, 397), "Alex Sample");
    EXPECT_EQ(StoredText(dir.File("Alex Sample.TAX"), Tfn, 1), Tfn);
    // An existing file is never written over.
    EXPECT_NE(WriteNewReturn(choice.file, choice.tfn, QStringLiteral("Other")), QString());
    EXPECT_EQ(StoredText(dir.File("Alex Sample.TAX"), Tfn, 397), "Alex Sample");
}

TEST_F(StartDialogTest, RecentReturnsAreKeptNewestFirstWithoutTheMissing) {
    const QString a = Q(file), b = Q(dir.File("B.TAX")), gone = Q(dir.File("GONE.TAX"));
    ASSERT_EQ(WriteNewReturn(b, QString::fromLatin1(Tfn), {}), QString());
    ASSERT_EQ(WriteNewReturn(gone, QString::fromLatin1(Tfn), {}), QString());
    for (const QString& opened : {gone, a, b, a}) RememberReturn(opened);
    std::filesystem::remove(gone.toStdString());
    EXPECT_EQ(RecentReturns(), QStringList({a, b}));
}

TEST(OrvanaHostNewReturn, NewWithANameWritesItAndABadTfnWritesNothing) {
    TempDir dir;
    const QString file = QString::fromStdString(dir.File("ALEX.TAX"));
    const HostRun refused = RunHostProgram(
        QStringLiteral(ORVANA_HOST_PROGRAM),
        {file, QStringLiteral("--new"), QStringLiteral("--name"), QStringLiteral("Alex Sample"),
         QStringLiteral("--tfn"), QStringLiteral("123456789")},
        OffscreenEnvironment());
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.indexOf(QStringLiteral("123456789 is not a valid TFN")), -1);
    EXPECT_FALSE(std::filesystem::exists(file.toStdString()));

    const HostRun run = RunHostProgram(
        QStringLiteral(ORVANA_HOST_PROGRAM),
        {file, QStringLiteral("--new"), QStringLiteral("--name"), QStringLiteral("Alex Sample"),
         QStringLiteral("--tfn"), QStringLiteral("123456782"), QStringLiteral("--start"),
         QStringLiteral("2201")},
        OffscreenEnvironment());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ResetModuleState();
    State().IdentifierText = "123456782";
    AllocateFieldStore();
    ASSERT_EQ(OpenDataFile(file.toStdString()), OpenReadCompletely);
    EXPECT_EQ(GetFieldStr(397), "Alex Sample");
    ReleaseFieldStore();
}

}  // namespace
