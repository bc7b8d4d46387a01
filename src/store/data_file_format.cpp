#include "store/data_file_format.h"

#include <algorithm>
#include <cstring>

#include "base/module_state.h"
#include "store/item_index.h"

namespace {

constexpr const char* HeaderStart = "Electronic Quillet'";
constexpr const char* HeaderNotice = " (c) Mervo Revenue Commissioner ";
constexpr size_t CheckboxValueSize = 10;

class ByteWriter {
public:
    explicit ByteWriter(ByteBuffer& out) : out_(out) {}
    void Bytes(const void* data, size_t size) {
        const auto* bytes = static_cast<const uint8_t*>(data);
        out_.insert(out_.end(), bytes, bytes + size);
    }
    void Byte(uint8_t value) { out_.push_back(value); }
    void Int16(uint16_t value) {
        Byte(static_cast<uint8_t>(value));
        Byte(static_cast<uint8_t>(value >> 8));
    }
    void Int32(int32_t value) {
        const auto u = static_cast<uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) Byte(static_cast<uint8_t>(u >> shift));
    }
    void ShortText(const std::string& text) {
        const size_t length = std::min<size_t>(text.size(), MaxFieldText);
        Byte(static_cast<uint8_t>(length));
        Bytes(text.data(), length);
    }
    // Lines each ended by CR LF, a zero byte and two filler bytes, after their length.
    void Lines(const TextList* lines) {
        size_t length = 0;
        if (lines && !lines->empty()) {
            for (const std::string& line : *lines) length += line.size() + 2;
            length += 3;
        }
        Int32(static_cast<int32_t>(length));
        if (length == 0) return;
        // Copied into room made once: a large return writes millions of short lines.
        size_t at = out_.size();
        out_.resize(at + length);
        for (const std::string& line : *lines) {
            std::memcpy(out_.data() + at, line.data(), line.size());
            at += line.size();
            out_[at++] = '\r';
            out_[at++] = '\n';
        }
        std::fill_n(out_.begin() + static_cast<std::ptrdiff_t>(at), 3, uint8_t{0});
    }

private:
    ByteBuffer& out_;
};

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Remaining() const { return size_ - position_; }
    bool AtEnd() const { return position_ == size_; }
    bool Bytes(void* target, size_t count) {
        if (Remaining() < count) return false;
        std::memcpy(target, data_ + position_, count);
        position_ += count;
        return true;
    }
    bool Byte(uint8_t& value) { return Bytes(&value, 1); }
    bool Int16(uint16_t& value) {
        uint8_t b[2];
        if (!Bytes(b, 2)) return false;
        value = static_cast<uint16_t>(b[0] | (b[1] << 8));
        return true;
    }
    bool Int32(int32_t& value) {
        uint8_t b[4];
        if (!Bytes(b, 4)) return false;
        value = static_cast<int32_t>(uint32_t{b[0]} | (uint32_t{b[1]} << 8) |
                                     (uint32_t{b[2]} << 16) | (uint32_t{b[3]} << 24));
        return true;
    }
    bool ShortText(std::string& text) {
        uint8_t length = 0;
        if (!Byte(length) || Remaining() < length) return false;
        text.assign(reinterpret_cast<const char*>(data_ + position_), length);
        position_ += length;
        return true;
    }
    // The text up to its zero byte, split at line breaks.
    bool Lines(TextList& lines) {
        int32_t length = 0;
        if (!Int32(length) || length < 0 || Remaining() < static_cast<size_t>(length)) return false;
        const char* text = reinterpret_cast<const char*>(data_ + position_);
        position_ += static_cast<size_t>(length);
        const size_t end = strnlen(text, static_cast<size_t>(length));
        SplitLines(text, end, lines);
        return true;
    }

