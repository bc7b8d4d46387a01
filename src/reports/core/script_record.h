#pragma once
// The 18-byte little-endian record of report scripts and of the page list, and the parts of
// it that the layout and drawing read.

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

using ScriptRecord = std::array<uint8_t, 18>;
constexpr size_t ScriptRecordSize = 18;
// A record's text is stored with its terminating zero behind a 16-bit length.
constexpr size_t MostScriptTextBytes = 65534;

inline int16_t RecordInt16(const ScriptRecord& r, int at) {
    return static_cast<int16_t>(r[at] | (r[at + 1] << 8));
}
inline uint16_t RecordWord(const ScriptRecord& r, int at) {
    return static_cast<uint16_t>(r[at] | (r[at + 1] << 8));
}
inline void SetRecordInt16(ScriptRecord& r, int at, int value) {
    r[at] = static_cast<uint8_t>(value & 0xFF);
    r[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}
inline uint32_t RecordUInt32(const ScriptRecord& r, int at) {
    return static_cast<uint32_t>(r[at]) | (static_cast<uint32_t>(r[at + 1]) << 8) |
           (static_cast<uint32_t>(r[at + 2]) << 16) | (static_cast<uint32_t>(r[at + 3]) << 24);
}
inline void SetRecordUInt32(ScriptRecord& r, int at, uint32_t value) {
    for (int i = 0; i < 4; ++i) r[at + i] = static_cast<uint8_t>(value >> (8 * i));
}
inline char RecordLetter(const ScriptRecord& r) { return static_cast<char>(r[0]); }

// Records followed by a text of their own.
inline bool CarriesText(char letter) { return letter == 'T' || letter == 'I' || letter == '@'; }
inline bool IsFieldRecord(char letter) { return letter == 'S' || letter == 'E'; }
// Records that set the box the records after them draw in (bytes 3-10 its corners).
inline bool IsBoxLetter(char letter) {
    return letter == '#' || letter == 'R' || letter == 'L' || letter == 'C' || letter == 'D' ||
           letter == '1';
}

// Section header fields.
constexpr int NeverPrinted = 9999;
constexpr int UsablePageHeight = 2680;
inline int SectionRecordCount(const ScriptRecord& h) { return RecordWord(h, 3); }
inline int SectionCondition(const ScriptRecord& h) { return RecordInt16(h, 5); }
inline char SectionLayout(const ScriptRecord& h) { return static_cast<char>(h[7]); }
inline int SectionHeight(const ScriptRecord& h) { return RecordInt16(h, 8); }
inline int SectionSecondHeight(const ScriptRecord& h) {
    return RecordInt16(h, 10) == 0 ? SectionHeight(h) : RecordInt16(h, 10);
}

// Field records: bytes 3-4 the field, 5-6 the column index or 9999 (left out), 7 the kind,
// 8 the flags, 9 the row. Rows beyond 255 keep their high byte in byte 10, and byte 11 marks
// a record the layout numbered, so that row 256 never draws as row 0.
inline int FieldOfRecord(const ScriptRecord& r) { return RecordInt16(r, 3); }
inline int FieldKind(const ScriptRecord& r) { return r[7]; }
constexpr int OmittedColumn = 9999;
inline bool IsOmittedColumn(const ScriptRecord& r) { return RecordInt16(r, 5) == OmittedColumn; }
constexpr int RowMarker = 1;
constexpr int TotalRow = 255;
inline bool HasRowNumber(const ScriptRecord& r) { return r[11] == RowMarker; }
inline int RowOfRecord(const ScriptRecord& r) { return r[9] | (r[10] << 8); }
inline void SetRowOfRecord(ScriptRecord& r, int row) {
    r[9] = static_cast<uint8_t>(row & 0xFF);
    r[10] = static_cast<uint8_t>((row >> 8) & 0xFF);
    r[11] = RowMarker;
}

// A list printed whole in one box shows rows first .. first + count - 1 on a page (count -1:
// every row). A field record keeps them in bytes 9-10 and 12-13 with 2 in byte 11; a text
// record's are kept beside its text in the page list.
struct RowSlice {
    int first = 0, count = -1;
};
constexpr int SliceMarker = 2;
inline bool HasRowSlice(const ScriptRecord& r) { return r[11] == SliceMarker; }
inline RowSlice RowSliceOf(const ScriptRecord& r) {
    if (!HasRowSlice(r)) return {};
    return {r[9] | (r[10] << 8), r[12] | (r[13] << 8)};
}
inline void SetRowSlice(ScriptRecord& r, RowSlice slice) {
    SetRowOfRecord(r, slice.first);
    r[11] = SliceMarker;
    r[12] = static_cast<uint8_t>(slice.count & 0xFF);
    r[13] = static_cast<uint8_t>((slice.count >> 8) & 0xFF);
}

// A 'T' record may name a store value that FillForm puts in as its text: byte 12 the kind
// of reference, bytes 13-14 the field, 15-16 the first list index, 17 the stride.
enum class TextReference : uint8_t {
    None = 0,
    Display = 'F',  // the field's display text without a leading "-"
    Sign = 'S',     // " " for 0 or more, "L" for a loss
    List = 'L',     // every line of a list
    Column = 'C',   // one column of a list, its lines one under the other
};
inline TextReference ReferenceOf(const ScriptRecord& r) {
    return static_cast<TextReference>(r[12]);
}
inline int ReferenceField(const ScriptRecord& r) { return RecordInt16(r, 13); }
inline int ReferenceFirst(const ScriptRecord& r) { return RecordInt16(r, 15); }
inline int ReferenceStride(const ScriptRecord& r) { return r[17]; }

// Raised for a script that is missing or cut short.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
