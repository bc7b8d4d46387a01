#include "store/field_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "scripted_responder.h"
#include "store_fixture.h"

using FieldStoreTest = StoreTest;

TEST_F(FieldStoreTest, FirstUseTypesTheField) {
    SetFieldVal(100, 5);
    SetFieldStr(101, "abc");
    SetFieldChecked(102);
    SetFieldUnchecked(103);
    SetFieldLst(104, {"a"});
    EXPECT_EQ(GetFieldType(100), dtCurrency);
    EXPECT_EQ(GetFieldType(101), dtSmallStr);
    EXPECT_EQ(GetFieldType(102), dtCheckbox);
    EXPECT_EQ(GetFieldType(103), dtCheckbox);
    EXPECT_EQ(GetFieldType(104), dtList);
    // Reads never type a field.
    GetFieldVal(105);
    GetFieldStr(106);
    FieldChecked(107);
    EXPECT_EQ(GetFieldType(105), dtNone);
    EXPECT_EQ(GetFieldType(106), dtNone);
    EXPECT_EQ(GetFieldType(107), dtNone);
}

TEST_F(FieldStoreTest, SetFieldValKeepsNumericAndCentsTypes) {
    SetFieldType(200, dtNumeric);
    SetFieldVal(200, 3);
    SetFieldType(201, dtCurrencyCnt);
    SetFieldVal(201, 12.5L);
    EXPECT_EQ(GetFieldType(200), dtNumeric);
    EXPECT_EQ(GetFieldType(201), dtCurrencyCnt);
    EXPECT_EQ(GetFieldVal(201), 12.5L);
}

TEST_F(FieldStoreTest, WrongTypeDoesNothingAndReportsOnlyInHelpdeskMode) {
    ScriptedResponder responder;
    SetFieldChecked(300);
    SetFieldVal(300, 7);
    EXPECT_EQ(responder.Count(), 0u);
    EXPECT_TRUE(FieldChecked(300));

    State().HelpdeskMode = true;
    State().CurrentWorksheet = 451;
    SetFieldVal(300, 7);
    ASSERT_EQ(responder.Count(), 1u);
    EXPECT_EQ(responder.LastText(),
              "DEBUG: bad field tag 300  DataType = dtCheckbox  Contents = X  "
              "Worksheet = 451 - not defined  SetFieldVal");
    EXPECT_EQ(responder.Requests().back().icon, MessageIcon::Stop);
    EXPECT_EQ(GetFieldType(300), dtCheckbox);

    SetFieldStr(301, "text");
    EXPECT_EQ(GetFieldVal(301), 0);
    EXPECT_FALSE(FieldChecked(301));
    EXPECT_FALSE(FieldNotChecked(301));
    EXPECT_EQ(GetFieldLst(301), nullptr);
    ASSERT_EQ(responder.Count(), 5u);
    const char* operations[] = {"GetFieldVal", "FieldChecked", "FieldNotChecked", "GetFieldLst"};
    for (int i = 0; i < 4; ++i) {
        const std::string& text = responder.Requests()[i + 1].text;
        EXPECT_EQ(text.substr(text.size() - std::string(operations[i]).size()), operations[i]);
    }
}

TEST_F(FieldStoreTest, StoreChangedOnlyWhenAValueReallyChanges) {
    SetFieldVal(10, 5);
    EXPECT_TRUE(State().StoreChanged);
    State().StoreChanged = false;
    SetFieldVal(10, 5);
    SetFieldStr(11, "");
    EXPECT_FALSE(State().StoreChanged);
    SetFieldStr(11, "x");
    EXPECT_TRUE(State().StoreChanged);
    State().StoreChanged = false;
    SetFieldLst(12, {"line"});
    ClearField(10);
    ClearField(11);
    EXPECT_FALSE(State().StoreChanged);
    SetFieldUnchecked(13);
    EXPECT_FALSE(State().StoreChanged);
    SetFieldChecked(13);
    EXPECT_TRUE(State().StoreChanged);
}

