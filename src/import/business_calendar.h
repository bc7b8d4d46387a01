#pragma once
// The business days of the years the import covers: a settlement date gives its trade date by
// counting them back. Weekends are skipped, and the national public holidays of 1985-2006:
// New Year's Day, Australia Day, Good Friday, Easter Monday, Anzac Day, the Queen's Birthday,
// Christmas Day and Boxing Day, with the Monday (or Tuesday) substitutes of the time. Outside
// those years only weekends are skipped.

// Serial day numbers as in base/dates.h.
bool IsNationalPublicHoliday(double serial);
bool IsBusinessDay(double serial);

// The day `days` business days before `serial` (which need not be a business day itself).
double BusinessDaysBefore(double serial, int days);
