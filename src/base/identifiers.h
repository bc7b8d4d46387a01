#pragma once
// Check-digit rules and display formats of the identifiers an entry field or grid cell
// can hold. Every check trims first and accepts an empty text.

#include <string>

enum class IdentifierKind { TFN, ABN, ACN, SFN, DIN, EGN, Medicare };

bool IdentifierValid(IdentifierKind kind, const std::string& text);
// Spaces removed, zero-filled to the identifier's length where it has one, then grouped.
std::string IdentifierDisplay(IdentifierKind kind, const std::string& text);
const char* IdentifierError(IdentifierKind kind);
