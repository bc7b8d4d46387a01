#include "reports/core/list_table.h"

#include <algorithm>
#include <cmath>

#include "reports/core/report_figures.h"

namespace {

// Rows of a list read `stride` values a row; a part row counts.
int RowsOf(int field, int stride) {
    const TextList* lines = ReportList(field);
    if (!lines || lines->empty()) return 0;
    const int n = static_cast<int>(lines->size());
    const int s = std::max(1, stride);
    return (n + s - 1) / s;
}

int ListRows(const ScriptRecord& r) {
    if (RecordLetter(r) == 'T') return RowsOf(ReferenceField(r), ReferenceStride(r));
    return RowsOf(FieldOfRecord(r), r[2]);
}

}  // namespace

int ListRowPitch(int points) {
    // 1.2 lines a point size; a point is 0.3528 mm, 3.528 units.
    return std::max(1, static_cast<int>(std::ceil(points * 1.2 * 3.528)));
}

int ListRowsThatFit(int height, int pitch) { return std::max(1, height / std::max(1, pitch)); }

bool PrintsWholeList(const ScriptRecord& r) {
    const char letter = RecordLetter(r);
    if (letter == 'T') return ReferenceOf(r) == TextReference::Column;
    return IsFieldRecord(letter) && FieldKind(r) == 9 && !HasRowNumber(r) && !IsOmittedColumn(r);
}

std::optional<ListTable> FindListTable(const std::vector<ScriptItem>& items,
                                       const std::vector<ScriptItem>& heading) {
    ListTable table;
    int top = 0, bottom = 0, points = 10;
    for (size_t i = 0; i < items.size(); ++i) {
        const ScriptRecord& r = items[i].record;
        const char letter = RecordLetter(r);
        if (IsBoxLetter(letter)) {
            top = RecordInt16(r, 4);
            bottom = RecordInt16(r, 8);
        } else if (letter == 'F') {
            points = r[4];
        } else if (PrintsWholeList(r) && bottom > top) {  // a list without a box is not cut
            const int pitch = ListRowPitch(IsFieldRecord(letter) ? FieldFontPoints : points);
            table.boxes.push_back({i, top, bottom, pitch});
            table.rows = std::max(table.rows, ListRows(r));
        }
    }
    if (table.boxes.empty()) return std::nullopt;
    table.spanTop = table.boxes.front().top;
    table.listBottom = table.boxes.front().bottom;
    for (const ListBox& box : table.boxes) {
        table.spanTop = std::min(table.spanTop, box.top);
        table.listBottom = std::max(table.listBottom, box.bottom);
    }
    for (const ScriptItem& item : heading)
        if (IsBoxLetter(RecordLetter(item.record)))
            table.spanTop = std::min<int>(table.spanTop, RecordInt16(item.record, 4));
    table.outerBottom = table.listBottom;
    for (const ScriptItem& item : items)
        if (IsBoxLetter(RecordLetter(item.record)) && InTable(table, RecordInt16(item.record, 4)))
            table.outerBottom = std::max<int>(table.outerBottom, RecordInt16(item.record, 8));
    return table;
}
