#include "calc/payment_rows.h"

#include "base/numbers.h"
#include "base/text_encoding.h"
#include "calc/calc_inputs.h"
#include "store/field_store.h"

namespace {

// The rows of a list of `columns` lines per row; a trailing partial row counts.
std::vector<std::vector<std::string>> ListRows(int field, size_t columns) {
    std::vector<std::vector<std::string>> rows;
    const TextList* list = GetFieldLst(field);
    if (!list) return rows;
    for (size_t first = 0; first < list->size(); first += columns) {
        std::vector<std::string> row(columns);
        for (size_t col = 0; col < columns && first + col < list->size(); ++col)
            row[col] = (*list)[first + col];
        rows.push_back(std::move(row));
    }
    return rows;
}

bool Filled(const std::string& text) { return !TrimmedText(text).empty(); }

// A negated sum as a plain number ("-150", "0").
std::string NegatedText(long double sum) { return sum == 0 ? "0" : FormatGeneral(-sum); }

}  // namespace

std::vector<PaymentRow> ReadSharePayments(int field) {
    std::vector<PaymentRow> payments;
    for (const auto& row : ListRows(field, 6)) {
        if (!Filled(row[0])) continue;
        payments.push_back({row[0], row[1], row[3], row[4], row[4], false});
    }
    return payments;
}

std::vector<PaymentRow> ReadTrustPayments(int field) {
    std::vector<std::vector<std::string>> rows;
    for (auto& row : ListRows(field, 8))
        if (Filled(row[0])) rows.push_back(std::move(row));
    std::vector<PaymentRow> payments;
    long double concession = 0, taxFree = 0, taxDeferred = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& row = rows[i];
        concession += NumberOfText(row[4]);
        taxFree += NumberOfText(row[5]);
        taxDeferred += NumberOfText(row[7]);
        const std::string eventDate = TrimmedText(row[1]);
        if (i + 1 < rows.size() && !eventDate.empty() && TrimmedText(rows[i + 1][1]) == eventDate)
            continue;
        payments.push_back({row[1], row[0], "0", NegatedText(concession + taxDeferred),
                            NegatedText(concession + taxFree + taxDeferred), true});
        concession = taxFree = taxDeferred = 0;
    }
    return payments;
}
