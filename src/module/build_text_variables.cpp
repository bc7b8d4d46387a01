#include "module/build_text_variables.h"

#include "base/module_state.h"
#include "platform/qt_message_box.h"

namespace {
// A locale without regional settings (the C locale) counts as Australian English.
QLocale MoneyLocale(const QLocale& locale) {
    return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::Australia) : locale;
}
}  // namespace

MoneyFormatter LocaleMoneyFormatter(const QLocale& locale) {
    const QLocale money = MoneyLocale(locale);
    return [money](long double amount, bool withDecimals) {
        QString text =
            money.toCurrencyString(static_cast<double>(amount), QString(), withDecimals ? -1 : 0);
        // Thin and narrow spaces some locales group with have no Latin-1 form.
        text.replace(QChar(0x202F), QChar(0xA0)).replace(QChar(0x2009), QChar(0xA0));
        return ToLatin1Text(text);
    };
}

SettingReader ClientSettingReader(QSettings& settings) {
    return [&settings](const std::string& name) {
        settings.beginGroup(QStringLiteral("Client"));
        const QVariant value = settings.value(QString::fromStdString(name));
        settings.endGroup();
        return ToLatin1Text(value.toString());
    };
}

CurrencyFormat LocaleCurrencyFormat(const QLocale& locale, CurrencyFormat format) {
    const QLocale money = MoneyLocale(locale);
    const std::string symbol = ToLatin1Text(money.currencySymbol());
    if (!symbol.empty() && symbol.find('?') == std::string::npos) format.symbol = symbol;
    const QString group = money.groupSeparator();
    if (group.size() == 1 && group[0].unicode() < 256)
        format.thousandsSeparator = static_cast<char>(group[0].unicode());
    return format;
}

void BuildTextVariables() {
    QSettings settings(QSettings::SystemScope, QStringLiteral("Mervo"), QStringLiteral("Orvana"));
    BuildTextVariableTable(State().Variables, LocaleMoneyFormatter(QLocale()),
                           ClientSettingReader(settings));
    // Money on labels follows the same regional settings.
    State().Currency = LocaleCurrencyFormat(QLocale(), State().Currency);
}
