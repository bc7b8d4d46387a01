#include "reports/core/fill_form.h"

#include "reports/core/report_figures.h"
#include "store/field_store.h"

namespace {

// Every `stride`-th line from `first`, at most `count` of them (all when count < 0).
std::string Joined(const TextList& lines, size_t first, size_t stride, long count = -1) {
    std::string text;
    for (size_t i = first; i < lines.size() && count != 0; i += stride, --count) {
        if (i != first) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace

std::string ReferenceText(const ScriptRecord& record, RowSlice slice) {
    const int field = ReferenceField(record);
    switch (ReferenceOf(record)) {
        case TextReference::Sign:
            return GetFieldVal(field) < 0 ? "L" : " ";
        case TextReference::List: {
            const TextList* lines = ReportList(field);
            return lines ? Joined(*lines, 0, 1) : std::string();
        }
        case TextReference::Column: {
            const TextList* lines = ReportList(field);
            const int first = ReferenceFirst(record);
            const int stride = ReferenceStride(record);
            if (!lines || first < 0 || stride < 1) return {};
            const size_t from = static_cast<size_t>(first) +
                                static_cast<size_t>(stride) * static_cast<size_t>(slice.first);
            return Joined(*lines, from, static_cast<size_t>(stride), slice.count);
        }
        case TextReference::Display: {
            if (const TextList* figure = ReportFigure(field)) return Joined(*figure, 0, 1);
            if (!IsValidField(field)) return {};
            std::string text = GetFieldText(field);
            if (!text.empty() && text[0] == '-') text.erase(0, 1);
            return text;
        }
        default:
            return {};
    }
}

void FillForm(TXReport& report) {
    PageList& pages = report.Pages();
    for (size_t i = 0; i < pages.RecordCount(); ++i) {
        const ScriptRecord r = pages.RecordAt(i);
        if (RecordLetter(r) == 'T' && ReferenceOf(r) != TextReference::None)
            pages.SetText(r, ReferenceText(r, pages.Slice(r)));
    }
}
