#include "interview/field_binding.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "controls/ttaxedit.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/tchildform.h"
#include "scripted_responder.h"
#include "store_fixture.h"

namespace {

template <class Control>
Control* Bound(QWidget* screen, int field) {
    auto* control = new Control(screen);
    control->setProperty("tag", field);
    return control;
}

class BindingTest : public StoreTest {
protected:
    TChildForm screen;
    JumpHandler noLinks = [](TTextLbl*, int, const QString&) {};
};

}  // namespace

TEST_F(BindingTest, DateFieldsStoreTheirDisplayedText) {
    auto* date = Bound<TTaxEdit>(&screen, 726);
    date->setNumericType(ntDate);
    SetFieldStr(726, "01/07/2005");
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(date->text(), "01/07/2005");
    date->SetTextValue(QStringLiteral("15/08/2004"));
    SaveScreenFields(&screen);
    EXPECT_EQ(GetFieldType(726), dtString);
    EXPECT_EQ(GetFieldStr(726), "15/08/2004");
}

TEST_F(BindingTest, MoneyFieldsStoreTheirValueAndTypeAnUntypedField) {
    auto* amount = Bound<TTaxEdit>(&screen, 920);
    amount->setNumericType(ntCurrency);
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(amount->text(), "");
    amount->SetNumValue(1234.6L);  // whole dollars: reads back as shown
    SaveScreenFields(&screen);
    EXPECT_EQ(GetFieldType(920), dtCurrency);
    EXPECT_EQ(GetFieldVal(920), 1235);
    // A field typed already decides by its type: a text type shows its text.
    auto* code = Bound<TTaxEdit>(&screen, 714);
    code->setNumericType(ntCurrency);
    SetFieldStr(714, "SA");
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(amount->text(), "1235");
    EXPECT_EQ(code->NumValue(), 0);
}

TEST_F(BindingTest, CombosStoreTheirCodeAndFindItAgain) {
    auto* combo = Bound<QComboBox>(&screen, 714);
    combo->addItems({QStringLiteral("SA - Active asset - Shares"),
                     QStringLiteral("SN - Non-active asset - Shares")});
    combo->setProperty("MaxLength", 2);
    combo->setCurrentIndex(1);
    SaveScreenFields(&screen);
    EXPECT_EQ(GetFieldStr(714), "SN");
    combo->setCurrentIndex(0);
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(combo->currentIndex(), 1);

    // Without a length nothing is stored and nothing is selected.
    auto* plain = Bound<QComboBox>(&screen, 715);
    plain->addItems({QStringLiteral("SN - anything")});
    plain->setCurrentIndex(0);
    SaveScreenFields(&screen);
    EXPECT_EQ(GetFieldStr(715), "");
    SetFieldStr(715, "SN");
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(plain->currentIndex(), -1);

    // A stored code that matches nothing shows no selection.
    SetFieldStr(714, "XX");
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(combo->currentIndex(), -1);
}

TEST_F(BindingTest, CheckBoxesAndRadioButtonsOfAPairStoreExactlyTheTickedOne) {
    auto* yes = Bound<QCheckBox>(&screen, 9);
    auto* no = Bound<QCheckBox>(&screen, 10);
    no->setChecked(true);
    SaveScreenFields(&screen);
    EXPECT_TRUE(FieldChecked(10));
    EXPECT_FALSE(FieldChecked(9));
    yes->setChecked(true);
    no->setChecked(false);
    SaveScreenFields(&screen);
    EXPECT_TRUE(FieldChecked(9));
    EXPECT_FALSE(FieldChecked(10));

    auto* radio = Bound<QRadioButton>(&screen, 300);
    SetFieldChecked(300);
    LoadScreenFields(&screen, noLinks);
    EXPECT_TRUE(radio->isChecked());
    EXPECT_TRUE(yes->isChecked());
}

