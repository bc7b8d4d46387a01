#pragma once
// Texts of the module are Latin-1 bytes; the file system and terminals speak UTF-8.

#include <string>

std::string Latin1ToUtf8(const std::string& text);
// False when the text is not UTF-8 or holds a character outside Latin-1.
bool Utf8ToLatin1(const std::string& text, std::string& latin1);
