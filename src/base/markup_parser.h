#pragma once
// Splits one marked-up line into text runs and tags. A tag is the text between "<" and the
// next ">"; its commands are separated by ";". A "<" that is never closed starts plain text.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct MarkupCommand {
    char letter = 0;
    std::string argument;  // everything after the letter
};

struct MarkupToken {
    bool isTag = false;
    std::string text;                     // a text run
    std::vector<MarkupCommand> commands;  // a tag's commands, empty ones left out
};

std::vector<MarkupToken> TokenizeMarkupLine(const std::string& line);

// The argument read as a signed whole number from at most `maxChars` of its characters
// (further characters are ignored); nothing when those characters are not such a number.
std::optional<int> ReadCommandNumber(const std::string& argument, size_t maxChars);
