#include "reports/core/section_parts.h"

#include "store/field_store.h"

namespace {

// The block a record opens, or null.
std::vector<ScriptItem>* Opened(char letter, SectionParts& parts) {
    switch (letter) {
        case 'H':
            return &parts.heading;
        case 'G':
            return &parts.rows.items;
        case 'K':
            return &parts.totals;
        case 'B':
            return &parts.pageTop;
        default:
            return nullptr;
    }
}

bool Closes(char letter) {
    return letter == 'h' || letter == 'g' || letter == 'k' || letter == 'b';
}

void TakeBlockHeader(const ScriptRecord& r, SectionParts& parts) {
    switch (RecordLetter(r)) {
        case 'H':
            parts.headingHeight = RecordInt16(r, 3);
            break;
        case 'K':
            parts.totalsHeight = RecordInt16(r, 3);
            break;
        case 'B':
            parts.hasPageTop = true;
            break;
        case 'G':
            parts.hasRows = true;
            parts.rows.rowHeight = RecordInt16(r, 3);
            parts.rows.listField = RecordInt16(r, 5);
            parts.rows.columnsPerRow = RecordInt16(r, 7);
            parts.rows.minimumRows = RecordInt16(r, 9);
            parts.rows.suppressingField = RecordInt16(r, 11);
            break;
        default:
            break;
    }
}

}  // namespace

SectionParts SplitSection(const ScriptSection& section) {
    SectionParts parts;
    std::vector<ScriptItem>* target = &parts.plain;
    for (const ScriptItem& item : section.items) {
        const char letter = RecordLetter(item.record);
        if (std::vector<ScriptItem>* block = Opened(letter, parts)) {
            TakeBlockHeader(item.record, parts);
            target = block;
        } else if (Closes(letter)) {
            target = &parts.plain;
        } else {
            target->push_back(item);
        }
    }
    return parts;
}

int RowCount(const RowBlock& rows) {
    const TextList* lines = GetFieldLst(rows.listField);
    if (!lines || lines->empty()) return 0;
    const int columns = rows.columnsPerRow < 1 ? 1 : rows.columnsPerRow;
    const int n = static_cast<int>(lines->size());
    return (n + columns - 1) / columns;
}
