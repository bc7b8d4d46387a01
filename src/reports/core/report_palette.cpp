#include "reports/core/report_palette.h"

#include <array>

namespace {

constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Grey = 0x808080;
bool OneOf(int index, std::initializer_list<int> set) {
    for (int i : set)
        if (i == index) return true;
    return false;
}

}  // namespace

TColor ReducedBrushColour(int index) {
    if (OneOf(index, {17, 21, 23, 25, 26, 27})) return Silver;
    if (OneOf(index, {9, 15, 18, 19, 22})) return clWhite;
    return Grey;
}

TColor ReducedPenColour(int index) { return OneOf(index, {9, 15, 18, 19, 22}) ? clWhite : clBlack; }

TColor ReducedTextColour(int index) { return index == 15 ? clWhite : clBlack; }

std::string ReportFontName(int index) {
    static const std::array<const char*, 4> names = {"Arial", "Arial Narrow", "Courier New",
                                                     "Times New Roman"};
    return index >= 0 && index < 4 ? names[index] : names[0];
}

BrushStyle ScriptBrushStyle(int code) {
    switch (code) {
        case 1:
            return BrushStyle::Clear;
        case 7:
            return BrushStyle::DiagCross;
        default:
            return BrushStyle::Solid;
    }
}

PenStyle ScriptPenStyle(int code) {
    switch (code) {
        case 1:
            return PenStyle::Dash;
        case 2:
            return PenStyle::Dot;
        case 5:
            return PenStyle::Clear;
        default:
            return PenStyle::Solid;
    }
}
