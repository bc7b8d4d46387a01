#pragma once
// One field of the store: a type code and a 10-byte value area, as in the 12-byte slot
// image that the data file and worksheet items copy byte for byte. Long texts, line lists
// and item lists are held beside the value area; the slot owns them (value semantics).

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum TDataType : uint8_t {
    dtNone = 0,
    dtNumeric = 1,
    dtCurrency = 2,
    dtCurrencyCnt = 3,
    dtString = 4,
    dtSmallStr = 5,
    dtCheckbox = 6,
    dtList = 7,
    dtWorksheet = 8,
};

constexpr int SlotImageSize = 12;
constexpr int SmallStrCapacity = 9;
constexpr int MaxFieldText = 255;

using TextList = std::vector<std::string>;
using SlotImage = std::array<uint8_t, SlotImageSize>;

struct WorksheetItem;
using ItemList = std::vector<WorksheetItem>;

struct FieldSlot {
    uint8_t type = dtNone;
    uint8_t spare = 0;
    std::array<uint8_t, 10> value{};
    std::optional<std::string> longText;  // dtString: the held text, if any
    std::unique_ptr<TextList> list;       // dtList: the held lines, if any
    std::unique_ptr<ItemList> items;      // dtWorksheet: the saved item records, if any

    FieldSlot();
    ~FieldSlot();
    FieldSlot(const FieldSlot& other);
    FieldSlot& operator=(const FieldSlot& other);
    FieldSlot(FieldSlot&&) noexcept;
    FieldSlot& operator=(FieldSlot&&) noexcept;

    // The 12-byte image; reference bytes of long texts and lists read as zero.
    SlotImage Image() const;
    // Type, spare and value bytes from an image; held texts and lists are dropped.
    void SetImage(const SlotImage& image);
    // All bytes zero and nothing held: a dtNone field.
    void Zero();

    long double Extended() const;
    void SetExtended(long double v);
    std::string SmallText() const;
    void SetSmallText(const std::string& text);  // at most 9 characters
    bool Ticked() const { return value[0] != 0; }
};

// One record of a worksheet's item list: one filled scratch field of one item.
struct WorksheetItem {
    uint16_t ItemKey = 0;
    int32_t field = 0;
    FieldSlot slot;
};

constexpr int WorksheetItemRecordSize = 18;
