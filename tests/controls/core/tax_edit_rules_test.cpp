#include "controls/core/tax_edit_rules.h"

#include <gtest/gtest.h>

#include "controls/core/dates.h"
#include "controls/core/tax_edit_defaults.h"
#include "controls/core/valid_chars.h"
#include "module/core/module_state.h"
#include "store/field_store.h"

namespace {

// Settings as setting the numeric type leaves them.
TaxEditSettings SettingsFor(TNumericType type, int maxLength = 0) {
    TaxEditSettings settings;
    settings.type = type;
    const FieldDefaults defaults = DefaultsFor(type);
    settings.decimals = defaults.decimals.value_or(0);
    settings.maxLength = defaults.maxLength.value_or(maxLength);
    settings.allowed = defaults.allowed.value_or(CharSet());
    return settings;
}

// Types `keys` one by one into an empty field the way the widget applies the decisions.
std::string Typed(const TaxEditSettings& settings, const std::string& keys,
                  int* refused = nullptr) {
    std::string text;
    for (char key : keys) {
        const KeyDecision decision = FilterKey(settings, text, text.size(), key);
        switch (decision.action) {
            case KeyAction::Insert:
            case KeyAction::Default:
                text += decision.key;
                break;
            case KeyAction::PrependMinus:
                text = "-" + text;
                break;
            case KeyAction::Refuse:
                if (refused) ++*refused;
                break;
        }
    }
    return text;
}

std::string Shown(const TaxEditSettings& settings, long double value) {
    return FormatDisplay(settings, {"", value, 0}).text;
}

LeaveOutcome Leave(const TaxEditSettings& settings, const std::string& text) {
    return LeaveField(settings, {text, 0, 0});
}

}  // namespace

TEST(ValidChars, ItemsRangesAndTheCommaItem) {
    const ValidCharsResult digitsAndSigns = ParseValidChars(" ,,,0..9,-,+");
    EXPECT_TRUE(digitsAndSigns.error.empty());
    EXPECT_EQ(digitsAndSigns.allowed, CharsOf(" ,0123456789-+"));

    EXPECT_EQ(ParseValidChars("A..C,x").allowed, CharsOf("ABCx"));
    EXPECT_EQ(ParseValidChars(",..0").allowed, CharsOf(",-./0"));  // a range from the comma
    EXPECT_EQ(ParseValidChars("a,,..0").allowed, CharsOf("a,-./0"));
    EXPECT_EQ(ParseValidChars("a,,").allowed, CharsOf("a,"));
    EXPECT_TRUE(ParseValidChars("").allowed.none());
}

TEST(ValidChars, AnyOtherItemIsAnErrorAndLeavesNothingAllowed) {
    for (const char* bad : {"0..9,ab", "0...9", "A.Z", "0-9"}) {
        const ValidCharsResult result = ParseValidChars(bad);
        EXPECT_EQ(result.error, std::string("Bad ValidChars property ") + bad + " !");
        EXPECT_TRUE(result.allowed.none()) << bad;
    }
}

TEST(ValidChars, OnlyTheFirst100CharactersCount) {
    std::string text;
    while (text.size() < 100) text += "a,";
    EXPECT_EQ(text.size(), 100u);
    EXPECT_TRUE(ParseValidChars(text + "bad").error.empty());
    EXPECT_EQ(ParseValidChars(text + "b").allowed, CharsOf("a"));
}

