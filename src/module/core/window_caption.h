#pragma once

#include <string>

// "Orvana 2006", then " - " and the current file when there is one, then the lodgment
// details when the file is lodged.
std::string MainWindowCaption();
