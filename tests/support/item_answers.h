#pragma once
// Answers of an asset item typed into its scratch fields as the asset path stores them:
// cost element rows and payment rows appended to their line lists.

#include <initializer_list>
#include <string>

#include "store/field_store.h"

inline constexpr int CostElementsField = 737;
inline constexpr int PaymentsField = 738;

inline void AppendLines(int field, std::initializer_list<std::string> lines) {
    TextList list;
    if (const TextList* held = GetFieldLst(field)) list = *held;
    list.insert(list.end(), lines);
    SetFieldLst(field, std::move(list));
}
// A cost element row: code, date incurred, amount, amount excluded from the cost base.
inline void AddCost(const std::string& code, const std::string& incurred, const std::string& amount,
                    const std::string& excluded = "") {
    AppendLines(CostElementsField,
                {code, incurred, incurred, code + " cost", amount, excluded, "", ""});
}
inline void AddSharePayment(const std::string& date, const std::string& amount,
                            const std::string& excluded = "") {
    AppendLines(PaymentsField, {date, date, "Capital return", amount, excluded, ""});
}
// Trust payment: date paid, date of CGT event, concession, tax free, exempted, deferred.
inline void AddTrustPayment(const std::string& paid, const std::string& event,
                            const std::string& concession, const std::string& taxFree,
                            const std::string& exempted, const std::string& deferred) {
    AppendLines(PaymentsField,
                {paid, event, "Distribution", "", concession, taxFree, exempted, deferred});
}
