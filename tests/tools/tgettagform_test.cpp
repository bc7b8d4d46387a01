// The help-desk tag tool driven as support staff use it: the Tags button of the interview
// window, tags and values typed, Enter and the buttons clicked.

#include "tools/tgettagform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "../interview/interview_fixture.h"
#include "module/module_lifecycle.h"
#include "store/data_file.h"
#include "store/worksheet_items.h"
#include "temp_dir.h"
#include "tools/core/tag_tool_rules.h"

namespace {

class TagToolTest : public InterviewTest {
protected:
    // The module in help-desk mode on a screen that shows fields 920 and 397, and the tool
    // opened.
    void OpenTool() {
        Serve(2004, sbNext | sbPrev, [](ProbeScreen* screen) {
            screen->AddEdit(920, ntCurrency, 40)->setObjectName(QStringLiteral("AmountEdit"));
            screen->AddEdit(397, ntNone, 80)->setObjectName(QStringLiteral("NameEdit"));
        });
        OpenWindows({QStringLiteral("HELPDESK")});
        Start(2004);
        Click(frame->btnInternals);
        tool = frame->TagForm();
        ASSERT_NE(tool, nullptr);
        ASSERT_TRUE(tool->isVisible());
    }

    // Replaces the entry's text by typing over all of it.
    static void TypeOver(QLineEdit* edit, const char* text) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // Types the tag and presses Enter, which gets.
    void Get(const char* tag) {
        TypeOver(tool->TagEdit, tag);
        QTest::keyClick(tool->TagEdit, Qt::Key_Return);
    }

    void Set(const char* tag, const char* value) {
        TypeOver(tool->TagEdit, tag);
        TypeOver(tool->ValueEdit, value);
        QTest::mouseClick(tool->BtnSet, Qt::LeftButton);
    }

    std::string Value() const { return tool->ValueEdit->text().toStdString(); }
    QString CheckedType() const {
        for (auto* button : tool->DataTypeGroup->findChildren<QRadioButton*>())
            if (button->isChecked()) return button->text();
        return {};
    }

    TGetTagForm* tool = nullptr;
};

}  // namespace

TEST_F(TagToolTest, TheTagsButtonIsHiddenOutsideHelpdeskMode) {
    Serve(2004);
    OpenWindows({QStringLiteral("orvana-host")});
    Start(2004);
    EXPECT_TRUE(frame->btnInternals->isHidden());
    EXPECT_EQ(frame->TagForm(), nullptr);
}

