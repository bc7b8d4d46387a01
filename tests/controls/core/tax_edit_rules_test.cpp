#include "controls/core/tax_edit_rules.h"

#include <gtest/gtest.h>

#include "base/dates.h"
#include "base/module_state.h"
#include "controls/core/tax_edit_defaults.h"
#include "controls/core/valid_chars.h"
#include "store/field_store.h"

namespace {

// Settings as setting the numeric type leaves them.
TaxEditSettings SettingsFor(TNumericType type) {
    TaxEditSettings settings;
    settings.type = type;
    const FieldDefaults defaults = DefaultsFor(type);
    settings.decimals = defaults.decimals.value_or(0);
    settings.maxLength = defaults.maxLength.value_or(0);
    settings.allowed = defaults.allowed.value_or(CharSet());
    return settings;
}

// Types `keys` one by one at the end of an empty field, as the widget applies the decisions.
std::string Typed(const TaxEditSettings& settings, const std::string& keys,
                  int* refused = nullptr) {
    std::string text;
    for (char key : keys) {
        const KeyDecision decision = FilterKey(settings, text, text.size(), key);
        if (decision.action == KeyAction::Insert) text += decision.key;
        if (decision.action == KeyAction::PrependMinus) text = "-" + text;
        if (decision.action == KeyAction::Refuse && refused) ++*refused;
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

TEST(ValidChars, ItemsRangesCommasAndErrors) {
    EXPECT_EQ(ParseValidChars(" ,,,0..9,-,+").allowed, CharsOf(" ,0123456789-+"));
    EXPECT_EQ(ParseValidChars("A..C,x").allowed, CharsOf("ABCx"));
    EXPECT_EQ(ParseValidChars("a,,..0").allowed, CharsOf("a,-./0"));  // a range from the comma
    for (const char* bad : {"0..9,ab", "0...9", "0-9"}) {
        const ValidCharsResult result = ParseValidChars(bad);
        EXPECT_EQ(result.error, std::string("Bad ValidChars property ") + bad + " !");
        EXPECT_TRUE(result.allowed.none()) << bad;
    }
    std::string hundred;
    while (hundred.size() < 100) hundred += "a,";
    EXPECT_TRUE(ParseValidChars(hundred + "bad").error.empty());  // only 100 characters count
}

TEST(FieldDefaultsTest, TypeAndFormatTables) {
    const FieldDefaults currency = DefaultsFor(ntCurrency);
    EXPECT_EQ(currency.decimals, 0);
    EXPECT_EQ(currency.alignment, FieldAlignment::Right);
    EXPECT_FALSE(currency.maxLength.has_value());
    EXPECT_EQ(currency.allowed, CharsOf("-0123456789"));
    EXPECT_FALSE(DefaultsFor(ntPercentage).decimals.has_value());
    EXPECT_EQ(DefaultsFor(ntDate).maxLength, 10);
    EXPECT_FALSE(DefaultsFor(ntSpecial).allowed.has_value());
    const CharSet none = *DefaultsFor(ntNone).allowed;
    for (char c : std::string("Zz9,|{}`\"\\/ ?")) EXPECT_TRUE(Contains(none, c)) << c;
    for (char c : std::string("*+<>\xE9")) EXPECT_FALSE(Contains(none, c)) << c;
    EXPECT_FALSE(Contains(*DefaultsFor(atNameText).allowed, ','));
    EXPECT_TRUE(Contains(*DefaultsFor(atText).allowed, '*'));
    EXPECT_EQ(DefaultsFor(atQuestion).allowed, CharsOf("YN "));
    EXPECT_FALSE(DefaultsFor(atNone).allowed.has_value());
}

TEST(KeyFilter, AmountsTakeOneMinusInFrontAndOneSeparator) {
    const TaxEditSettings currency = SettingsFor(ntCurrency);
    int refused = 0;
    EXPECT_EQ(Typed(currency, "1a2", &refused), "12");
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(Typed(currency, "12-"), "-12");
    EXPECT_EQ(Typed(currency, "-1-2"), "-12");
    EXPECT_EQ(Typed(SettingsFor(ntCurrencyCnt), "1.2.3"), "1.23");
    EXPECT_EQ(Typed(SettingsFor(ntPercentage), "1.2.-3%"), "1.2.-3%");  // read on leave
    // The typed key replaces the selection: `text` comes without it.
    EXPECT_EQ(FilterKey(currency, "", 0, '-').action, KeyAction::Insert);
    EXPECT_EQ(FilterKey(currency, "12", 0, '\b').action, KeyAction::Default);
}

TEST(KeyFilter, LeavesRoomForTheSeparatorAndDecimals) {
    TaxEditSettings cents = SettingsFor(ntCurrencyCnt);
    cents.maxLength = 8;
    EXPECT_EQ(Typed(cents, "123456"), "12345");
    EXPECT_EQ(Typed(cents, "12345.67"), "12345.67");
    EXPECT_EQ(Typed(cents, "-12345"), "-1234");
    cents.maxLength = 0;  // no length limit: no room to keep
    EXPECT_EQ(Typed(cents, "123456789"), "123456789");
}

TEST(KeyFilter, AllowedSetsAndCapitalisedWords) {
    TaxEditSettings text = SettingsFor(ntNone);
    EXPECT_EQ(Typed(text, "a*b+"), "ab");
    text.capitaliseWords = true;
    EXPECT_EQ(Typed(text, "john o'neil smith"), "John O'neil Smith");
    EXPECT_EQ(FilterKey(text, "ab", 1, 'x').key, 'x');  // not at a word start
    text.allowed.reset();                               // no set: every key, still capitalised
    EXPECT_EQ(Typed(text, "*big \xE9t\xE9"), "*big \xC9t\xE9");
    TaxEditSettings special = SettingsFor(ntSpecial);
    EXPECT_EQ(Typed(special, "abc"), "abc");  // a field left without a set still takes keys
}

TEST(NumValueReading, ZerosSignsJunkAndStoredValues) {
    for (const char* zero : {"0", "0.00", "000.00", "0.000", "00", "-0"})
        EXPECT_EQ(ReadNumValue(zero).value, ZeroMarker) << zero;
    EXPECT_EQ(ReadNumValue("").value, 0);
    EXPECT_EQ(ReadNumValue("-").value, 0);
    EXPECT_EQ(ReadNumValue("12-").value, -12);
    EXPECT_EQ(ReadNumValue("1-2-").value, -12);
    EXPECT_EQ(ReadNumValue("12.50%").value, 12.5L);
    EXPECT_FALSE(ReadNumValue("1.2.3").valid);
    EXPECT_EQ(NumValueOf(SettingsFor(ntDec2), "1.5", 99), 1.5L);
    EXPECT_EQ(NumValueOf(SettingsFor(ntPhone), "15", 99), 99);
}

TEST(NumValueReading, AMisplacedMinusMovesToTheFrontOfTheText) {
    EXPECT_EQ(MinusMovedToFront("12-"), "-12");
    EXPECT_EQ(MinusMovedToFront("1-2.5%-"), "-12.5");
    EXPECT_EQ(MinusMovedToFront("-12"), "-12");
    EXPECT_EQ(MinusMovedToFront("12%"), "12%");  // nothing to move: kept as it is
}

// A whole-dollar field typed key by key through the cents filter, then the key filter.
std::string TypedDollars(const TaxEditSettings& settings, CentsFilter& cents,
                         const std::string& keys, int& refused) {
    std::string text;
    for (char key : keys) {
        if (cents.Refuses(settings, key)) {
            ++refused;
            continue;
        }
        text += Typed(settings, std::string(1, key), &refused);
    }
    return text;
}

TEST(WholeDollars, ADecimalPointEndsTheDollarsUntilTheCaretMoves) {
    TaxEditSettings dollars = SettingsFor(ntCurrency);
    dollars.allowed = ParseValidChars("0..9").allowed;
    CentsFilter cents;
    int refused = 0;
    EXPECT_EQ(TypedDollars(dollars, cents, "2500.75", refused), "2500");
    EXPECT_EQ(refused, 3);
    // A letter among the cents is refused on its own and does not end them.
    EXPECT_EQ(TypedDollars(dollars, cents, "x9", refused), "");
    cents.Reset();
    EXPECT_EQ(TypedDollars(dollars, cents, "9", refused), "9");

    // Fields with cents, and numbers that are not money, keep their decimals.
    for (TNumericType type : {ntCurrencyCnt, ntNumeric, ntPercentage, ntDec2}) {
        CentsFilter other;
        EXPECT_FALSE(other.Refuses(SettingsFor(type), '.')) << type;
        EXPECT_FALSE(other.Refuses(SettingsFor(type), '5')) << type;
    }
    EXPECT_TRUE(IsWholeDollarField(SettingsFor(ntCurrency)));
    EXPECT_FALSE(IsWholeDollarField(SettingsFor(ntCurrencyCnt)));
}

TEST(Display, AmountsByType) {
    const TaxEditSettings currency = SettingsFor(ntCurrency);
    EXPECT_EQ(Shown(currency, 1234.6L), "1235");
    EXPECT_EQ(Shown(currency, ZeroMarker), "0");
    EXPECT_EQ(Shown(currency, 0.0009L), "");
    EXPECT_EQ(Shown(currency, 1e20L), "100000000000000000000");  // never exponent form
    EXPECT_EQ(Shown(SettingsFor(ntCurrencyCnt), 1234.5L), "1234.50");
    EXPECT_EQ(Shown(SettingsFor(ntCurrencyCnt), ZeroMarker), "0.00");
    TaxEditSettings percent = SettingsFor(ntPercentage);
    EXPECT_EQ(Shown(percent, 12.5L), "12.50%");
    EXPECT_EQ(Shown(percent, ZeroMarker), "0%");
    percent.decimals = 1;
    EXPECT_EQ(Shown(percent, ZeroMarker), "0.0%");
    EXPECT_EQ(Shown(percent, 12.56L), "12.60%");
    TaxEditSettings numeric = SettingsFor(ntNumeric);
    numeric.maxLength = 6;
    numeric.decimals = 3;
    EXPECT_EQ(Shown(numeric, 123.4567L), "123.457");
    EXPECT_EQ(Shown(SettingsFor(ntDec2), 1.5L), "001.50");
}

TEST(Display, RoundingToDecimalsWithAndWithoutUseRounding) {
    TaxEditSettings cents = SettingsFor(ntCurrencyCnt);
    const FieldContent rounded = FormatDisplay(cents, {"", 2.346L, 0});
    EXPECT_EQ(rounded.text, "2.35");
    EXPECT_NEAR(static_cast<double>(rounded.value), 2.35, 1e-12);
    EXPECT_EQ(Shown(cents, 2.125L), "2.12");  // exact binary halves go to the even neighbour
    EXPECT_EQ(Shown(cents, 2.375L), "2.38");
    cents.useRounding = false;
    const FieldContent cut = FormatDisplay(cents, {"", 2.346L, 0});
    EXPECT_EQ(cut.text, "2.00");
    EXPECT_EQ(cut.value, 2);
    EXPECT_EQ(Shown(cents, -2.346L), "-2.00");  // negatives are cut the same way
    EXPECT_EQ(FormatDisplay(cents, {"", ZeroMarker, 0}).value, ZeroMarker);
}

TEST(Display, DatesAndIdentifiers) {
    const TaxEditSettings date = SettingsFor(ntDate);
    EXPECT_EQ(FormatDisplay(date, {"x", 0, double(EncodeDate(2005, 7, 1))}).text, "01/07/2005");
    EXPECT_EQ(FormatDisplay(date, {"x", 0, NoDate}).text, "");
    EXPECT_EQ(FormatDisplay(date, {"x", 0, 0}).text, "");  // a new field has no date
    EXPECT_EQ(FormatDisplay(SettingsFor(ntACN), {"12345 5", 0, 0}).text, "000 123 455");
    EXPECT_EQ(FormatDisplay(SettingsFor(ntPhone), {"02 9999", 5, 0}).text, "02 9999");
}

TEST(Validation, MandatoryRangeNumberAndCharacters) {
    TaxEditSettings amount = SettingsFor(ntCurrency);
    EXPECT_EQ(ValidateValue(amount, "   ", 0), "");
    amount.mandatory = true;
    EXPECT_EQ(ValidateValue(amount, "   ", 0), "This field is mandatory and MUST be completed");
    amount.validate = true;
    amount.maxVal = 100;
    EXPECT_EQ(ValidateValue(amount, "150", 0), "Value must be between 0 and 100");
    EXPECT_EQ(ValidateValue(amount, "100", 0), "");
    amount.minVal = 1;
    EXPECT_EQ(ValidateValue(amount, "0", 0), "");  // an entered zero is never out of range
    amount.minVal = 0.5L;
    amount.maxVal = 1e20L;
    EXPECT_EQ(ValidateValue(amount, "0.4", 0), "Value must be between 0.5 and 1E+20");
    EXPECT_EQ(ValidateValue(SettingsFor(ntCurrencyCnt), "1.2.3", 0), "Invalid number");
    EXPECT_EQ(ValidateValue(SettingsFor(ntCurrencyCnt), "1a", 0),
              "Result contains invalid characters");
    TaxEditSettings percent = SettingsFor(ntPercentage);
    percent.allowed = Digits();
    EXPECT_EQ(ValidateValue(percent, "12%", 0), "");  // "%" always allowed here
}

TEST(Leaving, AmountsAreReadAndReformatted) {
    const LeaveOutcome negative = Leave(SettingsFor(ntCurrency), "12-");
    EXPECT_TRUE(negative.accepted);
    EXPECT_EQ(negative.content.text, "-12");
    EXPECT_EQ(negative.content.value, -12);
    EXPECT_EQ(Leave(SettingsFor(ntPercentage), "12.5").content.text, "12.50%");
    TaxEditSettings ranged = SettingsFor(ntCurrency);
    ranged.validate = true;
    const LeaveOutcome refused = Leave(ranged, "150");
    EXPECT_FALSE(refused.accepted);
    EXPECT_FALSE(refused.beep);
    EXPECT_EQ(refused.content.text, "150");  // what was typed stays
}

TEST(Leaving, TextsCodesIdentifiersAndMandatory) {
    const LeaveOutcome badText = Leave(SettingsFor(ntNone), "50% * 2");
    EXPECT_FALSE(badText.accepted);
    EXPECT_TRUE(badText.beep);
    EXPECT_EQ(badText.message, "Result contains invalid characters");
    EXPECT_FALSE(Leave(SettingsFor(ntPCode), "20a0").accepted);
    EXPECT_TRUE(Leave(SettingsFor(ntSpecial), "anything * at all").accepted);
    const LeaveOutcome shortTfn = Leave(SettingsFor(ntTFN), "123456");
    EXPECT_FALSE(shortTfn.accepted);
    EXPECT_TRUE(shortTfn.beep);
    EXPECT_EQ(shortTfn.message, "Invalid Tax File Number (TFN)");
    EXPECT_TRUE(Leave(SettingsFor(ntTFN), "  ").accepted);
    EXPECT_TRUE(Leave(SettingsFor(ntABN), "123456789").accepted);
    EXPECT_EQ(Leave(SettingsFor(ntMedicare), "2123456701").content.text, "2123 45670 1");
    for (TNumericType type : {ntNone, ntSpecial, ntPCode, ntTFN, ntDec2}) {
        TaxEditSettings settings = SettingsFor(type);
        settings.mandatory = true;
        EXPECT_EQ(Leave(settings, " ").message, MandatoryMessage) << type;
    }
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
    EXPECT_EQ(Leave(date, " 1/7/05 ").content.text, "01/07/2005");
    State().CurrentYearOverride = 2006;
    EXPECT_EQ(Leave(date, "01/07/17").content.text, "01/07/1917");
}

TEST_F(LeavingDates, ImpossibleDatesAreRefusedAndEmptyOnesStoreNoDate) {
    for (const char* bad : {"31/02/2004", "310204", "0107991", "01/07", "2005"}) {
        const LeaveOutcome outcome = Leave(date, bad);
        EXPECT_FALSE(outcome.accepted) << bad;
        EXPECT_TRUE(outcome.beep);
        EXPECT_EQ(outcome.message, "The date must be in dd/mm/yyyy format !");
        EXPECT_EQ(outcome.content.text, bad);
    }
    for (const char* blank : {"", "  /  /    "}) {
        const LeaveOutcome outcome = LeaveField(date, {blank, 0, double(EncodeDate(2005, 7, 1))});
        EXPECT_TRUE(outcome.accepted) << blank;
        EXPECT_EQ(outcome.content.dateValue, NoDate);
        EXPECT_EQ(outcome.content.text, "");
    }
    date.mandatory = true;
    EXPECT_EQ(Leave(date, "").message, MandatoryMessage);
}

TEST(EditingAndSettingText, StripParseAndKeep) {
    EXPECT_EQ(StripForEditing(ntPercentage, "12.50%"), "12.50");
    EXPECT_EQ(StripForEditing(ntTFN, "123 456 782"), "123456782");
    EXPECT_EQ(StripForEditing(ntMedicare, "2123 45670 1"), "2123 45670 1");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntCurrency), {}, "1234.6").text, "1235");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntPercentage), {}, "1.2.3").text, "1.2.3");
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntDec2), {}, "1.5").text, "1.5");  // not parsed
    const FieldContent date = ApplyTextValue(SettingsFor(ntDate), {}, "01/07/2005");
    EXPECT_EQ(date.text, "01/07/2005");
    EXPECT_EQ(date.dateValue, EncodeDate(2005, 7, 1));
    EXPECT_EQ(ApplyTextValue(SettingsFor(ntDate), {}, "").dateValue, NoDate);
}
