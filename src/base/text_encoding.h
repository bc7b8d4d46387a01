#pragma once
// The store and the text variables hold Latin-1; the markup engine works in UTF-8.

#include <cstddef>
#include <string>

#include "base/latin1_text.h"

// The first `count` characters (code points) of a UTF-8 text.
std::string Utf8Prefix(const std::string& utf8, size_t count);
// Without the spaces and tabs at either end.
std::string TrimmedText(const std::string& text);
