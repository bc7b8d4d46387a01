#pragma once
// What the help-desk tag tool reads from and writes to the field store, by field number,
// without any widget.

#include <optional>
#include <string>

inline constexpr const char* InvalidTagText = "Invalid Tag";
inline constexpr const char* UnsupportedDataTypeText = "Unsupported Data Type";
inline constexpr const char* WorksheetExistsText = "Worksheet exists";
inline constexpr const char* NoWorksheetsText = "No Worksheets exist";
inline constexpr int MaxTagLength = 8;
inline constexpr const char* KeyChangeRefusedText =
    "Field 1 is the TFN the return is keyed with: a change of its digits is refused, nothing "
    "was changed.";

// The field a tag names; nothing for an empty text, a text that is not a whole number, or
// a number outside the store.
std::optional<int> ReadTag(const std::string& text);

struct TagReading {
    int type = 0;           // the field's type code
    bool checkbox = false;  // a check-box field: the tick is shown instead of a text
    bool ticked = false;
    std::string value;
};

TagReading GetTag(int field);

enum class TagWrite {
    Stored,          // the store took the value
    RevealCheckbox,  // a check-box field whose tick was not on show: only show it
    NotWritable,     // lists, worksheets and untyped fields are not written
    KeyRefused,      // field 1 given other digits than the return's key: not written
};

// `tickShown` says the tick on show was read for this field; `ticked` is its state.
// Money fields take `value` as a number (0 when it is none), texts take it as it is.
TagWrite SetTag(int field, const std::string& value, bool tickShown, bool ticked);