TEST_F(FieldStoreTest, StringsSwitchBetweenInlineAndLongForms) {
    SetFieldStr(400, "");
    EXPECT_EQ(GetFieldType(400), dtSmallStr);
    EXPECT_TRUE(FieldEmpty(400));

    SetFieldStr(400, "123456789");
    EXPECT_EQ(GetFieldType(400), dtSmallStr);
    SetFieldStr(400, "1234567890");
    EXPECT_EQ(GetFieldType(400), dtString);
    EXPECT_EQ(GetFieldStr(400), "1234567890");
    SetFieldStr(400, "short");
    EXPECT_EQ(GetFieldType(400), dtSmallStr);
    EXPECT_FALSE(FieldSlotAt(400)->longText.has_value());
    EXPECT_EQ(GetFieldStr(400), "short");

    SetFieldStr(401, std::string(300, 'z'));
    EXPECT_EQ(GetFieldStr(401).size(), 255u);

    SetFieldStr(402, " \t ");
    EXPECT_TRUE(FieldEmpty(402));
}

TEST_F(FieldStoreTest, CheckboxPairsUntickThePartner) {
    SetFieldChecked(9);
    SetFieldChecked(10);
    EXPECT_FALSE(FieldChecked(9));
    EXPECT_TRUE(FieldChecked(10));
    SetFieldChecked(9);
    EXPECT_FALSE(FieldChecked(10));

    SetFieldChecked(132);
    SetFieldChecked(133);
    EXPECT_FALSE(FieldChecked(132));
    SetFieldChecked(134);
    SetFieldChecked(135);
    SetFieldChecked(134);
    EXPECT_FALSE(FieldChecked(135));

    SetFieldChecked(12);
    SetFieldChecked(11);
    EXPECT_TRUE(FieldChecked(12));
    EXPECT_EQ(CheckboxPartner(11), 0);
    EXPECT_EQ(CheckboxPartner(143), 142);
    EXPECT_EQ(CheckboxPartner(144), 0);
}

TEST_F(FieldStoreTest, TickingPartnerSetsStoreChangedEvenWhenAlreadyTicked) {
    SetFieldChecked(17);
    SetFieldChecked(18);
    SetFieldChecked(17);  // 17 not ticked: change
    State().StoreChanged = false;
    SetFieldChecked(17);
    EXPECT_FALSE(State().StoreChanged);
}

TEST_F(FieldStoreTest, PartnerOfAnotherTypeIsLeftAlone) {
    SetFieldVal(20, 1234.25L);
    SetFieldChecked(19);
    EXPECT_EQ(GetFieldVal(20), 1234.25L);
}

TEST_F(FieldStoreTest, EnteredZeroMarker) {
    SetFieldVal(500, ZeroMarker);
    EXPECT_FALSE(FieldEmpty(500));
    EXPECT_EQ(GetFieldText(500), "0");
    EXPECT_EQ(GetFieldVal(500, true), 0);
    EXPECT_EQ(GetFieldVal(500, false), ZeroMarker);
    EXPECT_TRUE(IsZeroMarker(500));

    SetFieldVal(501, 0.0049L);
    EXPECT_TRUE(IsZeroMarker(501));
    EXPECT_EQ(GetFieldVal(501, true), 0);

    SetFieldVal(502, 0.0009L);
    EXPECT_TRUE(FieldEmpty(502));
    EXPECT_EQ(GetFieldText(502), "");
    EXPECT_FALSE(IsZeroMarker(502));

    SetFieldVal(503, 0.005L);
    EXPECT_EQ(GetFieldVal(503, true), 0.005L);
    SetFieldVal(504, -0.001L);
    EXPECT_EQ(GetFieldVal(504, true), -0.001L);
}

TEST_F(FieldStoreTest, GetFieldIntRoundsHalvesToEven) {
    const std::pair<long double, long long> cases[] = {
        {2.5L, 2}, {3.5L, 4}, {-2.5L, -2}, {2.4999L, 2}, {1e12L + 0.5L, 1000000000000LL}};
    for (auto [value, expected] : cases) {
        SetFieldVal(600, value);
        EXPECT_EQ(GetFieldInt(600), expected) << static_cast<double>(value);
    }
}

