#pragma once
// The store of 2312 numbered, typed fields that holds every answer of the return.
// Operations never fail toward the caller: an invalid field number does nothing, a wrong
// type does nothing but (in help-desk mode) show a diagnostic.

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "store/field_slot.h"

constexpr int MaxField = 2312;

class FieldStore {
public:
    FieldSlot& Slot(int field) { return slots_[field - 1]; }
    const FieldSlot& Slot(int field) const { return slots_[field - 1]; }

private:
    std::array<FieldSlot, MaxField> slots_;
};

inline bool IsValidField(int n) { return n >= 1 && n <= MaxField; }

// The slot of a valid field of the allocated store, else null.
FieldSlot* FieldSlotAt(int n);

// The entered-zero marker: a money amount explicitly entered (or found) as zero.
constexpr long double ZeroMarker = 0.0011L;
constexpr long double ZeroMarkerAlternative = 0.0049L;

void SetFieldVal(int n, long double value);
long double GetFieldVal(int n, bool clean = false);
long long GetFieldInt(int n);
void SetFieldStr(int n, const std::string& text);
std::string GetFieldStr(int n);
// The field takes the lines as its list (created when missing).
void SetFieldLst(int n, TextList lines);
// The held list, or null; valid until the field changes.
TextList* GetFieldLst(int n);
void SetFieldChecked(int n);
void SetFieldUnchecked(int n);
bool FieldChecked(int n);
bool FieldNotChecked(int n);
int GetFieldType(int n);
void SetFieldType(int n, int type);
std::string GetFieldText(int n);
// The display text of a slot, by the same rules (also for item records).
std::string FieldSlotText(const FieldSlot& slot);
// Whether FieldSlotText would give any text, without making it.
bool SlotShowsText(const FieldSlot& slot);
bool FieldEmpty(int n);
// FieldEmpty's rule for a slot held anywhere (also an item record).
bool SlotEmpty(const FieldSlot& slot);
inline bool FieldNotEmpty(int n) { return !FieldEmpty(n); }
bool IsZeroMarker(int n);
void ClearField(int n);
void ClearAllFields();

// Allocates an empty store (every field dtNone); an existing store is released first.
void AllocateFieldStore();
void ReleaseFieldStore();
bool ClearFieldsConfirmed(const std::vector<int>& fields, int count, bool ask);
bool ClearFieldsConfirmed(std::initializer_list<int> fields, bool ask);
bool IsBlankDate(const std::string& text);

// Help-desk diagnostic for an operation that does not fit the field's type.
void ReportBadField(int n, const std::string& operation);
std::string WorksheetNames(int k);
const char* DataTypeName(int type);

// The partner of a check-box pair, or 0 for a field that stands alone.
int CheckboxPartner(int n);

// Scratch ranges that hold the worksheet item being edited.
constexpr int ScratchFirstLow = 710, ScratchLastLow = 749;
constexpr int ScratchFirstHigh = 1100, ScratchLastHigh = 1199;
inline bool IsScratchField(int n) {
    return (n >= ScratchFirstLow && n <= ScratchLastLow) ||
           (n >= ScratchFirstHigh && n <= ScratchLastHigh);
}
void ZeroScratchFields();
