#pragma once
// Draws one field box of a report page: the caution sign, or a field's value in its box with
// the optional cents box. The report engine calls it for every field record it draws.

#include <array>
#include <cstdint>

#include "reports/core/canvas.h"

using ReportFieldRecord = std::array<uint8_t, 18>;

struct DrawFieldScales {
    double vertical = 1;
    double horizontal = 1;
    double font = 1;
};

// The window colour of field boxes drawn on screen.
constexpr TColor FieldWindowColour = 0xFFFFFF;
constexpr TColor CentsBackground = 0xFFFFD9;

void DrawField(char kind, const ReportFieldRecord& record, const DrawFieldScales& scales,
               TRect rect, TCanvas& canvas);

// The cents box in the strip to the right of `r`: a cross-hatched circle and a struck "00".
void DrawCentsBox(const TRect& r, const DrawFieldScales& s, TColor background, TCanvas& canvas);

// The record's parts.
inline char RecordStyle(const ReportFieldRecord& r) { return static_cast<char>(r[0]); }
inline int RecordColumns(const ReportFieldRecord& r) { return r[2]; }
inline int16_t RecordField(const ReportFieldRecord& r) {
    return static_cast<int16_t>(r[3] | (r[4] << 8));
}
inline int16_t RecordFirstIndex(const ReportFieldRecord& r) {
    return static_cast<int16_t>(r[5] | (r[6] << 8));
}
inline int RecordAlignment(const ReportFieldRecord& r) { return r[7]; }
inline int RecordFlags(const ReportFieldRecord& r) { return r[8]; }
