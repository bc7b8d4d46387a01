#include "reports/core/report_layout.h"

#include <climits>
#include <optional>

#include "base/text_variables.h"
#include "reports/core/continuation_frame.h"
#include "reports/core/list_table.h"
#include "reports/core/section_parts.h"
#include "store/field_store.h"

namespace {

// Space between the continuation frame and a table continued under it.
constexpr int ContinuedTableGap = 20;

bool AnyFieldRecord(const ScriptSection& section) {
    for (const ScriptItem& item : section.items)
        if (IsFieldRecord(RecordLetter(item.record))) return true;
    return false;
}

bool AnyFieldFilled(const ScriptSection& section) {
    for (const ScriptItem& item : section.items)
        if (IsFieldRecord(RecordLetter(item.record)) && FieldNotEmpty(FieldOfRecord(item.record)))
            return true;
    return false;
}

// A fixed section's records in their order, its heading block in place; the page-top block
// and any row or totals block are not drawn where they stand.
std::vector<ScriptItem> InPlace(const ScriptSection& section) {
    std::vector<ScriptItem> items;
    bool skipping = false;
    for (const ScriptItem& item : section.items) {
        const char letter = RecordLetter(item.record);
        if (letter == 'B' || letter == 'G' || letter == 'K') skipping = true;
        if (letter == 'H' || letter == 'h') continue;
        if (!skipping) items.push_back(item);
        if (letter == 'b' || letter == 'g' || letter == 'k') skipping = false;
    }
    return items;
}

class Layout {
public:
    Layout(PageList& pages, const std::vector<ScriptItem>& pageTop)
        : pages_(pages), pageTop_(pageTop) {}

    void Section(const ScriptSection& section, bool forceNewPage) {
        const ScriptRecord& header = section.header;
        const int condition = SectionCondition(header);
        const SectionParts parts = SplitSection(section);
        if (condition > 1 && parts.hasRows) {
            Rows(header, parts, forceNewPage);
            return;
        }
        if (condition == 0 || used_ + SectionSecondHeight(header) > UsablePageHeight) Open(header);
        used_ += SectionHeight(header);
        const std::vector<ScriptItem> items = InPlace(section);
        const std::optional<ListTable> table =
            SectionLayout(header) == 'A' ? FindListTable(items, parts.heading) : std::nullopt;
        if (table)
            Lists(header, items, *table);
        else
            Copy(items, 0);
    }

    void Finish() { pages_.ClosePage(); }

private:
    void Rows(const ScriptRecord& header, const SectionParts& parts, bool forceNewPage) {
        const RowBlock& rows = parts.rows;
        if (forceNewPage ||
            used_ + parts.headingHeight + rows.rowHeight + parts.totalsHeight > UsablePageHeight)
            Open(header);
        Copy(parts.plain, 0);
        Heading(header, parts);
        const int count = RowCount(rows);
        for (int row = 0; row < count; ++row) {
            if (used_ + rows.rowHeight > UsablePageHeight) {
                Open(header);
                Heading(header, parts);
            }
            Copy(rows.items, used_, row);
            used_ += rows.rowHeight;
        }
        if (used_ + parts.totalsHeight > UsablePageHeight) Open(header);
        Copy(parts.totals, used_, TotalRow);
        used_ += parts.totalsHeight;
    }

    // A fixed section whose lists are longer than their boxes: the first rows print in place,
    // the rest on continuation pages that repeat the table (its heading, frame and lists) under
    // the continuation frame, the lists reaching down to the foot of the page.
    void Lists(const ScriptRecord& header, const std::vector<ScriptItem>& items,
               const ListTable& table) {
        const TablePlacement inPlace{table, 0, table.listBottom};
        int first = std::min(table.rows, inPlace.Capacity());
        CopyTable(items, inPlace, {0, first}, false);
        while (first < table.rows) {
            pages_.OpenPage(header);
            used_ = AddContinuationFrame(pageTop_, pages_);
            const TablePlacement place{table, used_ + ContinuedTableGap - table.spanTop,
                                       UsablePageHeight - (table.outerBottom - table.listBottom)};
            const int count = std::min(table.rows - first, place.Capacity());
            CopyTable(items, place, {first, count}, true);
            first += count;
            used_ = UsablePageHeight;
        }
    }

    // Where the table stands on a page: moved down by `shift`, its lists ending at `listBottom`.
    struct TablePlacement {
        const ListTable& table;
        int shift = 0, listBottom = 0;
        int Y(int y) const {
            return y < table.listBottom ? y + shift : y - table.listBottom + listBottom;
        }
        // Rows that every list box holds.
        int Capacity() const {
            int rows = INT_MAX;
            for (const ListBox& box : table.boxes)
                rows = std::min(rows, ListRowsThatFit(Y(box.bottom) - Y(box.top), box.pitch));
            return rows;
        }
    };

