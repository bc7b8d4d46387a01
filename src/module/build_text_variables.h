#pragma once
// Fills the module's text variables at start, with the money format of the user's regional
// settings and the host's client settings.

#include <QLocale>
#include <QSettings>

#include "base/currency_format.h"
#include "base/tax_calendar.h"

void BuildTextVariables();

// Money in the locale's currency format ("$18,663"); a locale without regional settings
// (the C locale) formats as Australian English.
MoneyFormatter LocaleMoneyFormatter(const QLocale& locale);
// The currency symbol and thousands separator of the locale (the same fallback), on `format`.
CurrencyFormat LocaleCurrencyFormat(const QLocale& locale, CurrencyFormat format);
// Reads the group "Client" of the given settings.
SettingReader ClientSettingReader(QSettings& settings);