TEST(FieldDefaultsTest, TypeAndFormatTables) {
    const FieldDefaults currency = DefaultsFor(ntCurrency);
    EXPECT_EQ(currency.decimals, 0);
    EXPECT_EQ(currency.alignment, FieldAlignment::Right);
    EXPECT_FALSE(currency.maxLength.has_value());
    EXPECT_EQ(currency.allowed, CharsOf("-0123456789"));

    EXPECT_FALSE(DefaultsFor(ntPercentage).decimals.has_value());
    EXPECT_EQ(DefaultsFor(ntDate).maxLength, 10);
    EXPECT_EQ(DefaultsFor(ntDec2).maxLength, 6);
    EXPECT_EQ(DefaultsFor(ntMedicare).allowed, CharsOf("0123456789 "));
    EXPECT_FALSE(DefaultsFor(ntSpecial).allowed.has_value());
    EXPECT_FALSE(DefaultsFor(ntSpecial).alignment.has_value());

    const CharSet none = *DefaultsFor(ntNone).allowed;
    for (char c : std::string("Zz9,|{}`\"\\/ ?")) EXPECT_TRUE(Contains(none, c)) << c;
    for (char c : std::string("*+^~<>\xE9")) EXPECT_FALSE(Contains(none, c)) << c;

    const CharSet name = *DefaultsFor(atNameText).allowed;
    EXPECT_FALSE(Contains(name, ','));
    EXPECT_FALSE(Contains(name, '|'));
    const CharSet text = *DefaultsFor(atText).allowed;
    EXPECT_TRUE(Contains(text, '*'));
    EXPECT_TRUE(Contains(text, ','));
    EXPECT_FALSE(Contains(text, '#'));

    EXPECT_EQ(DefaultsFor(atQuestion).maxLength, 1);
    EXPECT_EQ(DefaultsFor(atQuestion).allowed, CharsOf("YN "));
    EXPECT_EQ(DefaultsFor(atDollarCents).decimals, 2);
    EXPECT_FALSE(DefaultsFor(atNone).decimals.has_value());
    EXPECT_FALSE(DefaultsFor(atNone).allowed.has_value());
}

TEST(KeyFilter, AmountsTakeOneMinusInFrontAndOneSeparator) {
    const TaxEditSettings currency = SettingsFor(ntCurrency);
    int refused = 0;
    EXPECT_EQ(Typed(currency, "1a2", &refused), "12");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(Typed(currency, "12-"), "-12");
    refused = 0;
    EXPECT_EQ(Typed(currency, "-1-2", &refused), "-12");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(Typed(currency, "1.5"), "15");  // no separator in whole dollars

    const TaxEditSettings cents = SettingsFor(ntCurrencyCnt);
    refused = 0;
    EXPECT_EQ(Typed(cents, "1.2.3", &refused), "1.23");
    EXPECT_EQ(refused, 1);

    // Percentages are not limited while typing; the leave reads them.
    EXPECT_EQ(Typed(SettingsFor(ntPercentage), "1.2.-3%"), "1.2.-3%");
}

TEST(KeyFilter, LeavesRoomForTheSeparatorAndDecimals) {
    TaxEditSettings cents = SettingsFor(ntCurrencyCnt);
    cents.maxLength = 8;
    int refused = 0;
    EXPECT_EQ(Typed(cents, "123456", &refused), "12345");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(Typed(cents, "12345.67"), "12345.67");
    EXPECT_EQ(Typed(cents, "-12345"), "-1234");
    cents.maxLength = 0;  // no length limit: no room to keep
    EXPECT_EQ(Typed(cents, "123456789"), "123456789");
    TaxEditSettings numeric = SettingsFor(ntNumeric);
    numeric.maxLength = 4;
    EXPECT_EQ(Typed(numeric, "123456"), "123456");  // no decimals: the control's length rules
}

TEST(KeyFilter, SelectionAndInsertionPointAreRespected) {
    const TaxEditSettings currency = SettingsFor(ntCurrency);
    // The field's text with the selection already removed: a selected "-" may be retyped.
    EXPECT_EQ(FilterKey(currency, "", 0, '-').action, KeyAction::Insert);
    EXPECT_EQ(FilterKey(currency, "12", 2, '-').action, KeyAction::PrependMinus);
    EXPECT_EQ(FilterKey(currency, "-12", 3, '-').action, KeyAction::Refuse);
    EXPECT_EQ(FilterKey(currency, "12", 0, '\b').action, KeyAction::Default);
    EXPECT_EQ(FilterKey(currency, "12", 0, '\x7f').action, KeyAction::Default);
}

