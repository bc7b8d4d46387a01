#pragma once
// The GUI's answer to the module's message requests: a modal QMessageBox.

#include <QString>

#include "base/message_box.h"

TModalResult ShowQtMessageBox(const MessageRequest& request);

// Installs the QMessageBox responder and the platform beep, unless tests installed theirs.
void InstallPlatformHooks();

// Store texts are Latin-1; the "\r" line breaks of the module's messages become "\n".
QString FromLatin1Text(const std::string& text);
std::string ToLatin1Text(const QString& text);
