#include "store/field_store.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/dates.h"
#include "base/module_state.h"
#include "base/numbers.h"
#include "store/item_index.h"
#include "store/zero_marker.h"

namespace {

bool IsNumberType(int type) {
    return type == dtNumeric || type == dtCurrency || type == dtCurrencyCnt;
}

// A field of type dtNone takes `type` before the operation goes on.
FieldSlot* TypedSlot(int n, uint8_t type) {
    FieldSlot* slot = FieldSlotAt(n);
    if (slot && slot->type == dtNone) slot->type = type;
    return slot;
}

std::string TrimControl(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

std::string TrimSpaces(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void MarkChanged() { State().StoreChanged = true; }

bool IsZero(const FieldSlot& slot) {
    if (slot.type != dtNone || slot.spare != 0 || slot.longText || slot.list || slot.items)
        return false;
    // The ten value bytes read as two words: a byte-wise test costs more than zeroing.
    uint64_t head = 0;
    uint16_t tail = 0;
    std::memcpy(&head, slot.value.data(), sizeof head);
    std::memcpy(&tail, slot.value.data() + sizeof head, sizeof tail);
    return (head | tail) == 0;
}

// Every item load zeroes the scratch ranges first: the store is looked up once, and the
// fields the last item left blank (most of them) are passed over.
void ZeroRange(int first, int last) {
    FieldStore* store = State().Store.get();
    if (!store) return;
    for (int n = first; n <= last; ++n)
        if (FieldSlot& slot = store->Slot(n); !IsZero(slot)) slot.Zero();
}

}  // namespace

FieldSlot* FieldSlotAt(int n) {
    if (!IsValidField(n) || !State().Store) return nullptr;
    return &State().Store->Slot(n);
}

void SetFieldVal(int n, long double value) {
    FieldSlot* slot = TypedSlot(n, dtCurrency);
    if (!slot) return;
    if (!IsNumberType(slot->type)) {
        ReportBadField(n, "SetFieldVal");
        return;
    }
    if (slot->Extended() != value) MarkChanged();
    slot->SetExtended(value);
}

long double GetFieldVal(int n, bool clean) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot) return 0;
    if (slot->type != dtNone && !IsNumberType(slot->type)) {
        ReportBadField(n, "GetFieldVal");
        return 0;
    }
    const long double value = slot->type == dtNone ? 0 : slot->Extended();
    return clean ? WithoutZeroMarker(value) : value;
}

long long GetFieldInt(int n) { return RoundEvenToInt(GetFieldVal(n, false)); }

void SetFieldStr(int n, const std::string& text) {
    FieldSlot* slot = TypedSlot(n, dtSmallStr);
    if (!slot) return;
    if (slot->type != dtString && slot->type != dtSmallStr) {
        ReportBadField(n, "SetFieldStr");
        return;
    }
    const std::string stored = text.substr(0, MaxFieldText);
    if (stored != GetFieldStr(n)) MarkChanged();
    slot->longText.reset();
    if (stored.size() <= SmallStrCapacity) {
        slot->type = dtSmallStr;
        slot->SetSmallText(stored);
    } else {
        slot->type = dtString;
        slot->value.fill(0);
        slot->longText = stored;
    }
}

std::string GetFieldStr(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot) return {};
    switch (slot->type) {
        case dtNone:
            return {};
        case dtString:
            return slot->longText.value_or(std::string());
        case dtSmallStr:
            return slot->SmallText();
        default:
            ReportBadField(n, "GetFieldStr");
            return {};
    }
}

void SetFieldLst(int n, TextList lines) {
    FieldSlot* slot = TypedSlot(n, dtList);
    if (!slot) return;
    if (slot->type != dtList) {
        ReportBadField(n, "SetFieldLst");
        return;
    }
    if (slot->list)
        *slot->list = std::move(lines);
    else
        slot->list = std::make_unique<TextList>(std::move(lines));
}

TextList* GetFieldLst(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot || slot->type == dtNone) return nullptr;
    if (slot->type != dtList) {
        ReportBadField(n, "GetFieldLst");
        return nullptr;
    }
    return slot->list.get();
}

int CheckboxPartner(int n) {
    switch (n) {
        case 9:
            return 10;
        case 10:
            return 9;
        case 17:
            return 18;
        case 18:
            return 17;
        case 19:
            return 20;
        case 20:
            return 19;
        case 33:
            return 34;
        case 34:
            return 33;
        default:
            break;
    }
    if (n >= 132 && n <= 143) return n % 2 == 0 ? n + 1 : n - 1;
    return 0;
}