TEST(KeyFilter, AllowedSetsAndCapitalisedWords) {
    TaxEditSettings text = SettingsFor(ntNone);
    int refused = 0;
    EXPECT_EQ(Typed(text, "a*b+", &refused), "ab");
    EXPECT_EQ(refused, 2);
    text.capitaliseWords = true;
    EXPECT_EQ(Typed(text, "john o'neil smith"), "John O'neil Smith");
    EXPECT_EQ(FilterKey(text, "ab", 1, 'x').key, 'x');  // not at a word start
    EXPECT_EQ(FilterKey(text, "a ", 2, '\xE9').action, KeyAction::Refuse);

    text.allowed.reset();  // no set: every key, still capitalised
    EXPECT_EQ(Typed(text, "*big \xE9t\xE9"), "*big \xC9t\xE9");

    TaxEditSettings special = SettingsFor(ntSpecial);
    special.allowed = ParseValidChars(" ,,,0..9,-,+").allowed;
    EXPECT_EQ(Typed(special, "1-4, 7+x"), "1-4, 7+");
    special.allowed.reset();  // a field left without a set still takes keys
    EXPECT_EQ(Typed(special, "abc"), "abc");
}

TEST(NumValueReading, ZerosSignsAndJunk) {
    for (const char* zero : {"0", "0.00", "000.00", "0.000", "00", "-0", "0."})
        EXPECT_EQ(ReadNumValue(zero).value, ZeroMarker) << zero;
    EXPECT_EQ(ReadNumValue("").value, 0);
    EXPECT_EQ(ReadNumValue("-").value, 0);
    EXPECT_EQ(ReadNumValue("12-").value, -12);
    EXPECT_EQ(ReadNumValue("1-2-").value, -12);
    EXPECT_EQ(ReadNumValue("--12").value, -12);
    EXPECT_EQ(ReadNumValue("12.50%").value, 12.5L);
    EXPECT_EQ(ReadNumValue("$1,234").value, 1234);
    EXPECT_EQ(ReadNumValue("-0.5").value, -0.5L);
    EXPECT_FALSE(ReadNumValue("1.2.3").valid);
    EXPECT_FALSE(ReadNumValue(".").valid);
    EXPECT_EQ(ReadNumValue(".").value, 0);
}

TEST(NumValueReading, StoredValueForTypesThatDoNotReadTheText) {
    EXPECT_EQ(NumValueOf(SettingsFor(ntCurrency), "15", 99), 15);
    EXPECT_EQ(NumValueOf(SettingsFor(ntDec2), "1.5", 99), 1.5L);
    EXPECT_EQ(NumValueOf(SettingsFor(ntPhone), "15", 99), 99);
    EXPECT_EQ(NumValueOf(SettingsFor(ntDate), "01/07/2005", 99), 99);
}

TEST(Display, AmountsByType) {
    EXPECT_EQ(Shown(SettingsFor(ntCurrency), 1234.6L), "1235");
    EXPECT_EQ(Shown(SettingsFor(ntCurrency), -12), "-12");
    EXPECT_EQ(Shown(SettingsFor(ntCurrency), ZeroMarker), "0");
    EXPECT_EQ(Shown(SettingsFor(ntCurrency), 0), "");
    EXPECT_EQ(Shown(SettingsFor(ntCurrency), 0.0009L), "");
    EXPECT_EQ(Shown(SettingsFor(ntCurrency), 1e20L), "100000000000000000000");
    EXPECT_EQ(Shown(SettingsFor(ntCurrencyCnt), 1234.5L), "1234.50");
    EXPECT_EQ(Shown(SettingsFor(ntCurrencyCnt), ZeroMarker), "0.00");

    TaxEditSettings percent = SettingsFor(ntPercentage);
    EXPECT_EQ(Shown(percent, 12.5L), "12.50%");
    EXPECT_EQ(Shown(percent, ZeroMarker), "0%");
    percent.decimals = 2;
    EXPECT_EQ(Shown(percent, ZeroMarker), "0.00%");
    percent.decimals = 1;
    EXPECT_EQ(Shown(percent, 12.56L), "12.60%");

    TaxEditSettings numeric = SettingsFor(ntNumeric, 6);
    EXPECT_EQ(Shown(numeric, 42), "42");
    numeric.decimals = 3;
    EXPECT_EQ(Shown(numeric, 1.5L), "1.500");
    EXPECT_EQ(Shown(numeric, 123.4567L), "123.457");
    numeric.decimals = 0;
    EXPECT_EQ(Shown(numeric, 12345678), "12345678");  // wider than the field, still readable

    TaxEditSettings dec2 = SettingsFor(ntDec2);
    EXPECT_EQ(Shown(dec2, 1.5L), "001.50");
    EXPECT_EQ(Shown(dec2, 123.456L), "123.46");
}

