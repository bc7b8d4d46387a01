#include "reports/core/script_reader.h"

#include <algorithm>

namespace {

class Reader {
public:
    explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ >= bytes_.size(); }

    ScriptRecord Record() {
        Need(ScriptRecordSize);
        ScriptRecord r{};
        std::copy_n(bytes_.begin() + at_, ScriptRecordSize, r.begin());
        at_ += ScriptRecordSize;
        return r;
    }

    std::string Text() {
        Need(2);
        const size_t length = bytes_[at_] | (bytes_[at_ + 1] << 8);
        at_ += 2;
        Need(length);
        std::string text(bytes_.begin() + at_, bytes_.begin() + at_ + length);
        at_ += length;
        // The stored text ends with a zero; anything after an early zero is not text.
        if (const size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
        return text;
    }

private:
    void Need(size_t n) const {
        if (bytes_.size() - at_ < n) throw ReportError("The report script is damaged.");
    }
    const std::vector<uint8_t>& bytes_;
    size_t at_ = 0;
};

void Append(std::vector<uint8_t>& out, const ScriptRecord& r) {
    out.insert(out.end(), r.begin(), r.end());
}

}  // namespace

std::vector<ScriptSection> ReadScript(const std::vector<uint8_t>& bytes) {
    Reader reader(bytes);
    std::vector<ScriptSection> sections;
    while (!reader.AtEnd()) {
        ScriptSection section;
        section.header = reader.Record();
        if (RecordLetter(section.header) != '!') throw ReportError("The report script is damaged.");
        const int count = SectionRecordCount(section.header);
        for (int i = 0; i < count; ++i) {
            ScriptItem item;
            item.record = reader.Record();
            if (CarriesText(RecordLetter(item.record))) item.text = reader.Text();
            section.items.push_back(std::move(item));
        }
        sections.push_back(std::move(section));
    }
    return sections;
}

std::vector<uint8_t> WriteScript(const std::vector<ScriptSection>& sections) {
    std::vector<uint8_t> out;
    for (const ScriptSection& section : sections) {
        ScriptRecord header = section.header;
        SetRecordInt16(header, 3, static_cast<int>(section.items.size()));
        Append(out, header);
        for (const ScriptItem& item : section.items) {
            Append(out, item.record);
            if (!CarriesText(RecordLetter(item.record))) continue;
            const size_t length = item.text.size() + 1;
            out.push_back(static_cast<uint8_t>(length & 0xFF));
            out.push_back(static_cast<uint8_t>(length >> 8));
            out.insert(out.end(), item.text.begin(), item.text.end());
            out.push_back(0);
        }
    }
    return out;
}
