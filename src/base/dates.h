#pragma once
// Dates are serial day numbers with day 0 = 30/12/1899, shown and read as "dd/mm/yyyy".
// A two-digit year falls into the hundred years that begin 89 years before the current year.

#include <string>

constexpr double NoDate = -9999;
inline constexpr const char* ShortDateFormat = "dd/mm/yyyy";
inline constexpr const char* EmptyDateMask = "  /  /    ";

struct CivilDate {
    int year = 0, month = 0, day = 0;
};

bool IsValidCivilDate(int year, int month, int day);
long EncodeDate(int year, int month, int day);  // the date must be valid
CivilDate DecodeDate(double serial);

// The calendar year that the two-digit year window starts from (the clock's, unless pinned).
int CurrentCalendarYear();
int ExpandTwoDigitYear(int year);

// Reads "d/m/y" in day, month, year order: one or two digits for day and month; a year of
// one or two digits (windowed) or four digits. Surrounding spaces are allowed.
bool TryReadDate(const std::string& text, double& serial);
std::string FormatDate(double serial);  // "dd/mm/yyyy"

// Six digits (ddmmyy) or eight digits (ddmmyyyy) get "/" after the second and fourth digit;
// any other text is returned unchanged.
std::string InsertDateSeparators(const std::string& text);