private:
    // CR LF, CR or LF end a line; a break at the very end adds no empty line.
    static void SplitLines(const char* text, size_t size, TextList& lines) {
        // Room for every line first: a large return reads thousands of lists.
        size_t breaks = 0;
        for (size_t i = 0; i < size; ++i)
            if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == size || text[i + 1] != '\n')))
                ++breaks;
        lines.reserve(lines.size() + breaks + 1);
        size_t start = 0;
        while (start < size) {
            size_t stop = start;
            while (stop < size && text[stop] != '\r' && text[stop] != '\n') ++stop;
            lines.emplace_back(text + start, stop - start);
            if (stop < size && text[stop] == '\r') ++stop;
            if (stop < size && text[stop] == '\n') ++stop;
            start = stop;
        }
    }

    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

void WriteCheckboxValue(ByteWriter& writer) {
    const uint8_t value[CheckboxValueSize] = {1};
    writer.Bytes(value, sizeof value);
}

void WriteItemRecord(ByteWriter& writer, const WorksheetItem& record) {
    writer.Int16(record.ItemKey);
    writer.Int32(record.field);
    const SlotImage image = record.slot.Image();
    writer.Bytes(image.data(), image.size());
    switch (record.slot.type) {
        case dtString:
            writer.ShortText(record.slot.longText.value_or(std::string()));
            break;
        case dtList:
            writer.Lines(record.slot.list.get());
            break;
        case dtCheckbox:
            writer.Bytes(record.slot.value.data(), record.slot.value.size());
            break;
        default:
            break;
    }
}

void WriteFieldRecord(ByteWriter& writer, int n, const FieldSlot& slot) {
    writer.Int32(n);
    writer.Byte(slot.type);
    switch (slot.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            writer.Bytes(slot.value.data(), slot.value.size());
            break;
        case dtString:
            writer.ShortText(*slot.longText);
            break;
        case dtSmallStr:
            writer.ShortText(slot.SmallText());
            break;
        case dtCheckbox:
            WriteCheckboxValue(writer);
            break;
        case dtList:
            writer.Lines(slot.list.get());
            break;
        case dtWorksheet:
            writer.Int32(static_cast<int32_t>(slot.items->size()));
            for (const WorksheetItem& record : *slot.items) WriteItemRecord(writer, record);
            break;
        default:
            break;
    }
}

// The reference bytes of a long text or list mean nothing once read.
void ClearReferenceBytes(FieldSlot& slot) {
    if (slot.type == dtString || slot.type == dtList || slot.type == dtWorksheet)
        std::fill(slot.value.begin(), slot.value.begin() + 4, uint8_t{0});
}

// A long text or a line list held by a slot, as both records and item extras carry them.
bool ReadHeldText(ByteReader& reader, FieldSlot& slot) {
    std::string text;
    if (!reader.ShortText(text)) return false;
    slot.longText = std::move(text);
    return true;
}

bool ReadHeldLines(ByteReader& reader, FieldSlot& slot) {
    auto lines = std::make_unique<TextList>();
    if (!reader.Lines(*lines)) return false;
    slot.list = std::move(lines);
    return true;
}

bool ReadItemRecord(ByteReader& reader, WorksheetItem& record) {
    SlotImage image{};
    if (!reader.Int16(record.ItemKey) || !reader.Int32(record.field) ||
        !reader.Bytes(image.data(), image.size()))
        return false;
    FieldSlot& slot = record.slot;
    slot.SetImage(image);
    ClearReferenceBytes(slot);
    switch (slot.type) {
        case dtString:
            return ReadHeldText(reader, slot);
        case dtList:
            return ReadHeldLines(reader, slot);
        case dtCheckbox:
            return reader.Bytes(slot.value.data(), slot.value.size());
        default:
            return true;
    }
}

bool ReadItems(ByteReader& reader, ItemList& items) {
    constexpr size_t ItemRecordSize = 2 + 4 + SlotImageSize;
    int32_t count = 0;
    if (!reader.Int32(count) || count < 0) return false;
    // A count the remaining bytes cannot hold is damage, not a reason to allocate.
    if (static_cast<size_t>(count) > reader.Remaining() / ItemRecordSize) return false;
    items.resize(static_cast<size_t>(count));
    for (WorksheetItem& record : items)
        if (!ReadItemRecord(reader, record)) return false;
    return true;
}

