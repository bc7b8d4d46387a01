#include "reports/core/page_list.h"

#include <algorithm>

namespace {
constexpr uint32_t NoPage = 0xFFFFFFFF;
const std::string NoText;
}  // namespace

void PageList::Write(size_t at, const ScriptRecord& r) {
    if (at == stream_.size()) stream_.resize(at + ScriptRecordSize);
    std::copy(r.begin(), r.end(), stream_.begin() + static_cast<std::ptrdiff_t>(at));
}

void PageList::OpenPage(const ScriptRecord& header) {
    if (open_) ClosePage();
    ScriptRecord page{};
    page[0] = '!';
    page[2] = static_cast<uint8_t>((pages_.size() + 1) % 256);
    SetRecordUInt32(page, 3, pages_.empty() ? NoPage : static_cast<uint32_t>(pages_.back()));
    SetRecordUInt32(page, 7, NoPage);
    SetRecordInt16(page, 11, SectionCondition(header));
    page[13] = header[7];
    SetRecordInt16(page, 14, SectionHeight(header));
    SetRecordInt16(page, 16, RecordInt16(header, 10));
    pages_.push_back(stream_.size());
    Write(stream_.size(), page);
    open_ = true;
}

void PageList::ClosePage() {
    if (!open_) return;
    ScriptRecord page = RecordAt(pages_.back() / ScriptRecordSize);
    SetRecordUInt32(page, 7, static_cast<uint32_t>(stream_.size()));
    Write(pages_.back(), page);
    open_ = false;
}

void PageList::Add(const ScriptRecord& record) { Write(stream_.size(), record); }

void PageList::AddWithText(ScriptRecord record, std::string text, RowSlice slice) {
    SetRecordUInt32(record, 6, static_cast<uint32_t>(texts_.size()));
    texts_.push_back(std::move(text));
    slices_.push_back(slice);
    Add(record);
}

ScriptRecord PageList::RecordAt(size_t index) const {
    ScriptRecord r{};
    std::copy_n(stream_.begin() + static_cast<std::ptrdiff_t>(index * ScriptRecordSize),
                ScriptRecordSize, r.begin());
    return r;
}

ScriptRecord PageList::PageRecord(int page) const {
    return RecordAt(pages_.at(static_cast<size_t>(page - 1)) / ScriptRecordSize);
}

std::vector<ScriptRecord> PageList::PageRecords(int page) const {
    std::vector<ScriptRecord> records;
    if (page < 1 || page > PageCount()) return records;
    const size_t first = pages_[static_cast<size_t>(page - 1)] / ScriptRecordSize + 1;
    const size_t end = static_cast<size_t>(page) < pages_.size()
                           ? pages_[static_cast<size_t>(page)] / ScriptRecordSize
                           : RecordCount();
    records.reserve(end - first);
    for (size_t i = first; i < end; ++i) records.push_back(RecordAt(i));
    return records;
}

const std::string& PageList::Text(const ScriptRecord& record) const {
    const uint32_t index = RecordUInt32(record, 6);
    return index < texts_.size() ? texts_[index] : NoText;
}

void PageList::SetText(const ScriptRecord& record, std::string text) {
    const uint32_t index = RecordUInt32(record, 6);
    if (index < texts_.size()) texts_[index] = std::move(text);
}

RowSlice PageList::Slice(const ScriptRecord& record) const {
    const uint32_t index = RecordUInt32(record, 6);
    return index < slices_.size() ? slices_[index] : RowSlice{};
}

void PageList::Clear() {
    stream_.clear();
    pages_.clear();
    texts_.clear();
    slices_.clear();
    open_ = false;
}