    // The section's records with the lists showing `slice`; on a continuation page only the
    // table's records (and the pens and fonts they draw with).
    void CopyTable(const std::vector<ScriptItem>& items, const TablePlacement& place,
                   RowSlice slice, bool tableOnly) {
        bool inTable = false;
        size_t nextList = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            ScriptRecord r = items[i].record;
            const char letter = RecordLetter(r);
            if (IsBoxLetter(letter)) {
                inTable = InTable(place.table, RecordInt16(r, 4));
                SetRecordInt16(r, 4, place.Y(RecordInt16(r, 4)));
                SetRecordInt16(r, 8, place.Y(RecordInt16(r, 8)));
            }
            const bool list =
                nextList < place.table.boxes.size() && place.table.boxes[nextList].item == i;
            if (list) ++nextList;
            if (tableOnly && !inTable && letter != 'A' && letter != 'F') continue;
            if (IsFieldRecord(letter) && IsOmittedColumn(r)) continue;
            if (list && IsFieldRecord(letter)) SetRowSlice(r, slice);
            if (CarriesText(letter))
                pages_.AddWithText(r, ExpandVariables(items[i].text), list ? slice : RowSlice{});
            else
                pages_.Add(r);
        }
    }

    void Heading(const ScriptRecord& header, const SectionParts& parts) {
        if (used_ + parts.headingHeight + parts.rows.rowHeight > UsablePageHeight) Open(header);
        Copy(parts.heading, used_);
        used_ += parts.headingHeight;
    }

    void Open(const ScriptRecord& header) {
        pages_.OpenPage(header);
        used_ = 0;
        if (SectionCondition(header) != 0) used_ = AddContinuationFrame(pageTop_, pages_);
    }

    // Copies records moved down by `offset` units; `row` numbers the field records of a row
    // (kinds 9 and 32 to 34) or marks those of the totals.
    void Copy(const std::vector<ScriptItem>& items, int offset, int row = -1) {
        for (const ScriptItem& item : items) {
            ScriptRecord r = item.record;
            const char letter = RecordLetter(r);
            if (IsFieldRecord(letter) && IsOmittedColumn(r)) continue;
            if (offset != 0 && IsBoxLetter(letter)) {
                SetRecordInt16(r, 4, RecordInt16(r, 4) + offset);
                SetRecordInt16(r, 8, RecordInt16(r, 8) + offset);
            }
            if (IsFieldRecord(letter) && row >= 0) Number(r, row);
            if (CarriesText(letter))
                pages_.AddWithText(r, ExpandVariables(item.text));
            else
                pages_.Add(r);
        }
    }

    static void Number(ScriptRecord& r, int row) {
        const int kind = FieldKind(r);
        if (row == TotalRow) {
            r[9] = TotalRow;
        } else if (kind == 9 || (kind >= 32 && kind <= 34)) {
            SetRowOfRecord(r, row);
            r[8] = 1;
        }
    }

    PageList& pages_;
    const std::vector<ScriptItem>& pageTop_;
    int used_ = 2 * UsablePageHeight;  // so that the first printed section opens a page
};

}  // namespace

bool SectionPrints(const ScriptSection& section) {
    const int condition = SectionCondition(section.header);
    if (condition == 0) return true;
    if (condition == NeverPrinted) return false;
    if (!AnyFieldRecord(section)) return true;
    if (condition == 1) return AnyFieldFilled(section);
    if (FieldEmpty(condition)) return false;
    const SectionParts parts = SplitSection(section);
    if (!parts.hasRows) return true;
    const int rows = RowCount(parts.rows);
    return rows > 0 && rows >= parts.rows.minimumRows &&
           (parts.rows.suppressingField == 0 || FieldEmpty(parts.rows.suppressingField));
}

void LayOutScript(const std::vector<ScriptSection>& script, int first, bool continued, int last,
                  PageList& pages) {
    // The page-top block of the set is the last one any section of the script declares.
    std::vector<ScriptItem> pageTop;
    for (const ScriptSection& section : script) {
        SectionParts parts = SplitSection(section);
        if (parts.hasPageTop) pageTop = std::move(parts.pageTop);
    }
    for (ScriptItem& item : pageTop) item.text = ExpandVariables(item.text);
    Layout layout(pages, pageTop);
    bool firstRepeating = !continued;
    const int end = std::min<int>(last, static_cast<int>(script.size()));
    for (int n = std::max(first, 1); n <= end; ++n) {
        const ScriptSection& section = script[static_cast<size_t>(n - 1)];
        if (!SectionPrints(section)) continue;
        const bool repeating = SectionCondition(section.header) > 1;
        layout.Section(section, repeating && firstRepeating);
        if (repeating) firstRepeating = false;
    }
    layout.Finish();
}