TEST_F(TagToolTest, TheWindowIsMadeOnceStaysOnTopAndCloseOnlyHidesIt) {
    OpenTool();
    EXPECT_FALSE(frame->btnInternals->isHidden());
    EXPECT_EQ(frame->btnInternals->text(), "Tags");
    SaveShotIfRequested(tool, QStringLiteral("get-tag-window"));
    EXPECT_EQ(tool->windowTitle(), "Get Tag");
    EXPECT_TRUE(tool->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(tool->parentWidget(), main);
    EXPECT_FALSE(tool->DataTypeGroup->isEnabled());
    EXPECT_EQ(tool->findChildren<QRadioButton*>().size(), 9);
    EXPECT_TRUE(tool->ValueCheck->isHidden());

    QTest::mouseClick(tool->BtnClose, Qt::LeftButton);
    EXPECT_FALSE(tool->isVisible());
    Click(frame->btnInternals);
    EXPECT_EQ(frame->TagForm(), tool);
    EXPECT_TRUE(tool->isVisible());
    Click(frame->btnInternals);  // already up: the same window again
    EXPECT_EQ(frame->TagForm(), tool);
    EXPECT_EQ(main->findChildren<TGetTagForm*>().size(), 1);
}

TEST_F(TagToolTest, TheTagTakesAtMostEightDigits) {
    OpenTool();
    QTest::keyClicks(tool->TagEdit, "9a2-0.1234567");
    EXPECT_EQ(tool->TagEdit->text(), "92012345");
}

TEST_F(TagToolTest, TagsOutsideTheStoreAreInvalid) {
    OpenTool();
    State().StoreChanged = false;
    for (const char* tag : {"0", "2313", ""}) {
        TypeOver(tool->ValueEdit, "x");
        Get(tag);
        EXPECT_EQ(Value(), "Invalid Tag") << tag;
        TypeOver(tool->ValueEdit, "x");
        Set(tag, "5");
        EXPECT_EQ(Value(), "Invalid Tag") << tag;
    }
    EXPECT_FALSE(State().StoreChanged);
}

TEST_F(TagToolTest, ANeverUsedFieldIsUndefined) {
    OpenTool();
    Get("1500");
    EXPECT_EQ(CheckedType(), "Undefined");
    EXPECT_EQ(Value(), "Unsupported Data Type");
    Set("1500", "12");
    EXPECT_EQ(GetFieldType(1500), dtNone);
}

TEST_F(TagToolTest, AnAmountIsReadAndOverwritten) {
    SetFieldVal(100, 1500.5L);
    OpenTool();
    Get("100");
    EXPECT_EQ(CheckedType(), "Currency");
    EXPECT_EQ(Value(), "1500.5");
    State().StoreChanged = false;
    Set("100", "2750");
    EXPECT_EQ(GetFieldVal(100), 2750);
    EXPECT_TRUE(State().StoreChanged);
    Set("100", "lots");
    EXPECT_EQ(GetFieldVal(100), 0);
    Get("100");
    EXPECT_EQ(Value(), "0");
}

TEST_F(TagToolTest, TextsAndListsAreReadButOnlyTextsAreWritten) {
    SetFieldStr(397, "Jo Smith");
    SetFieldLst(500, {"top line", "next"});
    OpenTool();
    Get("397");
    EXPECT_EQ(CheckedType(), "Small String");
    EXPECT_EQ(Value(), "Jo Smith");
    Set("397", "Joanna Smith-Jones");
    EXPECT_EQ(GetFieldStr(397), "Joanna Smith-Jones");
    Get("397");
    EXPECT_EQ(CheckedType(), "String");

    Get("500");
    EXPECT_EQ(CheckedType(), "List");
    EXPECT_EQ(Value(), "top line");
    Set("500", "replaced");
    EXPECT_EQ(GetFieldText(500), "top line");
}

TEST_F(TagToolTest, FieldOneKeepsTheDigitsTheReturnIsKeyedWith) {
    State().IdentifierText = "123 456 782";
    SetFieldStr(1, "123 456 782");
    OpenTool();
    for (const char* other : {"876 543 210", "", "no digits", "123 456 7821"}) {
        responder->Clear();
        Set("1", other);
        EXPECT_EQ(responder->LastText(), KeyChangeRefusedText) << other;
        EXPECT_EQ(GetFieldStr(1), "123 456 782") << other;
    }
    // The same digits written another way keep the key.
    responder->Clear();
    Set("1", "123-456-782");
    EXPECT_EQ(responder->Count(), 0u) << responder->LastText();
    EXPECT_EQ(GetFieldStr(1), "123-456-782");
}

TEST_F(TagToolTest, AWorksheetFieldOnlySaysWhetherItHasItems) {
    SetFieldType(WorksheetField(452), dtWorksheet);
    WorksheetItems(451, true)->push_back(WorksheetItem{1, 710, FieldSlot()});
    OpenTool();
    Get(std::to_string(WorksheetField(451)).c_str());
    EXPECT_EQ(CheckedType(), "Worksheet");
    EXPECT_EQ(Value(), "Worksheet exists");
    Get(std::to_string(WorksheetField(452)).c_str());
    EXPECT_EQ(Value(), "No Worksheets exist");
}

TEST_F(TagToolTest, ACheckBoxIsSetOnlyAfterItsTickIsOnShow) {
    SetFieldChecked(10);
    SetFieldUnchecked(9);
    OpenTool();
    State().StoreChanged = false;
    Set("9", "");
    // Without a get the tick is only revealed, in the value entry's place.
    EXPECT_FALSE(tool->ValueCheck->isHidden());
    EXPECT_TRUE(tool->ValueEdit->isHidden());
    EXPECT_TRUE(FieldChecked(10));
    EXPECT_FALSE(State().StoreChanged);

    Get("10");
    EXPECT_EQ(CheckedType(), "CheckBox");
    EXPECT_TRUE(tool->ValueCheck->isChecked());
    // A tick read for field 10 is not written into field 9.
    QTest::mouseClick(tool->BtnSet, Qt::LeftButton);
    TypeOver(tool->TagEdit, "9");
    QTest::mouseClick(tool->BtnSet, Qt::LeftButton);
    EXPECT_FALSE(FieldChecked(9));

    Get("9");
    EXPECT_FALSE(tool->ValueCheck->isChecked());
    QTest::keyClick(tool->ValueCheck, Qt::Key_Space);
    QTest::mouseClick(tool->BtnSet, Qt::LeftButton);
    EXPECT_TRUE(FieldChecked(9));
    EXPECT_FALSE(FieldChecked(10));  // the pair's other half goes off
    EXPECT_TRUE(State().StoreChanged);

    Get("100");  // any other type brings the value entry back
    EXPECT_TRUE(tool->ValueCheck->isHidden());
    EXPECT_FALSE(tool->ValueEdit->isHidden());
}

TEST_F(TagToolTest, TheShownScreenShowsTheNewValueAndDoesNotWriteItsOldOneBack) {
    SetFieldVal(920, 10);
    SetFieldStr(397, "Jo");
    OpenTool();
    auto* amount = Current()->findChild<TTaxEdit*>(QStringLiteral("AmountEdit"));
    ASSERT_NE(amount, nullptr);
    auto* name = Current()->findChild<TTaxEdit*>(QStringLiteral("NameEdit"));
    ASSERT_NE(name, nullptr);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_End);
    QTest::keyClicks(name, "anna");  // typed on the screen, not yet saved

    Set("920", "75");
    EXPECT_EQ(amount->text(), "75");
    EXPECT_EQ(name->text(), "Joanna");
    // What leaving the screen stores.
    frame->SaveScreenFields();
    EXPECT_EQ(GetFieldVal(920), 75);
    EXPECT_EQ(GetFieldStr(397), "Joanna");
}

TEST_F(TagToolTest, AValueSetHereIsInTheFileTheModuleSavesWhenReleased) {
    TempDir dir;
    const std::string file = dir.File("SMITH.TAX");
    const std::string tfn = "123 456 782";
    State().IdentifierText = tfn;
    State().HostDataFileName = file;
    SetFieldStr(1, tfn);
    SetFieldStr(397, "Jo Smith");
    SetFieldVal(100, 10);
    OpenTool();
    Set("100", "2750");
    Set("397", "Joanna Smith");
    // Help-desk saves also write their dump into the current folder.
    const QString previousFolder = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.Path().string()));
    const int released = FreeModuleResources();
    QDir::setCurrent(previousFolder);
    // The release took the windows with it.
    main = nullptr;
    frame = nullptr;
    ASSERT_EQ(released, 1);

    ResetModuleState();
    AllocateFieldStore();
    State().IdentifierText = tfn;
    ASSERT_EQ(OpenDataFile(file), OpenReadCompletely);
    EXPECT_EQ(GetFieldVal(100), 2750);
    EXPECT_EQ(GetFieldStr(397), "Joanna Smith");
}
