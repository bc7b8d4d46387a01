#include "import/business_calendar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/dates.h"

namespace {

constexpr int FirstYear = 1985, LastYear = 2006;

// Monday 0 to Sunday 6; day 0 (30/12/1899) was a Saturday.
int Weekday(long day) { return static_cast<int>(((day - 2) % 7 + 7) % 7); }

bool Weekend(long day) { return Weekday(day) >= 5; }

long Easter(int year) {
    // The Gregorian computus (anonymous algorithm).
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return EncodeDate(year, month, day);
}

long MondayOnOrAfter(long day) { return day + (7 - Weekday(day)) % 7; }

// Days that fall on a weekend move to the next weekday no other of them holds: Christmas on a
// Saturday is kept on Monday 27th and Boxing Day on Tuesday 28th.
void AddWithSubstitutes(std::vector<long> days, std::vector<long>& holidays) {
    std::vector<long> kept;
    for (long day : days)
        if (!Weekend(day)) kept.push_back(day);
    for (long day : days) {
        if (!Weekend(day)) continue;
        long moved = day;
        while (Weekend(moved) || std::count(kept.begin(), kept.end(), moved)) ++moved;
        kept.push_back(moved);
    }
    holidays.insert(holidays.end(), kept.begin(), kept.end());
}

std::vector<long> HolidaysOf(int year) {
    std::vector<long> holidays;
    if (year < FirstYear || year > LastYear) return holidays;
    AddWithSubstitutes({EncodeDate(year, 1, 1)}, holidays);
    // Kept on 26 January by every state from 1994; before, on the Monday of the long weekend
    // after it, except the bicentenary's Tuesday in 1988.
    const long australiaDay = EncodeDate(year, 1, 26);
    if (year >= 1994)
        AddWithSubstitutes({australiaDay}, holidays);
    else
        holidays.push_back(year == 1988 ? australiaDay : MondayOnOrAfter(australiaDay));
    const long easter = Easter(year);
    holidays.push_back(easter - 2);
    holidays.push_back(easter + 1);
    // Anzac Day on a weekend had no weekday substitute nationally in those years.
    holidays.push_back(EncodeDate(year, 4, 25));
    holidays.push_back(MondayOnOrAfter(EncodeDate(year, 6, 1)) + 7);  // the second Monday
    AddWithSubstitutes({EncodeDate(year, 12, 25), EncodeDate(year, 12, 26)}, holidays);
    return holidays;
}

}  // namespace

bool IsNationalPublicHoliday(double serial) {
    const long day = std::lround(serial);
    const std::vector<long> holidays = HolidaysOf(DecodeDate(serial).year);
    return std::find(holidays.begin(), holidays.end(), day) != holidays.end();
}

bool IsBusinessDay(double serial) {
    return !Weekend(std::lround(serial)) && !IsNationalPublicHoliday(serial);
}

double BusinessDaysBefore(double serial, int days) {
    double day = serial;
    while (days > 0) {
        --day;
        if (IsBusinessDay(day)) --days;
    }
    return day;
}
