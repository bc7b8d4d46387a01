#pragma once
// The catalogue of interview screens as data: which class serves each screen number, its
// caption, help topic and the buttons its definition shows. Screen number = group * 100 + index.

#include <cstdint>
#include <string>
#include <vector>

enum ScreenButtons : unsigned { sbNext = 1, sbPrev = 2, sbYes = 4, sbNo = 8 };

struct ScreenEntry {
    int number;
    const char* className;
    char caption;  // 'A', 'B' or 'C'
    int helpContext;
    unsigned buttons;
};

const std::vector<ScreenEntry>& ScreenTable();
// Null for a number the catalogue does not list.
const ScreenEntry* FindScreenEntry(int number);
std::string CaptionText(char code);

constexpr int FirstScreen = 2004;
constexpr int LastScreen = 2126;

inline int32_t ScreenNumber(int32_t group, int32_t index) { return group * 100 + index; }

// Group 20 has no index above 98 (99, or 100 and more): such a screen is shown as 2101
// (group 21, index 1).
// Returns the number to show and sets group and index to it.
int32_t ApplyGroup20Rule(int32_t& group, int32_t& index);
