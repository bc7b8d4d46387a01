#include "base/tax_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "base/text_variables.h"

namespace {
std::string FakeMoney(long double amount, bool withDecimals) {
    return (withDecimals ? "D" : "M") + std::to_string(static_cast<long long>(amount * 100));
}

class TaxCalendarTest : public ::testing::Test {
protected:
    void Build() {
        BuildTextVariableTable(table, FakeMoney, [this](const std::string& name) {
            const auto found = settings.find(name);
            return found == settings.end() ? std::string() : found->second;
        });
    }
    size_t PositionOf(const std::string& name) const {
        const auto& entries = table.Entries();
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const auto& entry) { return entry.first == name; });
        return static_cast<size_t>(found - entries.begin());
    }

    TVariableManager table;
    std::map<std::string, std::string> settings;
};

TEST_F(TaxCalendarTest, YearsAndDatesOfTheIncomeYear) {
    Build();
    EXPECT_EQ(table.ExpandVariables("<@TaxYear_YY>"), "06");
    EXPECT_EQ(table.ExpandVariables("<@LastYear>-<@TaxYear>"), "2005-2006");
    EXPECT_EQ(table.ExpandVariables("<@LastYear_YY> <@LastYear2> <@LastYear6> <@NextYear_YY> "
                                    "<@NextYear4>"),
              "05 2004 2000 07 2010");
    EXPECT_EQ(table.GetVariable("@StartTaxYear"), "01/07/2005");
    EXPECT_EQ(table.GetVariable("@EndTaxYear"), "30/06/2006");
    EXPECT_EQ(table.GetVariable("@StartTaxYear_Long"), "1 July 2005");
    EXPECT_EQ(table.GetVariable("@EndLastYear_Long"), "30 June 2005");
    EXPECT_EQ(table.GetVariable("@TaxYearDayCount"), "365");
    EXPECT_EQ(table.GetVariable("@LastYearDayCount"), "365");
    EXPECT_EQ(table.GetVariable("@DayAfterBabyBonusEligibilityEndDate_Short"), "1/7/2004");
    EXPECT_EQ(table.GetVariable("@DayAfterBabyBonusEligibilityEndDate_Long"), "1 July 2004");
    EXPECT_EQ(table.GetVariable("@BabyBonusEligibilityEndDate_Short"), "30/6/2004");
    EXPECT_EQ(table.GetVariable("@DependentChildAgeLimit:Ordinal"), "21st");
    EXPECT_EQ(table.GetVariable("@MaxPeriodOverseasToContinueReceivingPartAAndPartB"), "13 weeks");
    EXPECT_EQ(LongDateText(2004, 2, 29), "29 February 2004");
    EXPECT_EQ(TwoDigitYear(2000), "00");
}

TEST_F(TaxCalendarTest, MoneyRowsUseTheRegionalFormatter) {
    Build();
    EXPECT_EQ(table.GetVariable("@ThreshPETO"), "M1866300");
    EXPECT_EQ(table.GetVariable("@MaximumSNIForChild_Plus1"), "M178600");
    EXPECT_EQ(table.GetVariable("@DependentsAllowableWeeklySNI"), "D2892");
    EXPECT_EQ(table.GetVariable("@ETO_UpperThreshold"), "D7500000");
    EXPECT_EQ(table.GetVariable("@MaxTaxableIncomeToReceiveMaxSeniorOffsetForCodesDE"), "M1824700");
}

TEST_F(TaxCalendarTest, RowsComeInTableOrderWithTheInternalSettingsLast) {
    Build();
    const auto& entries = table.Entries();
    EXPECT_EQ(entries.front().first, "@TaxYear");
    EXPECT_EQ(PositionOf("@LastYear6"), PositionOf("@LastYear") + 6);
    EXPECT_EQ(PositionOf("@DateTaxPayable"), PositionOf("@HECSAndSFSSStatementIssueDate") + 1);
    EXPECT_EQ(PositionOf("@MaximumSNIForChild"),
              PositionOf("@MaximumChildHousekeeperSNIToReceiveARebateIfNotAnotherDependent") + 8);
    EXPECT_EQ(entries[entries.size() - 4].first, "@VI_TaxEditAdditionalInfo");
    EXPECT_EQ(entries.back().first, "#RequirementsURL");
    size_t variables = 0;
    for (const auto& entry : entries) variables += entry.first[0] == '@';
    EXPECT_EQ(variables, 78u);  // 70 named rows and the host's 8 further rows
}

TEST_F(TaxCalendarTest, InternalSettingsFromTheHost) {
    Build();
    EXPECT_EQ(table.GetVariable("#EnableRequirements"), "");
    EXPECT_EQ(table.GetVariable("#ShowTagsOnForms"), "");
    EXPECT_EQ(table.GetVariable("#RequirementsURL"), DefaultRequirementsURL);

    for (const char* on : {"1", " 1", "01"}) {
        settings = {{"ShowRequirements", on}, {"ShowTagsOnForms", on}};
        Build();
        EXPECT_EQ(table.GetVariable("#EnableRequirements"), "1") << on;
        EXPECT_EQ(table.GetVariable("#ShowTagsOnForms"), "1") << on;
    }
    for (const char* off : {"0", "2", "yes", "1.0", "1x"}) {
        settings = {{"ShowRequirements", off}, {"RequirementsURL", "http://host/req"}};
        Build();
        EXPECT_EQ(table.GetVariable("#EnableRequirements"), "") << off;
        EXPECT_EQ(table.GetVariable("#RequirementsURL"), "http://host/req");
    }
}
}  // namespace
