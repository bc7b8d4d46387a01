#pragma once
// Every message box of the module is described by a request and answered by the one
// responder installed in the module state: the GUI installs a modal QMessageBox, tests
// install a scripted responder, command-line tools print to standard error.

#include <functional>
#include <string>
#include <vector>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
    mbHelp = 1u << 7,
};
using TMsgDlgButtons = unsigned;

constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbRetryCancel = mbRetry | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

enum TModalResult { mrNone = 0, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo };

enum class MessageIcon { None, Exclamation, Stop, Information, Question };

struct MessageRequest {
    std::string caption;
    std::string text;  // Latin-1; "\r" and "\r\n" are line breaks
    MessageIcon icon = MessageIcon::None;
    std::vector<TMsgDlgBtn> buttons;  // in display order
    TMsgDlgBtn defaultButton = mbOK;
};

using MessageResponder = std::function<TModalResult(const MessageRequest&)>;

// Routes the request to the installed responder; with none installed, the default button.
TModalResult ShowModuleMessage(const MessageRequest& request);

TModalResult ResultForButton(TMsgDlgBtn button);

// A message box captioned with the application title; the first button is the default.
TModalResult ShowTitledMessage(const std::string& text, MessageIcon icon,
                               std::vector<TMsgDlgBtn> buttons);

// The module's own message box, captioned with the application title.
TModalResult AppMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons);
TModalResult PlainMessageBox(const std::string& text);

// The buttons AppMessageBox shows for a button set.
std::vector<TMsgDlgBtn> AppMessageButtons(TMsgDlgButtons buttons);
MessageIcon IconForDialogType(TMsgDlgType type, bool questionForConfirmation);
