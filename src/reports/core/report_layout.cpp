#include "reports/core/report_layout.h"

#include "base/text_variables.h"
#include "reports/core/continuation_frame.h"
#include "reports/core/section_parts.h"
#include "store/field_store.h"

namespace {

constexpr int OmittedColumn = 9999;

bool IsBoxLetter(char letter) {
    return letter == '#' || letter == 'R' || letter == 'L' || letter == 'C' || letter == 'D' ||
           letter == '1';
}

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
        Copy(parts.plain, 0);
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
            if (IsFieldRecord(letter) && RecordInt16(r, 5) == OmittedColumn) continue;
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
