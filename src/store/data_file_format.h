#pragma once
// The plain (deciphered) form of the return data file: a 55-byte header, the screen
// position, the screen history, then one record per field that holds something, in
// ascending field number, running to the end. Integers are little-endian.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "store/field_store.h"

using ByteBuffer = std::vector<uint8_t>;

constexpr size_t DataFileHeaderSize = 55;
// "Electronic Quillet'" + the four year digits + the 32-character notice.
std::string DataFileHeader(int taxYear);

// The part of a return that is not in the field store.
struct ReturnPosition {
    int32_t screenGroup = 0;
    int32_t screenIndex = 0;
    std::vector<int32_t> history;
};

// Whether a field's record is written: numeric always, money when not exactly 0, texts,
// lists and worksheets when they hold something, check boxes when ticked.
bool FieldHoldsRecord(const FieldSlot& slot);

void WritePlainForm(const FieldStore& store, const ReturnPosition& position, ByteBuffer& out);

enum class PlainReadStatus {
    Complete,
    NotADataFile,    // the header is not this product's
    OtherTaxYear,    // this product, another year
    Malformed,       // cut short, or a record that no writer produces
    BadFieldNumber,  // a record for a field outside 1..2312; what came before it was read
};

struct PlainReadResult {
    PlainReadStatus status = PlainReadStatus::Complete;
    int32_t badField = 0;   // BadFieldNumber: the number read
    int32_t lastField = 0;  // the last good field number before it (0 when none)
    bool anyRecord = false;
};

// Reads a plain form into an empty store and position. On Malformed and the header
// refusals the store and position are left half-filled; the caller discards them.
PlainReadResult ReadPlainForm(const uint8_t* data, size_t size, FieldStore& store,
                              ReturnPosition& position);
