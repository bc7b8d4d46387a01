#include "store/field_slot.h"

#include <algorithm>

#include "store/extended_real.h"

FieldSlot::FieldSlot() = default;
FieldSlot::~FieldSlot() = default;
FieldSlot::FieldSlot(FieldSlot&&) noexcept = default;
FieldSlot& FieldSlot::operator=(FieldSlot&&) noexcept = default;

FieldSlot::FieldSlot(const FieldSlot& other)
    : type(other.type), spare(other.spare), value(other.value), longText(other.longText) {
    if (other.list) list = std::make_unique<TextList>(*other.list);
    if (other.items) items = std::make_unique<ItemList>(*other.items);
}

FieldSlot& FieldSlot::operator=(const FieldSlot& other) {
    if (this != &other) {
        FieldSlot copy(other);
        *this = std::move(copy);
    }
    return *this;
}

SlotImage FieldSlot::Image() const {
    SlotImage image{};
    image[0] = type;
    image[1] = spare;
    std::copy(value.begin(), value.end(), image.begin() + 2);
    if (type == dtString || type == dtList || type == dtWorksheet)
        std::fill(image.begin() + 2, image.begin() + 6, uint8_t{0});
    return image;
}

void FieldSlot::SetImage(const SlotImage& image) {
    Zero();
    type = image[0];
    spare = image[1];
    std::copy(image.begin() + 2, image.end(), value.begin());
}

void FieldSlot::Zero() {
    type = dtNone;
    spare = 0;
    value.fill(0);
    longText.reset();
    list.reset();
    items.reset();
}

long double FieldSlot::Extended() const { return DecodeExtended(value.data()); }

void FieldSlot::SetExtended(long double v) { value = EncodeExtended(v); }

std::string FieldSlot::SmallText() const {
    const int length = std::min<int>(value[0], SmallStrCapacity);
    return std::string(reinterpret_cast<const char*>(value.data() + 1), length);
}

void FieldSlot::SetSmallText(const std::string& text) {
    const size_t length = std::min<size_t>(text.size(), SmallStrCapacity);
    value.fill(0);
    value[0] = static_cast<uint8_t>(length);
    std::copy_n(text.begin(), length, value.begin() + 1);
}
