#include "base/message_box.h"

#include "base/module_state.h"

TModalResult ResultForButton(TMsgDlgBtn button) {
    switch (button) {
        case mbYes:
            return mrYes;
        case mbNo:
            return mrNo;
        case mbCancel:
            return mrCancel;
        case mbAbort:
            return mrAbort;
        case mbRetry:
            return mrRetry;
        case mbIgnore:
            return mrIgnore;
        default:
            return mrOk;
    }
}

TModalResult ShowModuleMessage(const MessageRequest& request) {
    const MessageResponder& responder = State().Responder;
    if (responder) return responder(request);
    return ResultForButton(request.defaultButton);
}

std::vector<TMsgDlgBtn> AppMessageButtons(TMsgDlgButtons buttons) {
    switch (buttons) {
        case mbYesNo:
            return {mbYes, mbNo};
        case mbYesNoCancel:
            return {mbYes, mbNo, mbCancel};
        case mbOKCancel:
            return {mbOK, mbCancel};
        case mbRetryCancel:
            return {mbRetry, mbCancel};
        case mbAbortRetryIgnore:
            return {mbAbort, mbRetry, mbIgnore};
        default:
            return {mbOK};
    }
}

MessageIcon IconForDialogType(TMsgDlgType type, bool questionForConfirmation) {
    switch (type) {
        case mtWarning:
            return MessageIcon::Exclamation;
        case mtError:
            return MessageIcon::Stop;
        case mtInformation:
            return MessageIcon::Information;
        case mtConfirmation:
            return questionForConfirmation ? MessageIcon::Question : MessageIcon::None;
        default:
            return MessageIcon::None;
    }
}

TModalResult ShowTitledMessage(const std::string& text, MessageIcon icon,
                               std::vector<TMsgDlgBtn> buttons) {
    MessageRequest request;
    request.caption = ApplicationTitle;
    request.text = text;
    request.icon = icon;
    request.buttons = std::move(buttons);
    request.defaultButton = request.buttons.front();
    const TModalResult result = ShowModuleMessage(request);
    // Anything the platform reports other than the listed buttons counts as OK.
    switch (result) {
        case mrCancel:
        case mrAbort:
        case mrRetry:
        case mrIgnore:
        case mrYes:
        case mrNo:
            return result;
        default:
            return mrOk;
    }
}

TModalResult AppMessageBox(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    return ShowTitledMessage(text, IconForDialogType(type, false), AppMessageButtons(buttons));
}

TModalResult PlainMessageBox(const std::string& text) {
    return AppMessageBox(text, mtCustom, mbOK);
}
