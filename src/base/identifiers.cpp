#include "base/identifiers.h"

#include <vector>

namespace {

std::string WithoutSpaces(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c != ' ') result += c;
    return result;
}

std::string DigitsOnly(const std::string& text) {
    std::string result;
    for (char c : text)
        if (c >= '0' && c <= '9') result += c;
    return result;
}

bool AllDigits(const std::string& text) {
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return !text.empty();
}

bool AllZeros(const std::string& text) { return text.find_first_not_of('0') == std::string::npos; }

std::string ZeroFilled(const std::string& digits, size_t length) {
    return digits.size() >= length ? digits : std::string(length - digits.size(), '0') + digits;
}

int Digit(const std::string& text, size_t i) { return text[i] - '0'; }

int WeightedSum(const std::string& digits, const std::vector<int>& weights) {
    int sum = 0;
    for (size_t i = 0; i < weights.size() && i < digits.size(); ++i)
        sum += Digit(digits, i) * weights[i];
    return sum;
}

std::string Grouped(const std::string& digits, const std::vector<size_t>& groups) {
    std::string result;
    size_t position = 0;
    for (size_t size : groups) {
        if (position >= digits.size()) break;
        if (!result.empty()) result += ' ';
        result += digits.substr(position, size);
        position += size;
    }
    if (position < digits.size()) result += digits.substr(position);
    return result;
}

const std::vector<int> BusinessWeights = {10, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19};

bool TfnValid(const std::string& d) {
    if (d.size() < 7 || d.size() > 9 || AllZeros(d)) return false;
    std::vector<int> weights = {10, 7, 8, 4, 6, 3};
    if (d.size() >= 8) weights.push_back(5);
    if (d.size() == 9) weights.push_back(2);
    return (WeightedSum(d, weights) + Digit(d, d.size() - 1)) % 11 == 0;
}

bool AbnValid(const std::string& text) {
    const std::string d = DigitsOnly(text);
    if (d.size() > 11) return false;
    if (d.size() < 11 || d[0] == '0') return true;  // accepted as entered
    int sum = (Digit(d, 0) - 1) * BusinessWeights[0];
    for (size_t i = 1; i < 11; ++i) sum += Digit(d, i) * BusinessWeights[i];
    return sum % 89 == 0;
}

bool AcnValid(const std::string& raw) {
    if (raw.size() > 9 || AllZeros(raw)) return false;
    const std::string d = ZeroFilled(raw, 9);
    const int s = WeightedSum(d, {8, 7, 6, 5, 4, 3, 2, 1});
    const int check = Digit(d, 8);
    if (s <= 10) return s + check == 10;
    return (s % 10 == 0 && check == 0) || (s % 10) + check == 10;
}

bool SfnValid(const std::string& raw) {
    if (raw.size() > 9 || AllZeros(raw)) return false;
    const std::string d = ZeroFilled(raw, 9);
    const int r = WeightedSum(d, {32, 16, 8, 4, 2, 1, 128, 64}) % 11;
    const int check = Digit(d, 8);
    return (r == 10 && check == 0) || (r < 10 && r == check);
}

bool DinValid(const std::string& raw) {
    if (raw.size() < 9 || raw.size() > 11) return false;
    const std::string filled = ZeroFilled(raw, 11);
    const std::string d = filled.substr(9, 2) + filled.substr(0, 9);
    if (d[0] == '0') return false;
    int sum = (Digit(d, 0) - 1) * BusinessWeights[0];
    for (size_t i = 1; i < 11; ++i) sum += Digit(d, i) * BusinessWeights[i];
    return sum % 89 == 0;
}

bool EgnValid(const std::string& raw) {
    if (raw.size() > 8 || AllZeros(raw)) return false;
    const std::string d = ZeroFilled(raw, 8);
    return (WeightedSum(d, {10, 7, 8, 4, 6, 3, 5}) + Digit(d, 7)) % 11 == 0;
}

bool MedicareValid(const std::string& d) {
    if (d.size() != 10 || d[0] < '2' || d[0] > '6') return false;
    return WeightedSum(d, {1, 3, 7, 9, 1, 3, 7, 9}) % 10 == Digit(d, 8);
}

}  // namespace

bool IdentifierValid(IdentifierKind kind, const std::string& text) {
    const std::string compact = WithoutSpaces(text);
    if (compact.empty()) return true;
    if (kind == IdentifierKind::ABN) return AbnValid(compact);
    if (!AllDigits(compact)) return false;
    switch (kind) {
        case IdentifierKind::TFN:
            return TfnValid(compact);
        case IdentifierKind::ACN:
            return AcnValid(compact);
        case IdentifierKind::SFN:
            return SfnValid(compact);
        case IdentifierKind::DIN:
            return DinValid(compact);
        case IdentifierKind::EGN:
            return EgnValid(compact);
        case IdentifierKind::Medicare:
            return MedicareValid(compact);
        case IdentifierKind::ABN:
            break;
    }
    return false;
}

std::string IdentifierDisplay(IdentifierKind kind, const std::string& text) {
    const std::string d = WithoutSpaces(text);
    if (d.empty()) return {};
    switch (kind) {
        case IdentifierKind::TFN:
            if (d.size() == 7) return Grouped(d, {1, 3, 3});
            if (d.size() == 8) return Grouped(d, {2, 3, 3});
            return Grouped(d, {3, 3, 3});
        case IdentifierKind::ABN:
            return Grouped(ZeroFilled(d, 11), {2, 3, 3, 3});
        case IdentifierKind::ACN:
            return Grouped(ZeroFilled(d, 9), {3, 3, 3});
        case IdentifierKind::SFN:
            return Grouped(ZeroFilled(d, 9), {4, 3, 2});
        case IdentifierKind::DIN:
            return Grouped(ZeroFilled(d, 11), {2, 3, 3, 3});
        case IdentifierKind::EGN:
            return Grouped(ZeroFilled(d, 8), {3, 3, 2});
        case IdentifierKind::Medicare: {
            std::string filled = d.size() < 10 ? d + std::string(10 - d.size(), ' ') : d;
            std::string grouped = Grouped(filled, {4, 5, 1});
            const size_t last = grouped.find_last_not_of(' ');
            return last == std::string::npos ? std::string() : grouped.substr(0, last + 1);
        }
    }
    return d;
}

const char* IdentifierError(IdentifierKind kind) {
    switch (kind) {
        case IdentifierKind::TFN:
            return "Invalid Tax File Number (TFN)";
        case IdentifierKind::ABN:
            return "Invalid Australian Business Number (ABN)";
        case IdentifierKind::ACN:
            return "Invalid ACN/ARBN";
        case IdentifierKind::SFN:
            return "Invalid SFN";
        case IdentifierKind::DIN:
            return "Invalid Document Indentification Number (DIN)";
        case IdentifierKind::EGN:
            return "Invalid Employer group number";
        case IdentifierKind::Medicare:
            return "Invalid Medicare Card Number";
    }
    return "";
}
