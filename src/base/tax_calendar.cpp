#include "base/tax_calendar.h"

#include <charconv>

#include "base/dates.h"
#include "base/module_state.h"
#include "base/text_encoding.h"
#include "base/text_variables.h"

namespace {
const char* const MonthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

std::string LongDate(const CivilDate& date) {
    return LongDateText(date.year, date.month, date.day);
}
std::string ShortDate(const CivilDate& date) {
    return ShortDateText(date.year, date.month, date.day);
}
CivilDate DayAfter(int year, int month, int day) {
    return DecodeDate(EncodeDate(year, month, day) + 1);
}

// "1" as text or as a number; anything else is off.
bool SettingIsOne(const std::string& text) {
    const std::string value = TrimmedText(text);
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    return error == std::errc() && end == value.data() + value.size() && number == 1;
}
}  // namespace

std::string LongDateText(int year, int month, int day) {
    return std::to_string(day) + " " + MonthNames[month - 1] + " " + std::to_string(year);
}

std::string ShortDateText(int year, int month, int day) {
    return std::to_string(day) + "/" + std::to_string(month) + "/" + std::to_string(year);
}

std::string TwoDigitYear(int year) {
    const std::string digits = std::to_string(year);
    return digits.substr(digits.size() - 2);
}

void BuildTextVariableTable(TVariableManager& table, const MoneyFormatter& money,
                            const SettingReader& setting) {
    const int Y = TaxYear;
    const auto set = [&table](const char* name, const std::string& value) {
        table.SetVariable(name, value);
    };
    const auto number = [](long long n) { return std::to_string(n); };
    const auto dollars = [&money](long double amount) { return money(amount, false); };
    const long startOfYear = EncodeDate(Y - 1, 7, 1);
    const long startOfLastYear = EncodeDate(Y - 2, 7, 1);

    set("@TaxYear", number(Y));
    set("@TaxYear_YY", TwoDigitYear(Y));
    set("@LastYear", number(Y - 1));
    set("@LastYear_YY", TwoDigitYear(Y - 1));
    for (int back = 2; back <= 6; ++back)
        set(("@LastYear" + number(back)).c_str(), number(Y - back));
    set("@StartTaxYear", FormatDate(startOfYear));
    set("@StartTaxYear_Long", "1 July " + number(Y - 1));
    set("@EndTaxYear", FormatDate(EncodeDate(Y, 6, 30)));
    set("@EndTaxYear_Long", "30 June " + number(Y));
    set("@TaxYearDayCount", number(EncodeDate(Y, 7, 1) - startOfYear));
    set("@LastYearDayCount", number(startOfYear - startOfLastYear));
    set("@StartLastYear_Long", "1 July " + number(Y - 2));
    set("@EndLastYear_Long", "30 June " + number(Y - 1));
    set("@NextYear", number(Y + 1));
    set("@NextYear_YY", TwoDigitYear(Y + 1));
    for (int ahead = 2; ahead <= 4; ++ahead)
        set(("@NextYear" + number(ahead)).c_str(), number(Y + ahead));

    set("@DateForBabyBonusInfoCorrect", "3 June 2006");
    set("@BabyBonusEligibilityStartDate", LongDateText(2001, 7, 1));
    set("@BabyBonusEligibilityStartDate_Short", ShortDateText(2001, 7, 1));
    set("@BabyBonusEligibilityEndDate", LongDateText(2004, 6, 30));
    set("@BabyBonusEligibilityEndDate_Short", ShortDateText(2004, 6, 30));
    set("@DayAfterBabyBonusEligibilityEndDate_Short", ShortDate(DayAfter(2004, 6, 30)));
    set("@DayAfterBabyBonusEligibilityEndDate_Long", LongDate(DayAfter(2004, 6, 30)));
    set("@RefundOfFrankingCreditsApplicationYearsStart", "2001");
    set("@RefundOfFrankingCreditsApplicationYearsEnd", "2005");
    set("@LatestTFNNotificationDate", "3 June 2006");
    set("@DateToWhichTaxOfficeRecordsWillBeUpToDate", "3 June 2006");
    set("@DateFromWhichResidencyIsRequiredForDependentChildFTBEligibility",
        LongDateText(2002, 7, 1));
    set("@DateLodgementDue", "31 October 2006");
    set("@LatestDateLodgementWillBeAccepted", "31 October 2006");
    set("@LatestLodgementDate", "13 December 2004");
    set("@HICCutOffDate", "31 October 2005");
    set("@FullTimeEducationRecentDiscontinuationDefinition", "1 March 2006");
    set("@HECSAndSFSSStatementIssueDate", "1 June 2006");
    set("@DateTaxPayable", "21 November 2006");
    set("@DateToWhichTaxOfficeRecordsIncludeHECSAndSFSS", "31 May 2006");

    set("@MaxTaxableIncomeToReceiveMaxPETOForCodesSQJ", dollars(18727));
    set("@MaxTaxableIncomeToReceiveMaxPETOForCodeI", dollars(17807));
    set("@MaxTaxableIncomeToReceiveMaxPETOForCodeP", dollars(15520));
    set("@MaxTaxableIncomeToReceiveMaxPETOForCodeLRK", dollars(17853));
    set("@MaxTaxableIncomeToReceiveMaxPETOForCodeA", dollars(16995));
    set("@MaxTaxableIncomeToReceiveMaxPETOForCodeM", dollars(14818));
    set("@ThresholdForLodgementFromAllowanceOrPayment", dollars(7567));
    set("@ThreshPETOForCodeSQJ", dollars(19583));
    set("@ThreshPETO", dollars(18663));
    set("@ThreshPETO2", dollars(16376));
    set("@MaximumChildHousekeeperSNIToReceiveARebateIfAnotherDependent", dollars(8001));
    set("@MaximumChildHousekeeperSNIToReceiveARebateIfNotAnotherDependent", dollars(6721));
    // Rows of the shared table that no text of this module uses.
    set("@SeniorOffsetAgeLimitMale", "65");
    set("@SeniorOffsetAgeLimitFemale", "63");
    set("@VeteranSeniorOffsetAgeLimitMale", "60");
    set("@VeteranSeniorOffsetAgeLimitFemale", "58");
    set("@MaxTaxableIncomeToReceiveMaxSeniorOffsetForCodeA", dollars(21968));
    set("@MaxTaxableIncomeToReceiveMaxSeniorOffsetForCodesBC", dollars(21167));
    set("@MaxTaxableIncomeToReceiveMaxSeniorOffsetForCodesDE", dollars(18247));
    set("@MaximumSNIForChild", dollars(1785));
    set("@MaximumSNIForChild_Plus1", dollars(1786));
    set("@SNICutoffForNoReduction", dollars(286));
    set("@SNIPortionNotIncludedInReduction", dollars(282));
    set("@DependentsAllowableWeeklySNI", money(28.92L, true));
    set("@EarliestDateForRecordingPeriodsOverseas", LongDateText(2002, 7, 1));
    set("@MaxDependantsATI", dollars(11232));
    set("@FamilyATIThreshhold", dollars(33361));
    set("@MaxPeriodOverseasToContinueReceivingPartAAndPartB", "13 weeks");
    set("@FTB_RTW_EarliestStartOfPaidWorkDate", LongDateText(Y - 1, 7, 1));
    set("@DependentChildAgeLimit", "21");
    set("@DependentChildAgeLimit:Ordinal", "21st");
    set("@DependentStudentAgeLimit", "25");
    set("@DependentStudentAgeLimit:Ordinal", "25th");
    set("@CCR_LimitPerChild", "4000");
    set("@ETO_UpperThreshold", money(75000, true));
    set("@VI_TaxEditAdditionalInfo", "Press F8 for additional information");

    set("#EnableRequirements", SettingIsOne(setting("ShowRequirements")) ? "1" : "");
    set("#ShowTagsOnForms", SettingIsOne(setting("ShowTagsOnForms")) ? "1" : "");
    const std::string url = setting("RequirementsURL");
    set("#RequirementsURL", url.empty() ? DefaultRequirementsURL : url);
}