TEST(Display, RoundingToDecimalsWithAndWithoutUseRounding) {
    TaxEditSettings cents = SettingsFor(ntCurrencyCnt);
    FieldContent rounded = FormatDisplay(cents, {"", 2.346L, 0});
    EXPECT_EQ(rounded.text, "2.35");
    EXPECT_NEAR(static_cast<double>(rounded.value), 2.35, 1e-12);
    // Exact binary halves go to the even neighbour.
    EXPECT_EQ(Shown(cents, 2.125L), "2.12");
    EXPECT_EQ(Shown(cents, 2.375L), "2.38");
    EXPECT_EQ(FormatDisplay(cents, {"", 0.004L, 0}).value, 0.004L);  // near zero: kept

    cents.useRounding = false;
    FieldContent cut = FormatDisplay(cents, {"", 2.346L, 0});
    EXPECT_EQ(cut.text, "2.00");
    EXPECT_EQ(cut.value, 2);
    EXPECT_EQ(Shown(cents, -2.346L), "-2.00");  // negatives are cut the same way
    EXPECT_EQ(FormatDisplay(cents, {"", ZeroMarker, 0}).value, ZeroMarker);
}

TEST(Display, DatesIdentifiersAndPlainTexts) {
    const TaxEditSettings date = SettingsFor(ntDate);
    EXPECT_EQ(FormatDisplay(date, {"x", 0, double(EncodeDate(2005, 7, 1))}).text, "01/07/2005");
    EXPECT_EQ(FormatDisplay(date, {"x", 0, NoDate}).text, "");
    EXPECT_EQ(FormatDisplay(date, {"x", 0, 0}).text, "");  // never had a date
    EXPECT_EQ(FormatDisplay(SettingsFor(ntTFN), {"123456782", 0, 0}).text, "123 456 782");
    EXPECT_EQ(FormatDisplay(SettingsFor(ntACN), {"12345 5", 0, 0}).text, "000 123 455");
    EXPECT_EQ(FormatDisplay(SettingsFor(ntNone), {" as typed ", 5, 0}).text, " as typed ");
    EXPECT_EQ(FormatDisplay(SettingsFor(ntPhone), {"0299998888", 5, 0}).text, "0299998888");
}

TEST(Validation, MandatoryRangeNumberAndCharacters) {
    TaxEditSettings amount = SettingsFor(ntCurrency);
    EXPECT_EQ(ValidateValue(amount, "   ", 0), "");
    amount.mandatory = true;
    EXPECT_EQ(ValidateValue(amount, "   ", 0), "This field is mandatory and MUST be completed");

    amount.validate = true;
    amount.minVal = 0;
    amount.maxVal = 100;
    EXPECT_EQ(ValidateValue(amount, "150", 0), "Value must be between 0 and 100");
    EXPECT_EQ(ValidateValue(amount, "-1", 0), "Value must be between 0 and 100");
    EXPECT_EQ(ValidateValue(amount, "100", 0), "");
    amount.minVal = 1;
    EXPECT_EQ(ValidateValue(amount, "0", 0), "");  // an entered zero is never out of range
    amount.minVal = 0.5L;
    amount.maxVal = 1e20L;
    EXPECT_EQ(ValidateValue(amount, "0.4", 0), "Value must be between 0.5 and 1E+20");

    TaxEditSettings cents = SettingsFor(ntCurrencyCnt);
    EXPECT_EQ(ValidateValue(cents, "1.2.3", 0), "Invalid number");
    EXPECT_EQ(ValidateValue(cents, "1a", 0), "Result contains invalid characters");
    TaxEditSettings percent = SettingsFor(ntPercentage);
    percent.allowed = Digits();
    EXPECT_EQ(ValidateValue(percent, "12%", 0), "");  // "%" always allowed here
    EXPECT_EQ(ValidateValue(percent, "12.5", 0), "Result contains invalid characters");
}

