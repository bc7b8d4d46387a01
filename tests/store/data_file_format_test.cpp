#include "store/data_file_format.h"

#include <gtest/gtest.h>

#include <cstring>

#include "store/extended_real.h"
#include "store_fixture.h"

namespace {

// Builds expected plain forms byte by byte.
class Bytes {
public:
    Bytes& Text(const std::string& text) {
        data.insert(data.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& Byte(uint8_t b) {
        data.push_back(b);
        return *this;
    }
    Bytes& Int16(uint16_t v) { return Byte(v & 0xFF).Byte(v >> 8); }
    Bytes& Int32(int32_t v) {
        for (int i = 0; i < 4; ++i) Byte(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
        return *this;
    }
    Bytes& Extended(long double v) {
        const ExtendedBytes e = EncodeExtended(v);
        data.insert(data.end(), e.begin(), e.end());
        return *this;
    }
    Bytes& Zeros(size_t n) {
        data.insert(data.end(), n, 0);
        return *this;
    }
    Bytes& Start(int32_t group = 0, int32_t index = 0, std::vector<int32_t> history = {}) {
        Text(DataFileHeader(2006)).Int32(group).Int32(index);
        Int32(static_cast<int32_t>(history.size()));
        for (int32_t screen : history) Int32(screen);
        return *this;
    }
    ByteBuffer data;
};

class DataFileFormatTest : public StoreTest {
protected:
    ByteBuffer Write(const ReturnPosition& position = {}) {
        ByteBuffer out;
        WritePlainForm(*State().Store, position, out);
        return out;
    }
    PlainReadResult Read(const ByteBuffer& bytes) {
        fresh = std::make_unique<FieldStore>();
        position = {};
        return ReadPlainForm(bytes.data(), bytes.size(), *fresh, position);
    }
    std::unique_ptr<FieldStore> fresh;
    ReturnPosition position;
};

ByteBuffer WithoutPrefix(const ByteBuffer& all, size_t prefix) {
    return ByteBuffer(all.begin() + static_cast<std::ptrdiff_t>(prefix), all.end());
}

}  // namespace

TEST_F(DataFileFormatTest, HeaderAndPositionComeFirst) {
    EXPECT_EQ(DataFileHeader(2006), "Electronic Quillet'2006 (c) Mervo Revenue Commissioner ");
    EXPECT_EQ(DataFileHeader(2006).size(), DataFileHeaderSize);
    EXPECT_EQ(Write({20, 4, {2004, 2005}}), Bytes().Start(20, 4, {2004, 2005}).data);
}

TEST_F(DataFileFormatTest, FieldRecordsByType) {
    SetFieldType(2, dtNumeric);  // numeric: written even at 0
    SetFieldVal(3, 0);           // money at exactly 0: not written
    SetFieldType(4, dtCurrencyCnt);
    SetFieldVal(4, 12.5L);
    SetFieldStr(5, "");  // empty small text: not written
    SetFieldStr(6, "EI");
    SetFieldStr(7, "a longer text");
    SetFieldChecked(8);
    SetFieldUnchecked(11);  // unticked: not written
    SetFieldLst(12, {"a", "bc"});
    SetFieldLst(13, {});  // no lines: not written
    const ByteBuffer expected = Bytes()
                                    .Start()
                                    .Int32(2)
                                    .Byte(dtNumeric)
                                    .Extended(0)
                                    .Int32(4)
                                    .Byte(dtCurrencyCnt)
                                    .Extended(12.5L)
                                    .Int32(6)
                                    .Byte(dtSmallStr)
                                    .Byte(2)
                                    .Text("EI")
                                    .Int32(7)
                                    .Byte(dtString)
                                    .Byte(13)
                                    .Text("a longer text")
                                    .Int32(8)
                                    .Byte(dtCheckbox)
                                    .Byte(1)
                                    .Zeros(9)
                                    .Int32(12)
                                    .Byte(dtList)
                                    .Int32(10)
                                    .Text("a\r\nbc\r\n")
                                    .Zeros(3)
                                    .data;
    EXPECT_EQ(Write(), expected);
}

TEST_F(DataFileFormatTest, ItemRecordsCarryTheirExtras) {
    FieldSlot& worksheet = *FieldSlotAt(1202);
    worksheet.type = dtWorksheet;
    worksheet.items = std::make_unique<ItemList>();
    WorksheetItem tick{1, 1150, {}};
    tick.slot.type = dtCheckbox;
    tick.slot.value[0] = 1;
    WorksheetItem text{1, 1151, {}};
    text.slot.type = dtString;
    text.slot.longText = "twelve chars";
    WorksheetItem lines{2, 1152, {}};
    lines.slot.type = dtList;
    lines.slot.list = std::make_unique<TextList>(TextList{"x"});
    WorksheetItem noLines{2, 1153, {}};
    noLines.slot.type = dtList;
    worksheet.items->push_back(tick);
    worksheet.items->push_back(text);
    worksheet.items->push_back(lines);
    worksheet.items->push_back(noLines);

    const size_t start = Bytes().Start().data.size();
    const ByteBuffer expected = Bytes()
                                    .Int32(1202)
                                    .Byte(dtWorksheet)
                                    .Int32(4)
                                    .Int16(1)
                                    .Int32(1150)
                                    .Byte(dtCheckbox)
                                    .Byte(0)
                                    .Byte(1)
                                    .Zeros(9)
                                    .Byte(1)
                                    .Zeros(9)
                                    .Int16(1)
                                    .Int32(1151)
                                    .Byte(dtString)
                                    .Zeros(11)
                                    .Byte(12)
                                    .Text("twelve chars")
                                    .Int16(2)
                                    .Int32(1152)
                                    .Byte(dtList)
                                    .Zeros(11)
                                    .Int32(6)
                                    .Text("x\r\n")
                                    .Zeros(3)
                                    .Int16(2)
                                    .Int32(1153)
                                    .Byte(dtList)
                                    .Zeros(11)
                                    .Int32(0)
                                    .data;
    const ByteBuffer written = Write();
    EXPECT_EQ(WithoutPrefix(written, start), expected);
    // A ticked box adds 18 + 10 bytes, a long text 18 + 1 + L.
    EXPECT_EQ(expected.size(), 4u + 1 + 4 + (18 + 10) + (18 + 1 + 12) + (18 + 4 + 6) + (18 + 4));

    ASSERT_EQ(Read(written).status, PlainReadStatus::Complete);
    const ItemList& back = *fresh->Slot(1202).items;
    ASSERT_EQ(back.size(), 4u);
    EXPECT_TRUE(back[0].slot.Ticked());
    EXPECT_EQ(*back[1].slot.longText, "twelve chars");
    EXPECT_EQ(*back[2].slot.list, TextList{"x"});
    EXPECT_EQ(back[2].ItemKey, 2);
    EXPECT_TRUE(back[3].slot.list->empty());
}

TEST_F(DataFileFormatTest, HeaderDecidesWhoseFileItIs) {
    EXPECT_EQ(Read(Bytes().Start().data).status, PlainReadStatus::Complete);
    std::string otherYear = DataFileHeader(2005);
    EXPECT_EQ(Read(Bytes().Text(otherYear).Int32(0).Int32(0).Int32(0).data).status,
              PlainReadStatus::OtherTaxYear);
    std::string sameYearOtherText = DataFileHeader(2006);
    sameYearOtherText[30] = 'X';
    EXPECT_EQ(Read(Bytes().Text(sameYearOtherText).data).status, PlainReadStatus::NotADataFile);
    EXPECT_EQ(
        Read(Bytes().Text("Spreadsheet of some other program, long enough to compare").data).status,
        PlainReadStatus::NotADataFile);
    EXPECT_EQ(Read(Bytes().Text("Electronic").data).status, PlainReadStatus::NotADataFile);
    EXPECT_EQ(Read({}).status, PlainReadStatus::NotADataFile);
}

TEST_F(DataFileFormatTest, HistoryCountBeyondTheFileStopsAtItsEnd) {
    ByteBuffer bytes =
        Bytes().Text(DataFileHeader(2006)).Int32(20).Int32(5).Int32(9).Int32(2004).Int32(2005).data;
    const PlainReadResult result = Read(bytes);
    EXPECT_EQ(result.status, PlainReadStatus::Complete);
    EXPECT_FALSE(result.anyRecord);
    EXPECT_EQ(position.history, (std::vector<int32_t>{2004, 2005}));
}

TEST_F(DataFileFormatTest, AFileCutAnywhereInsideARecordIsRefused) {
    SetFieldType(2, dtNumeric);
    SetFieldStr(6, "EI");
    SetFieldStr(7, "a longer text");
    SetFieldLst(12, {"a", "bc"});
    FieldSlot& worksheet = *FieldSlotAt(1202);
    worksheet.type = dtWorksheet;
    worksheet.items = std::make_unique<ItemList>();
    WorksheetItem text{1, 1151, {}};
    text.slot.type = dtString;
    text.slot.longText = "twelve chars";
    worksheet.items->push_back(text);
    const ByteBuffer written = Write({0, 0, {2004}});
    // Where reading may stop: before the history entry (the count promised more than the
    // file holds), after it, and after each of the five records.
    const size_t start = Bytes().Start(0, 0, {2004}).data.size();
    const std::vector<size_t> ends = {start - 4,           start,
                                      start + 15,          start + 15 + 8,
                                      start + 15 + 8 + 19, start + 15 + 8 + 19 + 19,
                                      written.size()};
    for (size_t length = DataFileHeaderSize; length <= written.size(); ++length) {
        const ByteBuffer cut(written.begin(),
                             written.begin() + static_cast<std::ptrdiff_t>(length));
        const bool boundary = std::find(ends.begin(), ends.end(), length) != ends.end();
        EXPECT_EQ(Read(cut).status,
                  boundary ? PlainReadStatus::Complete : PlainReadStatus::Malformed)
            << "cut at " << length;
    }
}

TEST_F(DataFileFormatTest, RecordsNoWriterProducesAreRefused) {
    const ByteBuffer start = Bytes().Start().data;
    auto with = [&](const ByteBuffer& record) {
        ByteBuffer all = start;
        all.insert(all.end(), record.begin(), record.end());
        return Read(all).status;
    };
    EXPECT_EQ(with(Bytes().Int32(5).Byte(dtSmallStr).Byte(10).Text("0123456789").data),
              PlainReadStatus::Malformed);
    EXPECT_EQ(with(Bytes().Int32(5).Byte(dtList).Int32(-1).data), PlainReadStatus::Malformed);
    EXPECT_EQ(with(Bytes().Int32(5).Byte(dtList).Int32(50).Text("short").data),
              PlainReadStatus::Malformed);
    EXPECT_EQ(with(Bytes().Int32(1202).Byte(dtWorksheet).Int32(0x7FFFFFFF).Zeros(18).data),
              PlainReadStatus::Malformed);
    EXPECT_EQ(with(Bytes().Int32(1202).Byte(dtWorksheet).Int32(-3).data),
              PlainReadStatus::Malformed);
    // A small text of 9 and a record of a type with no value part are fine.
    EXPECT_EQ(with(Bytes()
                       .Int32(5)
                       .Byte(dtSmallStr)
                       .Byte(9)
                       .Text("012345678")
                       .Int32(6)
                       .Byte(0x42)
                       .Int32(7)
                       .Byte(dtNone)
                       .data),
              PlainReadStatus::Complete);
    EXPECT_EQ(fresh->Slot(6).type, 0x42);
}

TEST_F(DataFileFormatTest, BadFieldNumberStopsAndKeepsWhatCameBefore) {
    ByteBuffer bytes = Bytes()
                           .Start()
                           .Int32(5)
                           .Byte(dtSmallStr)
                           .Byte(2)
                           .Text("ok")
                           .Int32(2313)
                           .Byte(dtSmallStr)
                           .Byte(2)
                           .Text("no")
                           .data;
    const PlainReadResult result = Read(bytes);
    EXPECT_EQ(result.status, PlainReadStatus::BadFieldNumber);
    EXPECT_EQ(result.badField, 2313);
    EXPECT_EQ(result.lastField, 5);
    EXPECT_EQ(fresh->Slot(5).SmallText(), "ok");

    EXPECT_EQ(Read(Bytes().Start().Int32(0).data).lastField, 0);
}

TEST_F(DataFileFormatTest, ListTextSplitsAtAnyLineBreakAndEndsAtItsZeroByte) {
    const ByteBuffer bytes = Bytes()
                                 .Start()
                                 .Int32(12)
                                 .Byte(dtList)
                                 .Int32(14)
                                 .Text("a\rb\nc\r\n\r\nd")
                                 .Zeros(1)
                                 .Text("hid")
                                 .Int32(13)
                                 .Byte(dtList)
                                 .Int32(3)
                                 .Zeros(3)
                                 .data;
    ASSERT_EQ(Read(bytes).status, PlainReadStatus::Complete);
    EXPECT_EQ(*fresh->Slot(12).list, (TextList{"a", "b", "c", "", "d"}));
    EXPECT_TRUE(fresh->Slot(13).list->empty());
    // A later record of the same field replaces the earlier one.
    const ByteBuffer twice = Bytes()
                                 .Start()
                                 .Int32(7)
                                 .Byte(dtString)
                                 .Byte(11)
                                 .Text("first value")
                                 .Int32(7)
                                 .Byte(dtSmallStr)
                                 .Byte(1)
                                 .Text("2")
                                 .data;
    ASSERT_EQ(Read(twice).status, PlainReadStatus::Complete);
    EXPECT_EQ(fresh->Slot(7).type, dtSmallStr);
    EXPECT_FALSE(fresh->Slot(7).longText.has_value());
}