void SetFieldChecked(int n) {
    FieldSlot* slot = TypedSlot(n, dtCheckbox);
    if (!slot) return;
    if (slot->type != dtCheckbox) {
        ReportBadField(n, "SetFieldChecked");
        return;
    }
    bool changed = !slot->Ticked();
    // Only a check-box partner is unticked: its flag byte would be part of any other
    // type's value.
    FieldSlot* partner = FieldSlotAt(CheckboxPartner(n));
    if (partner && partner->type == dtCheckbox) {
        changed = changed || partner->Ticked();
        partner->value[0] = 0;
    }
    slot->value[0] = 1;
    if (changed) MarkChanged();
}

void SetFieldUnchecked(int n) {
    FieldSlot* slot = TypedSlot(n, dtCheckbox);
    if (!slot) return;
    if (slot->type != dtCheckbox) {
        ReportBadField(n, "SetFieldUnchecked");
        return;
    }
    if (slot->Ticked()) MarkChanged();
    slot->value[0] = 0;
}

bool FieldChecked(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot || slot->type == dtNone) return false;
    if (slot->type != dtCheckbox) {
        ReportBadField(n, "FieldChecked");
        return false;
    }
    return slot->Ticked();
}

bool FieldNotChecked(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot) return false;
    if (slot->type == dtNone) return true;
    if (slot->type != dtCheckbox) {
        ReportBadField(n, "FieldNotChecked");
        return false;
    }
    return !slot->Ticked();
}

int GetFieldType(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    return slot ? slot->type : 0;
}

void SetFieldType(int n, int type) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot) return;
    slot->longText.reset();
    slot->list.reset();
    if (type != dtWorksheet && slot->items) {
        slot->items.reset();
        ForgetItemIndex();
    }
    if (slot->type == dtString || slot->type == dtList || slot->type == dtWorksheet)
        std::fill(slot->value.begin(), slot->value.begin() + 4, uint8_t{0});
    slot->type = static_cast<uint8_t>(type);
}

std::string FieldSlotText(const FieldSlot& slot) {
    switch (slot.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt: {
            const long double value = slot.Extended();
            if (std::fabs(value) < 0.001L) return {};
            if (slot.type == dtNumeric) return std::to_string(RoundEvenToInt(value));
            if (slot.type == dtCurrency) return FormatFixed(value, 8, 0);
            return FormatFixed(value, 12, 2);
        }
        case dtString:
            return slot.longText.value_or(std::string());
        case dtSmallStr:
            return slot.SmallText();
        case dtCheckbox:
            return slot.Ticked() ? "X" : "";
        case dtList:
            return slot.list && !slot.list->empty() ? slot.list->front() : "";
        default:
            return {};
    }
}

bool SlotShowsText(const FieldSlot& slot) {
    switch (slot.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            return !(std::fabs(slot.Extended()) < 0.001L);  // formatted, never empty
        case dtString:
            return slot.longText && !slot.longText->empty();
        case dtSmallStr:
            return slot.value[0] != 0;
        case dtCheckbox:
            return slot.Ticked();
        case dtList:
            return slot.list && !slot.list->empty() && !slot.list->front().empty();
        default:
            return false;
    }
}

std::string GetFieldText(int n) {
    const FieldSlot* slot = FieldSlotAt(n);
    return slot ? FieldSlotText(*slot) : std::string();
}

bool FieldEmpty(int n) {
    const FieldSlot* slot = FieldSlotAt(n);
    return !slot || SlotEmpty(*slot);
}

bool SlotEmpty(const FieldSlot& slot) {
    switch (slot.type) {
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            return std::fabs(slot.Extended()) < 0.001L;
        case dtString:
            return TrimControl(slot.longText.value_or(std::string())).empty();
        case dtSmallStr:
            return TrimControl(slot.SmallText()).empty();
        case dtCheckbox:
            return !slot.Ticked();
        case dtList:
            return !slot.list || slot.list->empty();
        case dtWorksheet:
            return !slot.items || slot.items->empty();
        default:
            return true;
    }
}

bool IsZeroMarker(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot || !IsNumberType(slot->type)) return false;
    const long double value = slot->Extended();
    return value == ZeroMarker || value == ZeroMarkerAlternative;
}