bool ReadFieldValue(ByteReader& reader, FieldSlot& slot) {
    switch (slot.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
        case dtCheckbox:
            return reader.Bytes(slot.value.data(), slot.value.size());
        case dtSmallStr: {
            std::string text;
            if (!reader.ShortText(text) || text.size() > SmallStrCapacity) return false;
            slot.SetSmallText(text);
            return true;
        }
        case dtString:
            return ReadHeldText(reader, slot);
        case dtList:
            return ReadHeldLines(reader, slot);
        case dtWorksheet: {
            auto items = std::make_unique<ItemList>();
            if (!ReadItems(reader, *items)) return false;
            slot.items = std::move(items);
            ForgetItemIndex();
            return true;
        }
        default:
            return true;  // dtNone and unknown types carry no value
    }
}

}  // namespace

std::string DataFileHeader(int taxYear) {
    return HeaderStart + std::to_string(taxYear) + HeaderNotice;
}

bool FieldHoldsRecord(const FieldSlot& slot) {
    switch (slot.type) {
        case dtNumeric:
            return true;
        case dtCurrency:
        case dtCurrencyCnt:
            return slot.Extended() != 0;
        case dtString:
            return slot.longText.has_value();
        case dtSmallStr:
            return !slot.SmallText().empty();
        case dtCheckbox:
            return slot.Ticked();
        case dtList:
            return slot.list && !slot.list->empty();
        case dtWorksheet:
            return slot.items && !slot.items->empty();
        default:
            return false;
    }
}

void WritePlainForm(const FieldStore& store, const ReturnPosition& position, ByteBuffer& out) {
    ByteWriter writer(out);
    const std::string header = DataFileHeader(TaxYear);
    writer.Bytes(header.data(), header.size());
    writer.Int32(position.screenGroup);
    writer.Int32(position.screenIndex);
    writer.Int32(static_cast<int32_t>(position.history.size()));
    for (int32_t screen : position.history) writer.Int32(screen);
    for (int n = 1; n <= MaxField; ++n) {
        const FieldSlot& slot = store.Slot(n);
        if (FieldHoldsRecord(slot)) WriteFieldRecord(writer, n, slot);
    }
}

PlainReadResult ReadPlainForm(const uint8_t* data, size_t size, FieldStore& store,
                              ReturnPosition& position) {
    PlainReadResult result;
    const std::string header = DataFileHeader(TaxYear);
    if (size < DataFileHeaderSize || std::memcmp(data, header.data(), DataFileHeaderSize) != 0) {
        const bool ours = size >= 23 && std::memcmp(data, header.data(), 10) == 0;
        const bool otherYear = ours && std::memcmp(data + 19, header.data() + 19, 4) != 0;
        result.status = otherYear ? PlainReadStatus::OtherTaxYear : PlainReadStatus::NotADataFile;
        return result;
    }
    ByteReader reader(data + DataFileHeaderSize, size - DataFileHeaderSize);
    result.status = PlainReadStatus::Malformed;
    int32_t count = 0;
    if (!reader.Int32(position.screenGroup) || !reader.Int32(position.screenIndex) ||
        !reader.Int32(count))
        return result;
    // A history count beyond the entries present stops at the end of the file.
    for (int32_t i = 0; i < count && !reader.AtEnd(); ++i) {
        int32_t screen = 0;
        if (!reader.Int32(screen)) return result;
        position.history.push_back(screen);
    }
    while (!reader.AtEnd()) {
        int32_t n = 0;
        if (!reader.Int32(n)) return result;
        if (!IsValidField(n)) {
            result.status = PlainReadStatus::BadFieldNumber;
            result.badField = n;
            return result;
        }
        FieldSlot& slot = store.Slot(n);
        slot.Zero();
        if (!reader.Byte(slot.type) || !ReadFieldValue(reader, slot)) return result;
        result.lastField = n;
        result.anyRecord = true;
    }
    result.status = PlainReadStatus::Complete;
    return result;
}
