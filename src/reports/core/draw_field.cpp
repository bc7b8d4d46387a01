#include "reports/core/draw_field.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

#include "base/currency_format.h"
#include "base/identifiers.h"
#include "base/numbers.h"
#include "reports/core/list_table.h"
#include "reports/core/script_record.h"
#include "reports/core/text_wrap.h"
#include "store/field_store.h"

namespace {

int R(double x) { return static_cast<int>(RoundEven(static_cast<long double>(x))); }
int T(double x) { return static_cast<int>(std::trunc(x)); }

constexpr int FlagNoFrame = 1;
constexpr int FlagCents = 2;
constexpr int FlagIndentLeft = 4;
constexpr int FlagIndentTop = 8;
constexpr int SmallestFieldPoints = 6;

void DrawCaution(const TRect& r, TCanvas& canvas) {
    const int d = (r.right - r.left) / 2;
    const int p = R(0.2 * d);
    canvas.SetBrush(clYellow, BrushStyle::Solid);
    canvas.SetPen(clBlack, 1);
    canvas.Polygon({{r.left, r.top + d - p},
                    {r.left, r.top + d + p},
                    {r.left + d - p, r.bottom},
                    {r.left + d + p, r.bottom},
                    {r.right, r.top + d + p},
                    {r.right, r.top + d - p},
                    {r.left + d + p, r.top},
                    {r.left + d - p, r.top}});
    const std::string text = "CAUTION";
    canvas.TextOut(r.left + d - canvas.TextWidth(text) / 2, r.top + d - canvas.TextHeight(text) / 2,
                   text);
}

constexpr int TaxFileNumberField = 1;

// The TFN prints grouped as the schedule form shows it, however its digits were typed;
// anything but digits and spaces prints as it stands.
std::string TfnText(const std::string& typed) {
    const bool digits = std::all_of(typed.begin(), typed.end(), [](char c) {
        return c == ' ' || std::isdigit(static_cast<unsigned char>(c));
    });
    return digits ? IdentifierDisplay(IdentifierKind::TFN, typed) : typed;
}

std::string ValueText(int field, int alignment) {
    if (alignment == 7) return GetFieldVal(field) < 0 ? "L" : " ";
    std::string text =
        field == TaxFileNumberField ? TfnText(GetFieldText(field)) : GetFieldText(field);
    if (text.empty()) text = " ";
    if (text[0] == '-') text.erase(0, 1);
    return text;
}

// A value wider than its box prints smaller rather than over the boxes beside it.
void ShrinkToFit(const std::string& text, int room, int smallest, CanvasFont& font,
                 TCanvas& canvas) {
    while (font.size > std::max(1, smallest) && canvas.TextWidth(text) > room) {
        --font.size;
        canvas.SetFont(font);
    }
}

void DrawList(const ReportFieldRecord& record, const TRect& r, int indent,
              const DrawFieldScales& scales, const CanvasFont& font, TCanvas& canvas) {
    const TextList* lines = GetFieldLst(RecordField(record));
    const int columns = RecordColumns(record);
    if (!lines || lines->empty() || columns < 1) return;
    const int n = static_cast<int>(lines->size());
    // A record the layout numbered shows its own row's cell, wrapped in its box.
    if (HasRowNumber(record)) {
        const int index = RecordFirstIndex(record) + columns * RowOfRecord(record);
        const std::string cell = index >= 0 && index < n ? (*lines)[index] : std::string();
        const TRect box{r.left + indent, r.top, r.right, r.bottom};
        // A row is a line high: a long cell prints smaller, and wraps only at the smallest
        // size, rather than running into the row below.
        CanvasFont fitted = font;
        ShrinkToFit(cell, box.Width(), T(SmallestFieldPoints * scales.font + 0.2), fitted, canvas);
        canvas.WrappedText(box, cell);
        if (fitted.size != font.size) canvas.SetFont(font);
        return;
    }
    // Otherwise its page's rows (every row when the layout gave none), one a line.
    const RowSlice slice = RowSliceOf(record);
    const int firstRow = slice.first;
    const int lastRow =
        slice.count >= 0 ? std::min(firstRow + slice.count, n) - 1 : (n - 1) / columns;
    std::vector<std::string> cells;
    for (int k = firstRow; k <= lastRow; ++k) {
        const int index = RecordFirstIndex(record) + columns * k;
        if (index >= n) break;
        cells.push_back(index >= 0 ? (*lines)[index] : std::string());
    }
    // The rows the layout gave this page all fit; a list it did not cut gets what its box
    // holds, counted in units as the layout counts.
    const int pitch = ListRowPitch(FieldFontPoints);
    const size_t rows =
        slice.count >= 0 || scales.vertical <= 0
            ? cells.size()
            : static_cast<size_t>(ListRowsThatFit(R((r.Height() + 2) / scales.vertical), pitch));
    canvas.SetBrush(clWhite, BrushStyle::Clear);
    canvas.SetClip(&r);
    DrawLines(cells, {r.left + indent, r.top, r.right, r.bottom}, LineAlign::Left, canvas,
              pitch * scales.vertical, rows, &font);
    canvas.SetClip(nullptr);
}

// The sum of a list column (every cell that reads as a number) for a totals record.
std::string ColumnTotal(const ReportFieldRecord& record) {
    const TextList* lines = GetFieldLst(RecordField(record));
    const int columns = RecordColumns(record);
    long double total = 0;
    if (lines && columns >= 1) {
        for (size_t i = static_cast<size_t>(std::max<int>(0, RecordFirstIndex(record)));
             i < lines->size(); i += static_cast<size_t>(columns)) {
            std::string cell;
            for (char c : (*lines)[i])
                if (c != ',' && c != '$') cell += c;
            long double value = 0;
            if (TryReadNumber(cell, value)) total += value;
        }
    }
    return FormatCurrency({"", ',', NegativeCurrencyStyle::MinusBeforeSymbol}, total, 0, 15);
}

}  // namespace

