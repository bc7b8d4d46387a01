#include "base/message_box.h"

#include <gtest/gtest.h>

#include "base/module_state.h"
#include "scripted_responder.h"

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override { ResetModuleState(); }
    void TearDown() override { ResetModuleState(); }
};

TEST_F(MessageBoxTest, IconFollowsTheDialogType) {
    ScriptedResponder responder;
    AppMessageBox("w", mtWarning, mbOK);
    AppMessageBox("e", mtError, mbOK);
    AppMessageBox("i", mtInformation, mbOK);
    AppMessageBox("c", mtConfirmation, mbYesNo);
    AppMessageBox("u", mtCustom, mbOK);
    PlainMessageBox("p");
    std::vector<MessageIcon> icons;
    for (const auto& request : responder.Requests()) {
        icons.push_back(request.icon);
        EXPECT_EQ(request.caption, "Orvana");
    }
    EXPECT_EQ(icons, (std::vector<MessageIcon>{MessageIcon::Exclamation, MessageIcon::Stop,
                                               MessageIcon::Information, MessageIcon::None,
                                               MessageIcon::None, MessageIcon::None}));
    EXPECT_EQ(responder.Requests().back().buttons, std::vector<TMsgDlgBtn>{mbOK});
}

TEST_F(MessageBoxTest, ButtonSetsAndWhatComesBack) {
    using Buttons = std::vector<TMsgDlgBtn>;
    EXPECT_EQ(AppMessageButtons(mbYesNo), (Buttons{mbYes, mbNo}));
    EXPECT_EQ(AppMessageButtons(mbYesNoCancel), (Buttons{mbYes, mbNo, mbCancel}));
    EXPECT_EQ(AppMessageButtons(mbOKCancel), (Buttons{mbOK, mbCancel}));
    EXPECT_EQ(AppMessageButtons(mbRetryCancel), (Buttons{mbRetry, mbCancel}));
    EXPECT_EQ(AppMessageButtons(mbAbortRetryIgnore), (Buttons{mbAbort, mbRetry, mbIgnore}));
    EXPECT_EQ(AppMessageButtons(mbOK), (Buttons{mbOK}));
    EXPECT_EQ(AppMessageButtons(mbYes | mbOK | mbHelp), (Buttons{mbOK}));

    ScriptedResponder responder;
    responder.Answer(mrNo);
    EXPECT_EQ(AppMessageBox("q", mtConfirmation, mbYesNo), mrNo);
    responder.Answer(mrNone);  // anything else the platform reports counts as OK
    EXPECT_EQ(AppMessageBox("q", mtConfirmation, mbYesNo), mrOk);
    EXPECT_EQ(AppMessageBox("q", mtConfirmation, mbYesNoCancel), mrYes);  // default: first
    EXPECT_EQ(responder.Requests().back().defaultButton, mbYes);
}

TEST_F(MessageBoxTest, WithoutAResponderTheDefaultButtonAnswers) {
    EXPECT_EQ(AppMessageBox("q", mtWarning, mbRetryCancel), mrRetry);
}
