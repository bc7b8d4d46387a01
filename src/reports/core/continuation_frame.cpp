#include "reports/core/continuation_frame.h"

#include <algorithm>

namespace {

constexpr int TaxpayerNameField = 397;
constexpr int TaxFileNumberField = 1;

ScriptRecord Box(char letter, int x1, int y1, int x2, int y2) {
    ScriptRecord r{};
    r[0] = static_cast<uint8_t>(letter);
    SetRecordInt16(r, 2, x1);
    SetRecordInt16(r, 4, y1);
    SetRecordInt16(r, 6, x2);
    SetRecordInt16(r, 8, y2);
    return r;
}

ScriptRecord Pen(int brush, int pen, int style) {
    ScriptRecord r{};
    r[0] = 'A';
    r[2] = static_cast<uint8_t>(brush);
    r[4] = static_cast<uint8_t>(pen);
    r[5] = 5;
    r[6] = static_cast<uint8_t>(style);
    return r;
}

ScriptRecord Arial8() {
    ScriptRecord r{};
    r[0] = 'F';
    r[2] = 15;  // white behind the text
    r[4] = 8;
    r[6] = 1;
    return r;
}

ScriptRecord UnframedField(int field) {
    ScriptRecord r{};
    r[0] = 'S';
    SetRecordInt16(r, 3, field);
    r[8] = 1;
    return r;
}

void Label(PageList& pages, int x1, int y1, int x2, int y2, const char* text) {
    pages.Add(Box('#', x1, y1, x2, y2));
    ScriptRecord t{};
    t[0] = 'T';
    pages.AddWithText(t, text);
}

}  // namespace

int AddContinuationFrame(const std::vector<ScriptItem>& pageTop, PageList& pages) {
    constexpr int clearPen = 5;
    pages.Add(Pen(15, 15, clearPen));
    pages.Add(Box('R', 0, 0, 1860, 2750));
    // The page-top block sits below the frame's own lines and adds its height to them.
    int pageTopBottom = 0;
    for (const ScriptItem& item : pageTop) {
        ScriptRecord r = item.record;
        if (RecordLetter(r) == '#' || RecordLetter(r) == 'R' || RecordLetter(r) == 'L' ||
            RecordLetter(r) == 'C' || RecordLetter(r) == 'D') {
            SetRecordInt16(r, 4, RecordInt16(r, 4) + ContinuationFrameHeight);
            SetRecordInt16(r, 8, RecordInt16(r, 8) + ContinuationFrameHeight);
            pageTopBottom = std::max<int>(pageTopBottom, RecordInt16(r, 8));
        }
        if (CarriesText(RecordLetter(r)))
            pages.AddWithText(r, item.text);
        else
            pages.Add(r);
    }
    pages.Add(Arial8());
    // Room for a name of 40 characters of the field font.
    Label(pages, 0, 10, 260, 50, "Taxpayer Name");
    pages.Add(Box('#', 260, 0, 1320, 50));
    pages.Add(UnframedField(TaxpayerNameField));
    Label(pages, 1330, 10, 1550, 50, "Tax File Number");
    pages.Add(Box('#', 1550, 0, 1850, 50));
    pages.Add(UnframedField(TaxFileNumberField));
    Label(pages, 0, 52, 1850, 80,
          "Signature . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .");
    pages.Add(Pen(1, 1, 0));
    pages.Add(Box('L', 0, 85, 1850, 85));
    return std::max(ContinuationFrameHeight, pageTopBottom);
}