void DrawCentsBox(const TRect& r, const DrawFieldScales& s, TColor background, TCanvas& canvas) {
    const int middle = r.top + (r.bottom - r.top) / 2;
    const int x = r.right + R(10 * s.horizontal);
    canvas.SetPen(clBlack, R(2 * s.vertical));
    canvas.SetBrush(clBlack, BrushStyle::DiagCross);
    canvas.Ellipse({x, middle, x + R(5 * s.horizontal), middle + R(5 * s.vertical)});
    CanvasFont font;
    font.name = "Arial";
    font.size = T(11 * s.font + 0.2);
    canvas.SetFont(font);
    canvas.SetBrush(background, BrushStyle::Solid);
    const std::string cents = "00";
    const int left = r.right + R(20 * s.horizontal);
    const int top = r.top + (r.bottom - r.top - canvas.TextHeight(cents)) / 2;
    canvas.TextOut(left, top, cents);
    const int right = left + canvas.TextWidth(cents);
    const int textTop = top + canvas.InternalLeading();
    const int textBottom = top + canvas.TextHeight(cents) - canvas.Descent();
    canvas.SetPen(clBlack, 1);
    canvas.Line({left, textTop}, {right, textBottom});
    canvas.Line({left, textBottom}, {right, textTop});
}

void DrawField(char kind, const ReportFieldRecord& record, const DrawFieldScales& scales,
               TRect rect, TCanvas& canvas) {
    const char style = RecordStyle(record);
    const bool white = !canvas.IsScreenCanvas() || style == 'E';
    const TColor background = white ? clWhite : FieldWindowColour;
    canvas.SetBrush(background, BrushStyle::Solid);
    if (kind == '1') {
        DrawCaution(rect, canvas);
        return;
    }
    if (kind != 'S') return;

    const int field = RecordField(record);
    const int alignment = RecordAlignment(record);
    const int flags = RecordFlags(record);
    const std::string text = ValueText(field, alignment);
    if (flags != FlagNoFrame) {
        canvas.SetPen(clBlack, R(0.5 * scales.vertical));
        canvas.SetPenStyle(PenStyle::Solid);
    }
    CanvasFont font;
    font.name = "Courier New";
    font.bold = true;
    font.size = T(12 * scales.font + 0.2);
    canvas.SetFont(font);
    if (flags & FlagCents) rect.right -= R(40 * scales.horizontal);
    if (!(flags & FlagNoFrame)) canvas.Rectangle(rect);
    if (flags & FlagIndentLeft) rect.left += T(35 * scales.horizontal);
    if (flags & FlagIndentTop) rect.top += T(40 * scales.vertical);
    rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};

    const int indent = R(10 * scales.horizontal);
    if (alignment <= 7) {
        const int room = rect.Width() - (alignment <= 5 ? indent + 1 : 1);
        ShrinkToFit(text, room, T(SmallestFieldPoints * scales.font + 0.2), font, canvas);
    }
    const int top = rect.top + (rect.bottom - rect.top - canvas.TextHeight(text)) / 2;
    switch (alignment) {
        case 0:
        case 3:
        case 4:
        case 5:
            canvas.TextOut(rect.left + indent, top, text);
            break;
        case 1:
        case 2:
            canvas.TextOut(rect.right - indent - 1 - canvas.TextWidth(text), top, text);
            break;
        case 6:
        case 7:
            canvas.TextOut(rect.left + 1, top, text);
            break;
        case 9:
            DrawList(record, rect, indent, scales, font, canvas);
            break;
        case 33:
            if (record[9] == TotalRow) {
                const std::string total = ColumnTotal(record);
                canvas.TextOut(rect.right - indent - 1 - canvas.TextWidth(total), top, total);
            }
            break;
        default:
            break;
    }
    if (flags & FlagCents) DrawCentsBox(rect, scales, white ? clWhite : CentsBackground, canvas);
}
