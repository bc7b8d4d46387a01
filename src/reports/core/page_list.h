#pragma once
// The laid-out pages: one stream of 18-byte records, each page opened by a page record that
// links to the previous and the next page. Texts live beside the stream; a text-bearing
// record holds the number of its text in bytes 6-9.

#include <cstdint>
#include <string>
#include <vector>

#include "reports/core/script_record.h"

class PageList {
public:
    // Starts a page for a section whose header is given; the previous page must be closed.
    void OpenPage(const ScriptRecord& sectionHeader);
    // Writes the open page's link to the next page record.
    void ClosePage();
    bool PageOpen() const { return open_; }

    void Add(const ScriptRecord& record);
    void AddWithText(ScriptRecord record, std::string text, RowSlice slice = {});

    int PageCount() const { return static_cast<int>(pages_.size()); }
    // The page record of page 1..PageCount, and the records that follow it.
    ScriptRecord PageRecord(int page) const;
    std::vector<ScriptRecord> PageRecords(int page) const;
    // Every record of every page, for walks that change texts.
    size_t RecordCount() const { return stream_.size() / ScriptRecordSize; }
    ScriptRecord RecordAt(size_t index) const;

    const std::string& Text(const ScriptRecord& record) const;
    void SetText(const ScriptRecord& record, std::string text);
    // The rows of a list column that a text record shows on its page.
    RowSlice Slice(const ScriptRecord& record) const;

    void Clear();

private:
    void Write(size_t at, const ScriptRecord& r);
    std::vector<uint8_t> stream_;
    std::vector<size_t> pages_;  // stream position of each page record
    std::vector<std::string> texts_;
    std::vector<RowSlice> slices_;  // beside texts_
    bool open_ = false;
};
