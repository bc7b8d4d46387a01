#include "base/dates.h"

#include <cmath>
#include <cstdio>
#include <ctime>

#include "base/module_state.h"

namespace {
// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilDate CivilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = static_cast<int>(yoe + era * 400 + (date.month <= 2));
    return date;
}

const long SerialEpoch = DaysFromCivil(1899, 12, 30);

bool ReadDigits(const std::string& text, int& value) {
    if (text.empty() || text.size() > 4) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}
}  // namespace

bool IsValidCivilDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int length = lengths[month - 1] + (month == 2 && leap ? 1 : 0);
    return day <= length;
}

long EncodeDate(int year, int month, int day) {
    return DaysFromCivil(year, month, day) - SerialEpoch;
}

CivilDate DecodeDate(double serial) {
    return CivilFromDays(static_cast<long>(std::floor(serial)) + SerialEpoch);
}

int CurrentCalendarYear() {
    if (State().CurrentYearOverride != 0) return State().CurrentYearOverride;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

int ExpandTwoDigitYear(int year) {
    const int windowStart = CurrentCalendarYear() - 89;
    int full = year + windowStart / 100 * 100;
    if (full < windowStart) full += 100;
    return full;
}

bool TryReadDate(const std::string& text, double& serial) {
    const std::string body = Trimmed(text);
    const size_t first = body.find('/');
    if (first == std::string::npos) return false;
    const size_t second = body.find('/', first + 1);
    if (second == std::string::npos || body.find('/', second + 1) != std::string::npos)
        return false;
    const std::string dayText = body.substr(0, first);
    const std::string monthText = body.substr(first + 1, second - first - 1);
    const std::string yearText = body.substr(second + 1);
    int day = 0, month = 0, year = 0;
    if (dayText.size() > 2 || monthText.size() > 2) return false;
    if (!ReadDigits(dayText, day) || !ReadDigits(monthText, month) || !ReadDigits(yearText, year))
        return false;
    if (yearText.size() == 3) return false;
    if (yearText.size() <= 2) year = ExpandTwoDigitYear(year);
    if (!IsValidCivilDate(year, month, day)) return false;
    serial = EncodeDate(year, month, day);
    return true;
}

std::string FormatDate(double serial) {
    const CivilDate date = DecodeDate(serial);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buffer;
}

std::string InsertDateSeparators(const std::string& text) {
    if (text.size() != 6 && text.size() != 8) return text;
    for (char c : text)
        if (c < '0' || c > '9') return text;
    return text.substr(0, 2) + "/" + text.substr(2, 2) + "/" + text.substr(4);
}
