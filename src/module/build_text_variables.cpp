#include "module/build_text_variables.h"

#include "module/core/module_state.h"
#include "platform/qt_message_box.h"

MoneyFormatter LocaleMoneyFormatter(const QLocale& locale) {
    const QLocale money =
        locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::Australia) : locale;
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

void BuildTextVariables() {
    QSettings settings(QSettings::SystemScope, QStringLiteral("Mervo"), QStringLiteral("Orvana"));
    BuildTextVariableTable(State().Variables, LocaleMoneyFormatter(QLocale()),
                           ClientSettingReader(settings));
}