TEST_F(BindingTest, GridsStoreTheirFilledRowsOnly) {
    auto* grid = Bound<TXGrid>(&screen, 737);
    grid->setColCount(2);
    grid->setRowCount(4);
    grid->setDisplay({QStringLiteral("Name|0|0|20|0|F|F|||||||0|F|F|"),
                      QStringLiteral("Amount|1|1|10|0|F|F|0|T||||-1|0|F|F|")});
    grid->SetCells(0, 1, QStringLiteral("first"));
    grid->SetCells(1, 3, QStringLiteral("300"));
    grid->SetModified(true);
    State().StoreChanged = false;
    SaveScreenFields(&screen);
    ASSERT_NE(GetFieldLst(737), nullptr);
    EXPECT_EQ(*GetFieldLst(737), (TextList{"first", "", "", "300"}));
    EXPECT_TRUE(State().StoreChanged);

    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(grid->Cells(0, 1), "first");
    EXPECT_EQ(grid->Cells(1, 2), "300");
    EXPECT_EQ(grid->Cells(1, 3), "");
    EXPECT_FALSE(grid->Modified());
}

TEST_F(BindingTest, LabelsShowMoneyInTheCurrencyFormat) {
    auto* label = Bound<QLabel>(&screen, 1500);
    auto* text = Bound<QLabel>(&screen, 710);
    SetFieldVal(1500, 0.005L);
    SetFieldStr(710, "BHP shares");
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(label->text(), "");
    EXPECT_EQ(text->text(), "BHP shares");
    SetFieldVal(1500, 1234.6L);
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(label->text(), "$1,235");
    SetFieldVal(1500, -1234.6L);
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(label->text(), "-$1,235");
    SetFieldType(1500, dtCurrencyCnt);
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(label->text(), "-$1,234.60");
    // Labels are never saved.
    label->setText(QStringLiteral("999"));
    SaveScreenFields(&screen);
    EXPECT_EQ(GetFieldVal(1500), -1234.6L);
}

TEST_F(BindingTest, UnboundControlsAndBadTagsAreLeftAlone) {
    auto* untagged = new TTaxEdit(&screen);
    untagged->setText(QStringLiteral("kept"));
    auto* zero = Bound<QCheckBox>(&screen, 0);
    auto* beyond = Bound<QCheckBox>(&screen, 2313);
    zero->setChecked(true);
    beyond->setChecked(true);
    SaveScreenFields(&screen);
    LoadScreenFields(&screen, noLinks);
    EXPECT_EQ(untagged->text(), "kept");
    EXPECT_TRUE(zero->isChecked());
    EXPECT_TRUE(beyond->isChecked());
    EXPECT_FALSE(State().StoreChanged);
}

TEST_F(BindingTest, AWrongFieldTypeIsReportedInHelpdeskModeAndTheControlKeepsItsValue) {
    ScriptedResponder responder;
    State().HelpdeskMode = true;
    auto* check = Bound<QCheckBox>(&screen, 400);
    check->setChecked(true);
    SetFieldStr(400, "text");
    LoadScreenFields(&screen, noLinks);
    EXPECT_FALSE(check->isChecked());  // a failed read reads as not ticked
    ASSERT_EQ(responder.Count(), 1u);
    EXPECT_NE(responder.LastText().find("FieldChecked"), std::string::npos);
}

TEST_F(BindingTest, LoadingSwitchesHintsOffAndWiresTheLinks) {
    auto* label = new TTextLbl(&screen);
    auto* edit = Bound<TTaxEdit>(&screen, 920);
    edit->setToolTip(QStringLiteral("Whole dollars"));
    int jumped = 0;
    LoadScreenFields(&screen, [&](TTextLbl*, int id, const QString&) { jumped = id; });
    EXPECT_TRUE(edit->toolTip().isEmpty());
    EXPECT_EQ(edit->property("Hint").toString(), "Whole dollars");
    ASSERT_TRUE(label->OnJumpClick);
    label->OnJumpClick(label, 115, QString());
    EXPECT_EQ(jumped, 115);
}

TEST_F(BindingTest, AScreenLoadedWithAnItemOpenStaysAWorksheetSection) {
    State().CurrentWorksheet = 451;
    LoadScreenFields(&screen, noLinks);
    EXPECT_TRUE(screen.WorksheetSection());
    EXPECT_EQ(screen.ScrollLineStep(), 99);
    State().CurrentWorksheet = 0;
    LoadScreenFields(&screen, noLinks);
    EXPECT_TRUE(screen.WorksheetSection());
}
