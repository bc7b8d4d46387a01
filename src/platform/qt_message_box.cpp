#include "platform/qt_message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "base/module_state.h"
#include "platform/announced_beep.h"

namespace {
QMessageBox::StandardButton StandardButtonFor(TMsgDlgBtn button) {
    switch (button) {
        case mbYes:
            return QMessageBox::Yes;
        case mbNo:
            return QMessageBox::No;
        case mbCancel:
            return QMessageBox::Cancel;
        case mbAbort:
            return QMessageBox::Abort;
        case mbRetry:
            return QMessageBox::Retry;
        case mbIgnore:
            return QMessageBox::Ignore;
        case mbHelp:
            return QMessageBox::Help;
        default:
            return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}
}  // namespace

QString FromLatin1Text(const std::string& text) {
    QString result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

std::string ToLatin1Text(const QString& text) { return text.toLatin1().toStdString(); }

TModalResult ShowQtMessageBox(const MessageRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(FromLatin1Text(request.caption));
    box.setText(FromLatin1Text(request.text));
    box.setIcon(IconFor(request.icon));
    for (TMsgDlgBtn button : request.buttons) {
        QPushButton* pushButton = box.addButton(StandardButtonFor(button));
        pushButton->setProperty("moduleButton", static_cast<unsigned>(button));
        if (button == request.defaultButton) box.setDefaultButton(pushButton);
    }
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    if (!clicked) return ResultForButton(request.defaultButton);
    return ResultForButton(static_cast<TMsgDlgBtn>(clicked->property("moduleButton").toUInt()));
}

void InstallPlatformHooks() {
    ModuleState& state = State();
    if (!state.Responder) state.Responder = ShowQtMessageBox;
    if (!state.BeepHook) state.BeepHook = AnnouncedBeep;
}
