#pragma once
// Seeded random returns for property tests of the calculation: asset items of the shares,
// trust interest, real estate, collectable and personal use paths (cost elements, payments,
// part disposals, section 2 cost bases), other receipts, trust distribution and manual
// calculation rows, and prior-year losses. Answers are stored as the interview stores
// them, with the awkward ones mixed in: typed zeros, padded type codes, cents, empty lists.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "store/field_slot.h"

// Where an answer is kept: a field of the return (worksheet 0) or of a worksheet item.
struct AnswerPlace {
    int worksheet = 0;
    int item = 0;
    int field = 0;
    std::string Name() const;
};

class RandomReturn {
public:
    explicit RandomReturn(uint32_t seed) : random_(seed) {}

    // Writes a new return into the allocated (empty) store; the places of its answers.
    std::vector<AnswerPlace> Write();
    // Gives the answer another value of its own kind.
    void Change(const AnswerPlace& place);

private:
    int Pick(int low, int high);
    bool Chance(int percent);
    std::string Date(int firstYear, int lastYear);
    std::string EventDate();
    std::string Amount(bool cents);
    std::string TypeCode(int worksheet);
    TextList CostElements(const std::string& acquired);
    TextList Payments(int worksheet, const std::string& acquired);
    TextList TrustRows();
    TextList ManualRows();
    void SetAnswer(int worksheet, int field);
    void WriteItem(int worksheet, std::vector<AnswerPlace>& places);

    std::mt19937 random_;
    std::string acquired_;  // acquisition date of the item being written or changed
};

// The answer's slot as it is stored, and put back exactly.
FieldSlot ReadAnswer(const AnswerPlace& place);
void RestoreAnswer(const AnswerPlace& place, const FieldSlot& slot);
