// The data file reader on arbitrary bytes: as a plain form it must stop cleanly, and what
// it accepts must write back to bytes that read back the same; its worksheet items must go
// through the scratch fields and back, and its help-desk dump be made, without fault; as an
// enciphered file the decipher step must refuse or decipher without reading out of bounds.
// The normal test suite replays the corpus through this same entry point.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "base/module_state.h"
#include "store/data_file.h"
#include "store/data_file_cipher.h"
#include "store/data_file_format.h"
#include "store/worksheet_items.h"

namespace {

ByteBuffer Rewritten(const FieldStore& store, const ReturnPosition& position) {
    ByteBuffer out;
    WritePlainForm(store, position, out);
    return out;
}

// Every item of every worksheet (the first few of each) copied into the scratch fields
// and captured back, as an asset path does, then the dump support staff read; what that
// leaves must still write a file that reads completely.
void ExerciseItems(std::unique_ptr<FieldStore> store, const ReturnPosition& position) {
    ResetModuleState();
    State().Store.reset(store.release());
    for (int k = 1; WorksheetField(k) != 0; ++k) {
        if (!WorksheetHasItems(k)) continue;
        const int count = WorksheetItemCount(k);
        for (int key = 1; key <= count && key <= 4; ++key) {
            GetWorksheetItem(k, key);
            PutWorksheetItem(k, key);
        }
    }
    // At most one line per field.
    if (HelpdeskDumpLines(*State().Store).size() > MaxField) __builtin_trap();
    const ByteBuffer after = Rewritten(*State().Store, position);
    auto again = std::make_unique<FieldStore>();
    ReturnPosition againPosition;
    if (ReadPlainForm(after.data(), after.size(), *again, againPosition).status !=
        PlainReadStatus::Complete)
        __builtin_trap();
    ResetModuleState();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto store = std::make_unique<FieldStore>();
    ReturnPosition position;
    const PlainReadResult read = ReadPlainForm(data, size, *store, position);
    if (read.status == PlainReadStatus::Complete ||
        read.status == PlainReadStatus::BadFieldNumber) {
        const ByteBuffer once = Rewritten(*store, position);
        auto again = std::make_unique<FieldStore>();
        ReturnPosition againPosition;
        if (ReadPlainForm(once.data(), once.size(), *again, againPosition).status !=
            PlainReadStatus::Complete)
            __builtin_trap();
        if (Rewritten(*again, againPosition) != once) __builtin_trap();
        ExerciseItems(std::move(again), againPosition);
    }

    static const CipherKey key = {0x60, 0xff, 0xe9, 0x7e, 0x10, 0xdb, 0xeb, 0x5f,
                                  0x03, 0xf8, 0xdf, 0xc4, 0xa5, 0x3a, 0xc4, 0x66};
    const ByteBuffer enciphered(data, data + size);
    ByteBuffer plain;
    DecipherDataFile(enciphered, key, plain);
    return 0;
}