TEST_F(FieldStoreTest, DisplayTextByType) {
    SetFieldType(700, dtCurrencyCnt);
    SetFieldVal(700, 1234.5L);
    EXPECT_EQ(GetFieldText(700), "1234.50");
    SetFieldVal(701, 1234.4L);
    EXPECT_EQ(GetFieldText(701), "1234");
    SetFieldVal(701, -1234.6L);
    EXPECT_EQ(GetFieldText(701), "-1235");
    SetFieldVal(701, 12345678);
    EXPECT_EQ(GetFieldText(701), "12345678");
    SetFieldVal(701, 123456789);
    EXPECT_EQ(GetFieldText(701), "1.2345679E+08");
    SetFieldType(702, dtNumeric);
    SetFieldVal(702, 6.5L);
    EXPECT_EQ(GetFieldText(702), "6");
    SetFieldChecked(703);
    EXPECT_EQ(GetFieldText(703), "X");
    SetFieldUnchecked(703);
    EXPECT_EQ(GetFieldText(703), "");
    SetFieldLst(704, {"first", "second"});
    EXPECT_EQ(GetFieldText(704), "first");
    SetFieldType(705, dtWorksheet);
    EXPECT_EQ(GetFieldText(705), "");
    EXPECT_EQ(GetFieldText(706), "");
}

TEST_F(FieldStoreTest, EmptinessByType) {
    EXPECT_TRUE(FieldEmpty(800));
    SetFieldLst(801, {});
    EXPECT_TRUE(FieldEmpty(801));
    GetFieldLst(801)->push_back("x");
    EXPECT_FALSE(FieldEmpty(801));
    SetFieldType(802, dtWorksheet);
    EXPECT_TRUE(FieldEmpty(802));
    FieldSlotAt(802)->items = std::make_unique<ItemList>();
    EXPECT_TRUE(FieldEmpty(802));
    FieldSlotAt(802)->items->push_back(WorksheetItem{1, 710, {}});
    EXPECT_FALSE(FieldEmpty(802));
    SetFieldType(803, dtString);
    EXPECT_TRUE(FieldEmpty(803));
}

TEST_F(FieldStoreTest, ClearingReferenceTypesReleasesThem) {
    SetFieldStr(900, "a long enough text");
    ClearField(900);
    EXPECT_EQ(GetFieldType(900), dtNone);

    SetFieldStr(901, "abc");
    ClearField(901);
    EXPECT_EQ(GetFieldType(901), dtSmallStr);
    EXPECT_EQ(GetFieldStr(901), "");

    SetFieldLst(902, {"a", "b"});
    ClearField(902);
    EXPECT_EQ(GetFieldType(902), dtNone);
    EXPECT_EQ(GetFieldLst(902), nullptr);

    SetFieldType(903, dtWorksheet);
    FieldSlotAt(903)->items = std::make_unique<ItemList>(3);
    ClearField(903);
    EXPECT_EQ(GetFieldType(903), dtNone);
    EXPECT_EQ(FieldSlotAt(903)->items, nullptr);

    SetFieldChecked(904);
    ClearField(904);
    EXPECT_EQ(GetFieldType(904), dtCheckbox);
    EXPECT_FALSE(FieldChecked(904));

    SetFieldType(905, dtNumeric);
    SetFieldVal(905, 4);
    ClearField(905);
    EXPECT_EQ(GetFieldType(905), dtNumeric);
    EXPECT_EQ(GetFieldVal(905), 0);

    // A dtString without a text stays as it is.
    SetFieldType(906, dtString);
    ClearField(906);
    EXPECT_EQ(GetFieldType(906), dtString);
}

TEST_F(FieldStoreTest, SetFieldTypeReleasesTextsAndKeepsMoney) {
    SetFieldVal(1000, 12.75L);
    SetFieldType(1000, dtCurrencyCnt);
    EXPECT_EQ(GetFieldVal(1000), 12.75L);
    SetFieldStr(1001, "a long enough text");
    SetFieldType(1001, dtList);
    EXPECT_EQ(GetFieldLst(1001), nullptr);
    SetFieldType(1001, dtString);
    EXPECT_EQ(GetFieldStr(1001), "");
}