TEST(Leaving, AmountsAreReadAndReformatted) {
    const LeaveOutcome negative = Leave(SettingsFor(ntCurrency), "12-");
    EXPECT_TRUE(negative.accepted);
    EXPECT_EQ(negative.content.text, "-12");
    EXPECT_EQ(negative.content.value, -12);

    const LeaveOutcome zero = Leave(SettingsFor(ntCurrency), "0");
    EXPECT_EQ(zero.content.text, "0");
    EXPECT_EQ(zero.content.value, ZeroMarker);

    const LeaveOutcome percent = Leave(SettingsFor(ntPercentage), "12.5");
    EXPECT_EQ(percent.content.text, "12.50%");

    TaxEditSettings ranged = SettingsFor(ntCurrency);
    ranged.validate = true;
    ranged.maxVal = 100;
    const LeaveOutcome refused = Leave(ranged, "150");
    EXPECT_FALSE(refused.accepted);
    EXPECT_FALSE(refused.beep);
    EXPECT_EQ(refused.message, "Value must be between 0 and 100");
    EXPECT_EQ(refused.content.text, "150");  // what was typed stays
}

class LeavingDates : public ::testing::Test {
protected:
    void SetUp() override { State().CurrentYearOverride = 2026; }
    void TearDown() override { State().CurrentYearOverride = 0; }
    TaxEditSettings date = SettingsFor(ntDate);
};

TEST_F(LeavingDates, SixAndEightDigitFormsAndTheTwoDigitYearWindow) {
    const LeaveOutcome shortForm = Leave(date, "010799");
    EXPECT_TRUE(shortForm.accepted);
    EXPECT_EQ(shortForm.content.text, "01/07/1999");
    EXPECT_EQ(shortForm.content.dateValue, EncodeDate(1999, 7, 1));
    EXPECT_EQ(Leave(date, "01072005").content.text, "01/07/2005");
    EXPECT_EQ(Leave(date, "1/7/05").content.text, "01/07/2005");
    EXPECT_EQ(Leave(date, " 30/06/2006 ").content.text, "30/06/2006");
    State().CurrentYearOverride = 2006;
    EXPECT_EQ(Leave(date, "01/07/17").content.text, "01/07/1917");
}

TEST_F(LeavingDates, ImpossibleDatesAreRefusedWithTheFormatMessage) {
    for (const char* bad : {"31/02/2004", "310204", "0107991", "01/07", "1//2005", "2005"}) {
        const LeaveOutcome outcome = Leave(date, bad);
        EXPECT_FALSE(outcome.accepted) << bad;
        EXPECT_TRUE(outcome.beep);
        EXPECT_EQ(outcome.message, "The date must be in dd/mm/yyyy format !");
        EXPECT_EQ(outcome.content.text, bad);
    }
}

TEST_F(LeavingDates, EmptyDatesStoreNoDate) {
    for (const char* blank : {"", "   ", "  /  /    "}) {
        const LeaveOutcome outcome = LeaveField(date, {blank, 0, double(EncodeDate(2005, 7, 1))});
        EXPECT_TRUE(outcome.accepted) << blank;
        EXPECT_EQ(outcome.content.dateValue, NoDate);
        EXPECT_EQ(outcome.content.text, "");
    }
    date.mandatory = true;
    const LeaveOutcome mandatory = Leave(date, "");
    EXPECT_FALSE(mandatory.accepted);
    EXPECT_EQ(mandatory.message, "This field is mandatory and MUST be completed");
    EXPECT_EQ(mandatory.content.dateValue, NoDate);
}