void ClearField(int n) {
    FieldSlot* slot = FieldSlotAt(n);
    if (!slot) return;
    switch (slot->type) {
        case dtNone:
        case dtNumeric:
        case dtCurrency:
        case dtCurrencyCnt:
            slot->value.fill(0);
            break;
        case dtString:
            if (slot->longText) slot->Zero();
            break;
        case dtSmallStr:
            slot->value[0] = 0;
            break;
        case dtCheckbox:
            slot->value[0] = 0;
            break;
        case dtList:
            slot->Zero();
            break;
        case dtWorksheet:
            slot->Zero();
            ForgetItemIndex();
            break;
        default:
            break;
    }
}

void ZeroScratchFields() {
    ZeroRange(ScratchFirstLow, ScratchLastLow);
    ZeroRange(ScratchFirstHigh, ScratchLastHigh);
}

void ClearAllFields() {
    ZeroScratchFields();
    for (int n = 1; n <= MaxField; ++n) ClearField(n);
}

void FieldStoreDeleter::operator()(FieldStore* store) const { delete store; }

void AllocateFieldStore() {
    ForgetItemIndex();
    State().Store.reset(new FieldStore);
}

void ReleaseFieldStore() {
    if (!State().Store) return;
    ClearAllFields();
    ForgetItemIndex();
    State().Store.reset();
}

bool ClearFieldsConfirmed(const std::vector<int>& fields, int count, bool ask) {
    const int used = std::clamp(count, 0, static_cast<int>(fields.size()));
    const auto end = fields.begin() + used;
    const bool anyFilled = std::any_of(fields.begin(), end, [](int n) { return FieldNotEmpty(n); });
    if (!anyFilled) return true;
    if (ask) {
        MessageRequest request;
        request.caption = "Warning";
        request.text =
            "Data exists for this item\r\rAre you sure you want to delete it?\r\r"
            "If you select 'Yes' all data for this item will be lost";
        request.icon = MessageIcon::Exclamation;
        request.buttons = {mbYes, mbNo};
        request.defaultButton = mbNo;
        if (ShowModuleMessage(request) != mrYes) return false;
    }
    std::for_each(fields.begin(), end, [](int n) { ClearField(n); });
    return true;
}

bool ClearFieldsConfirmed(std::initializer_list<int> fields, bool ask) {
    const std::vector<int> list(fields);
    return ClearFieldsConfirmed(list, static_cast<int>(list.size()), ask);
}

bool IsBlankDate(const std::string& text) {
    const std::string date = text.substr(0, 10);
    if (TrimSpaces(date).empty() || date == EmptyDateMask) return true;
    double serial = 0;
    return !TryReadDate(date, serial);
}

const char* DataTypeName(int type) {
    static const char* const names[] = {"dtNone",        "dtNumeric", "dtCurrency",
                                        "dtCurrencyCnt", "dtString",  "dtSmallStr",
                                        "dtCheckbox",    "dtList",    "dtWorksheet"};
    const int code = type & 0x7F;
    return code <= dtWorksheet ? names[code] : "dtUnknown";
}

std::string WorksheetNames(int k) {
    switch (k) {
        case 1:
            return "1 - Salary & Wages / Lump Sum";
        case 2:
            return "2 - ETP Statements";
        case 3:
            return "3 - Item 7 / D8 / T3";
        case 4:
            return "4 - Rental Statements";
        case 5:
            return "5 - Other Deductions";
        case 7:
            return "7 - Motor Vehicle";
        case 10:
            return "10 - D5 Depreciation - Non WRE";
        case 11:
            return "11 - Business PP Depreciation";
        case 12:
            return "12 - Business NPP Depreciation";
        default:
            break;
    }
    if (k >= 180 && k <= 199) return std::to_string(k) + " - Rental Depreciation";
    if (k >= 249 && k <= 253) return std::to_string(k) + " - D5 Depreciation - WRE";
    return std::to_string(k) + " - not defined";
}

void ReportBadField(int n, const std::string& operation) {
    if (!State().HelpdeskMode) return;
    const std::string text =
        "DEBUG: bad field tag " + std::to_string(n) + "  " +
        "DataType = " + DataTypeName(GetFieldType(n)) + "  " + "Contents = " + GetFieldText(n) +
        "  " + "Worksheet = " + WorksheetNames(State().CurrentWorksheet) + "  " + operation;
    AppMessageBox(text, mtError, mbOK);
}