TEST_F(FieldStoreTest, ClearAllFieldsEmptiesEverything) {
    SetFieldVal(5, 10);
    SetFieldStr(710, "scratch name");
    SetFieldStr(1150, "x");
    SetFieldLst(2312, {"last"});
    ClearAllFields();
    EXPECT_EQ(GetFieldType(710), dtNone);
    EXPECT_EQ(GetFieldType(1150), dtNone);
    EXPECT_EQ(GetFieldType(2312), dtNone);
    EXPECT_EQ(GetFieldVal(5), 0);
    EXPECT_TRUE(FieldEmpty(5));
}

TEST_F(FieldStoreTest, ClearFieldsConfirmedAsksOnceAndOnlyWhenSomethingIsFilled) {
    ScriptedResponder responder;
    EXPECT_TRUE(ClearFieldsConfirmed({1202, 1203}, true));
    EXPECT_EQ(responder.Count(), 0u);

    SetFieldVal(1203, 5);
    SetFieldStr(1204, "kept?");
    responder.Answer(mrNo);
    EXPECT_FALSE(ClearFieldsConfirmed({1202, 1203, 1204}, true));
    ASSERT_EQ(responder.Count(), 1u);
    const MessageRequest& request = responder.Requests().front();
    EXPECT_EQ(request.caption, "Warning");
    EXPECT_EQ(request.text,
              "Data exists for this item\r\rAre you sure you want to delete it?\r\r"
              "If you select 'Yes' all data for this item will be lost");
    EXPECT_EQ(request.defaultButton, mbNo);
    EXPECT_EQ(request.icon, MessageIcon::Exclamation);
    EXPECT_EQ(GetFieldVal(1203), 5);

    responder.Answer(mrYes);
    EXPECT_TRUE(ClearFieldsConfirmed({1202, 1203, 1204}, true));
    EXPECT_TRUE(FieldEmpty(1203));
    EXPECT_TRUE(FieldEmpty(1204));
    EXPECT_EQ(responder.Count(), 2u);

    SetFieldVal(1205, 1);
    EXPECT_TRUE(ClearFieldsConfirmed({1205}, false));
    EXPECT_TRUE(FieldEmpty(1205));
    EXPECT_EQ(responder.Count(), 2u);
}

TEST_F(FieldStoreTest, ClearFieldsConfirmedLooksOnlyAtTheCountedFields) {
    SetFieldVal(30, 5);
    EXPECT_TRUE(ClearFieldsConfirmed({29, 30}, 1, false));
    EXPECT_EQ(GetFieldVal(30), 5);
}

TEST_F(FieldStoreTest, InvalidFieldNumbersAreIgnored) {
    ScriptedResponder responder;
    State().HelpdeskMode = true;
    for (int n : {0, -1, 2313}) {
        SetFieldVal(n, 1);
        SetFieldStr(n, "x");
        SetFieldChecked(n);
        SetFieldLst(n, {"x"});
        SetFieldType(n, dtNumeric);
        ClearField(n);
        EXPECT_EQ(GetFieldVal(n), 0);
        EXPECT_EQ(GetFieldStr(n), "");
        EXPECT_EQ(GetFieldText(n), "");
        EXPECT_EQ(GetFieldType(n), 0);
        EXPECT_EQ(GetFieldLst(n), nullptr);
        EXPECT_FALSE(FieldChecked(n));
        EXPECT_TRUE(FieldEmpty(n));
    }
    EXPECT_EQ(responder.Count(), 0u);
    EXPECT_FALSE(State().StoreChanged);
}

TEST_F(FieldStoreTest, ReleasedStoreIgnoresEverything) {
    ReleaseFieldStore();
    SetFieldVal(5, 1);
    EXPECT_EQ(GetFieldVal(5), 0);
    EXPECT_TRUE(FieldEmpty(5));
}

TEST_F(FieldStoreTest, BlankDates) {
    EXPECT_TRUE(IsBlankDate(""));
    EXPECT_TRUE(IsBlankDate("   "));
    EXPECT_TRUE(IsBlankDate("  /  /    "));
    EXPECT_TRUE(IsBlankDate("31/02/2004"));
    EXPECT_TRUE(IsBlankDate("not a date"));
    EXPECT_FALSE(IsBlankDate("29/02/2004"));
    EXPECT_FALSE(IsBlankDate("01/07/2005 trailing text beyond ten characters"));
}