TEST(Leaving, TextsCodesAndIdentifiers) {
    const LeaveOutcome badText = Leave(SettingsFor(ntNone), "50% * 2");
    EXPECT_FALSE(badText.accepted);
    EXPECT_TRUE(badText.beep);
    EXPECT_EQ(badText.message, "Result contains invalid characters");
    EXPECT_TRUE(Leave(SettingsFor(ntNone), "  Shares in X & Y  ").accepted);
    EXPECT_FALSE(Leave(SettingsFor(ntPCode), "20a0").accepted);
    EXPECT_TRUE(Leave(SettingsFor(ntSpecial), "anything * at all").accepted);

    const LeaveOutcome shortTfn = Leave(SettingsFor(ntTFN), "123456");
    EXPECT_FALSE(shortTfn.accepted);
    EXPECT_TRUE(shortTfn.beep);
    EXPECT_EQ(shortTfn.message, "Invalid Tax File Number (TFN)");
    EXPECT_TRUE(Leave(SettingsFor(ntTFN), "  ").accepted);
    const LeaveOutcome tfn = Leave(SettingsFor(ntTFN), "123456782");
    EXPECT_TRUE(tfn.accepted);
    EXPECT_EQ(tfn.content.text, "123 456 782");
    EXPECT_TRUE(Leave(SettingsFor(ntABN), "123456789").accepted);
    EXPECT_EQ(Leave(SettingsFor(ntMedicare), "2123456701").content.text, "2123 45670 1");
    EXPECT_EQ(Leave(SettingsFor(ntACN), "512087349").message, "Invalid ACN/ARBN");
}

TEST(Leaving, MandatoryHoldsForEveryType) {
    for (TNumericType type : {ntNone, ntSpecial, ntPCode, ntPhone, ntTFN, ntMedicare, ntDec2}) {
        TaxEditSettings settings = SettingsFor(type);
        EXPECT_TRUE(Leave(settings, " ").accepted) << type;
        settings.mandatory = true;
        const LeaveOutcome outcome = Leave(settings, " ");
        EXPECT_FALSE(outcome.accepted) << type;
        EXPECT_EQ(outcome.message, "This field is mandatory and MUST be completed");
    }
}

TEST(Stripping, FormattingDisappearsWhileEditing) {
    EXPECT_EQ(StripForEditing(ntPercentage, "12.50%"), "12.50");
    EXPECT_EQ(StripForEditing(ntCurrency, "-1 234"), "-1234");
    EXPECT_EQ(StripForEditing(ntTFN, "123 456 782"), "123456782");
    EXPECT_EQ(StripForEditing(ntEGN, "123 456 77"), "12345677");
    EXPECT_EQ(StripForEditing(ntMedicare, "2123 45670 1"), "2123 45670 1");
    EXPECT_EQ(StripForEditing(ntDate, "01/07/2005"), "01/07/2005");
    EXPECT_EQ(StripForEditing(ntNumeric, "1 000"), "1 000");
}

TEST(SettingText, AmountsParseDatesReadAndOddTextsStay) {
    const FieldContent amount = ApplyTextValue(SettingsFor(ntCurrency), {}, "1234.6");
    EXPECT_EQ(amount.text, "1235");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntCurrency), {}, "0").text, "0");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntPercentage), {}, "12.5%").text, "12.50%");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntPercentage), {}, "1.2.3").text, "1.2.3");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntDec2), {}, "1.5").text, "1.5");  // not parsed

    const FieldContent date = ApplyTextValue(SettingsFor(ntDate), {}, "01/07/2005");
    EXPECT_EQ(date.text, "01/07/2005");
    EXPECT_EQ(date.dateValue, EncodeDate(2005, 7, 1));
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntDate), {}, "").dateValue, NoDate);
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntNone), {}, "text").text, "text");
}
