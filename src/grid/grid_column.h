#pragma once
// One column of an entry grid as its descriptor line describes it: "|"-separated items
// (title, alignment, kind, length, hint, skip, picklist, case or decimals, allowed
// characters or minus, minimum, maximum, list size, editor button, picklist entries, no
// total, locked).

#include <bitset>
#include <stdexcept>
#include <string>
#include <vector>

enum TGridColumnKind { gkText = 0, gkNumber = 1, gkDate = 2, gkABN = 3, gkTFN = 4 };

enum TGridEditorButton { gbNone = 0, gbDropDownList = 1, gbEllipsis = 2 };

inline constexpr const char* DefaultColumnDescriptor = "Title|0|0|30|0|F|F|||||||0|0|F|F|";
inline constexpr int DescriptorMinimumItems = 16;
inline constexpr char GridDecimalSeparator = '.';
inline constexpr char GridDateSeparator = '/';
inline constexpr long double EnteredZero = 0.0011L;

// Raised while descriptors are read when a text column's allowed set is malformed.
class BadCharacterSet : public std::runtime_error {
public:
    BadCharacterSet() : std::runtime_error("Bad character set !") {}
};

using CharacterSet = std::bitset<256>;

struct TGridColumn {
    std::string title;
    int titleAlignment = 0;  // 0 left, 1 right, 2 centred
    int kind = gkText;
    int maxLength = 30;
    int hintNumber = 0;
    bool skipped = false;
    bool picklistColumn = false;
    int caseOrDecimals = 0;     // text: 1 upper, 2 lower; number: decimals
    std::string allowedItem;    // text: the allowed set as written
    bool allowMinus = false;    // number
    long double minimum = 0;    // number
    long double maximum = 0;    // number
    int dropDownCount = 0;      // entries the drop-down list shows at most
    int editorButton = gbNone;  // TGridEditorButton
    std::vector<std::string> picklist;
    bool noTotal = false;
    bool locked = false;
    bool hidden = false;   // zero width on screen: never a tab stop
    CharacterSet allowed;  // empty: every character allowed

    int Decimals() const { return kind == gkNumber ? caseOrDecimals : 0; }
    bool HasRange() const { return kind == gkNumber && minimum != maximum; }
    bool IsTabStop() const { return !skipped && !hidden; }
    bool Allows(unsigned char c) const { return allowed.none() || allowed.test(c); }
    // A drop-down column whose cell must match one of its entries.
    bool MatchesPicklist() const {
        return picklistColumn && editorButton == gbDropDownList && !picklist.empty();
    }
    TGridEditorButton Button() const {
        if (!picklistColumn) return gbNone;
        if (editorButton == gbDropDownList || editorButton == gbEllipsis)
            return static_cast<TGridEditorButton>(editorButton);
        return gbNone;
    }
};

// Splits on "|" and pads with empty items to at least 16.
std::vector<std::string> SplitDescriptor(const std::string& line);

// Reads one descriptor line. A malformed allowed set of a text column leaves the column
// allowing every character and sets `badCharacterSet`.
TGridColumn ParseColumnDescriptor(const std::string& line, bool& badCharacterSet);

// "a,b,0..9": single characters or four-character ranges separated by commas; a comma at
// the start is the comma itself, alone or as the first character of a range.
// Throws BadCharacterSet on any other entry.
CharacterSet ParseCharacterSet(const std::string& text);

// Copies the characters the column allows (every character when its set is empty).
std::string StripToAllowed(const TGridColumn& column, const std::string& text);