TEST_F(FieldStoreTest, WorksheetNamesTable) {
    EXPECT_EQ(WorksheetNames(1), "1 - Salary & Wages / Lump Sum");
    EXPECT_EQ(WorksheetNames(12), "12 - Business NPP Depreciation");
    EXPECT_EQ(WorksheetNames(6), "6 - not defined");
    EXPECT_EQ(WorksheetNames(0), "0 - not defined");
    EXPECT_EQ(WorksheetNames(180), "180 - Rental Depreciation");
    EXPECT_EQ(WorksheetNames(199), "199 - Rental Depreciation");
    EXPECT_EQ(WorksheetNames(200), "200 - not defined");
    EXPECT_EQ(WorksheetNames(253), "253 - D5 Depreciation - WRE");
    EXPECT_STREQ(DataTypeName(0x88), "dtWorksheet");
}

TEST(FieldSlotText, ShowsTextExactlyWhenItsTextIsNotEmpty) {
    std::vector<FieldSlot> slots;
    auto add = [&](uint8_t type) -> FieldSlot& {
        slots.emplace_back().type = type;
        return slots.back();
    };
    for (uint8_t type : {dtNumeric, dtCurrency, dtCurrencyCnt})
        for (long double value : {0.0L, 0.0009L, 0.001L, -0.001L, 0.0011L, 0.4L, -0.4L, 12.5L,
                                  1e20L, std::numeric_limits<long double>::quiet_NaN(),
                                  std::numeric_limits<long double>::infinity()})
            add(type).SetExtended(value);
    for (const std::string& text : {std::string(), std::string(" "), std::string("SN")})
        add(dtSmallStr).SetSmallText(text);
    add(dtString);
    add(dtString).longText = "";
    add(dtString).longText = std::string(20, 'x');
    add(dtCheckbox);
    add(dtCheckbox).value[0] = 1;
    add(dtList);
    add(dtList).list = std::make_unique<TextList>();
    add(dtList).list = std::make_unique<TextList>(TextList{"", "figures"});
    add(dtList).list = std::make_unique<TextList>(TextList{"first"});
    add(dtWorksheet).items = std::make_unique<ItemList>(1);
    add(dtNone).value[0] = 7;
    add(0x42).value[0] = 7;
    for (const FieldSlot& slot : slots)
        EXPECT_EQ(SlotShowsText(slot), !FieldSlotText(slot).empty())
            << DataTypeName(slot.type) << " '" << FieldSlotText(slot) << "'";
}

// Zeroing the scratch fields leaves every byte of each zero and nothing held, also in a blank
// field that kept value bytes or a list, and in one already zero.
TEST_F(FieldStoreTest, ZeroingTheScratchFieldsLeavesNoByteAndNothingHeld) {
    SetFieldVal(1100, 12.5L);
    SetFieldLst(737, {"a", "b"});
    SetFieldStr(710, "A name longer than nine");
    FieldSlot& kept = *FieldSlotAt(1101);
    kept.value[9] = 7;  // blank, but with a byte left
    FieldSlot& held = *FieldSlotAt(749);
    held.list = std::make_unique<TextList>(TextList{"left"});  // blank, but holding a list
    FieldSlot& spare = *FieldSlotAt(1199);
    spare.spare = 1;
    SetFieldVal(700, 3);  // not a scratch field
    ZeroScratchFields();
    for (int n : {710, 737, 749, 1100, 1101, 1150, 1199}) {
        const FieldSlot& slot = *FieldSlotAt(n);
        EXPECT_EQ(slot.type, dtNone) << n;
        EXPECT_EQ(slot.spare, 0) << n;
        EXPECT_EQ(slot.value, (std::array<uint8_t, 10>{})) << n;
        EXPECT_FALSE(slot.longText || slot.list || slot.items) << n;
    }
    EXPECT_EQ(GetFieldVal(700), 3);
}
