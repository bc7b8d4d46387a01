#pragma once
// The field assignments of "orvana-tax set": N=KIND:VALUE for field N, N.K.F=KIND:VALUE for
// scratch field F of item K of the worksheet held in field N.

#include <string>
#include <vector>

struct FieldAssignment {
    enum Kind { Currency, Cents, Numeric, Text, Check, Uncheck, Lines, Clear };
    int field = 0;
    int itemKey = 0;    // 0: the field itself
    int itemField = 0;  // the scratch field, for an item
    Kind kind = Clear;
    long double number = 0;
    std::string text;                // Latin-1
    std::vector<std::string> lines;  // Latin-1
    std::string source;              // "FILE:LINE" of an answers file, for messages
};

// Reads one assignment (UTF-8, as typed); false with a message when it is not one.
bool ParseFieldAssignment(const std::string& argument, FieldAssignment& assignment,
                          std::string& error);

// Appends the cells of "a|b|c" to `cells`, each in Latin-1; false with a message when one
// holds a character outside it.
bool SplitLatin1Cells(const std::string& text, std::vector<std::string>& cells, std::string& error);

// The largest amount any field of the return can show (twelve whole-dollar digits).
constexpr long double LargestFieldAmount = 999999999999.99L;

// Reads an amount as a field holds it: a finite number no larger than LargestFieldAmount
// either way. Fields and table cells are read by it alike.
bool ReadFieldAmount(const std::string& text, long double& value, std::string& error);

// Applies it to the module's store; false with a message when it cannot be applied. A
// field that holds a value of one type keeps that type unless `changeType`. The cells of a
// table a screen lets the taxpayer type into must be what its editor takes.
bool ApplyFieldAssignment(const FieldAssignment& assignment, bool changeType, std::string& error);

// The forms, for --help.
const char* FieldAssignmentHelp();
