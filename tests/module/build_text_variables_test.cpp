#include "module/build_text_variables.h"

#include <gtest/gtest.h>

#include "base/module_state.h"
#include "base/text_variables.h"
#include "temp_dir.h"

namespace {
TEST(BuildTextVariables, MoneyInAnAustralianLocale) {
    const MoneyFormatter money =
        LocaleMoneyFormatter(QLocale(QLocale::English, QLocale::Australia));
    TVariableManager table;
    BuildTextVariableTable(table, money, [](const std::string&) { return std::string(); });
    EXPECT_EQ(table.GetVariable("@ThreshPETO"), "$18,663");
    EXPECT_EQ(table.GetVariable("@SNICutoffForNoReduction"), "$286");
    EXPECT_EQ(table.GetVariable("@DependentsAllowableWeeklySNI"), "$28.92");
    EXPECT_EQ(table.GetVariable("@ETO_UpperThreshold"), "$75,000.00");
    // Without regional settings the Australian format applies.
    EXPECT_EQ(LocaleMoneyFormatter(QLocale::c())(18663, false), "$18,663");
}

TEST(BuildTextVariables, ClientSettingsAreReadFromTheirGroup) {
    TempDir dir;
    QSettings settings(QString::fromStdString(dir.File("host.ini")), QSettings::IniFormat);
    settings.setValue("Client/ShowRequirements", 1);
    settings.setValue("Client/RequirementsURL", "http://req.example/");
    settings.setValue("ShowTagsOnForms", 1);  // outside the group: not the host's setting
    const SettingReader read = ClientSettingReader(settings);
    EXPECT_EQ(read("ShowRequirements"), "1");
    EXPECT_EQ(read("RequirementsURL"), "http://req.example/");
    EXPECT_EQ(read("ShowTagsOnForms"), "");
    EXPECT_EQ(read("Missing"), "");
}

TEST(BuildTextVariables, TheModuleTableIsFilled) {
    ResetModuleState();
    BuildTextVariables();
    EXPECT_EQ(ExpandVariables("<@LastYear>-<@TaxYear>"), "2005-2006");
    EXPECT_FALSE(GetVariable("#RequirementsURL").empty());
    ResetModuleState();
}
}  // namespace

TEST(BuildTextVariables, LabelsTakeTheLocalesCurrencySymbolAndGrouping) {
    CurrencyFormat format;
    format.negative = NegativeCurrencyStyle::MinusBeforeSymbol;
    const CurrencyFormat german =
        LocaleCurrencyFormat(QLocale(QLocale::German, QLocale::Germany), format);
    EXPECT_EQ(german.thousandsSeparator, '.');
    EXPECT_EQ(german.negative, NegativeCurrencyStyle::MinusBeforeSymbol);
    const CurrencyFormat plain = LocaleCurrencyFormat(QLocale::c(), format);
    EXPECT_EQ(plain.symbol, "$");
    EXPECT_EQ(plain.thousandsSeparator, ',');
}
