#pragma once
// The calendar values of the income year and the table of text variables built from them
// once at start. Money texts and the host's settings come from the platform, passed in.

#include <functional>
#include <string>

class TVariableManager;

// Formats a whole-dollar amount with the regional money format; withDecimals uses the
// regional number of decimals instead of none. Latin-1.
using MoneyFormatter = std::function<std::string(long double amount, bool withDecimals)>;
// A setting of the host's client settings as text; empty when the key or value is missing.
using SettingReader = std::function<std::string(const std::string& name)>;

inline constexpr const char* DefaultRequirementsURL =
    "http://build.mervo.internal/orvana/2006/requirements.html";

std::string LongDateText(int year, int month, int day);   // "1 July 2005"
std::string ShortDateText(int year, int month, int day);  // "1/7/2001"
std::string TwoDigitYear(int year);                       // "06"

// Sets every "@" variable in table order, then the three "#" settings.
void BuildTextVariableTable(TVariableManager& table, const MoneyFormatter& money,
                            const SettingReader& setting);
