#pragma once
// Opens a web address or a file with the desktop's handler for it.

#include <QString>

// Goes to the module state's ShellOpenHook when one is installed (tests), else to the desktop.
void ShellOpen(const QString& target);
