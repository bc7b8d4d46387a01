// Amount texts typed and pasted into entry fields: cents in whole-dollar fields and a minus
// typed after the digits.

#include <QClipboard>
#include <QToolTip>

#include "controls/ttaxedit.h"
#include "tax_edit_fixture.h"

namespace {

class WholeDollarTest : public TaxEditTest {
protected:
    // Most amount fields of the screens are defined like this.
    void MakeDollarField() {
        field->setNumericType(ntCurrency);
        field->setValidChars(QStringLiteral("0..9"));
        field->setMaxLength(8);
    }
};

}  // namespace

TEST_F(WholeDollarTest, TypedCentsAreRefusedAndTheDollarsKept) {
    MakeDollarField();
    Enter();
    Type(QStringLiteral("2500.75"));
    EXPECT_EQ(field->text(), QStringLiteral("2500"));
    EXPECT_EQ(beeps->Count(), 3);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Whole dollars only"));
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(field->NumValue(), 2500);
    EXPECT_EQ(responder->Count(), 0u);
}

TEST_F(WholeDollarTest, MovingTheCaretOrDeletingEndsTheCents) {
    MakeDollarField();
    Enter();
    Type(QStringLiteral("25.9"));
    QTest::keyClick(field, Qt::Key_Backspace);
    Type(QStringLiteral("7"));
    EXPECT_EQ(field->text(), QStringLiteral("27"));
    Type(QStringLiteral(".5"));
    QTest::keyClick(field, Qt::Key_Home);
    Type(QStringLiteral("1"));
    EXPECT_EQ(field->text(), QStringLiteral("127"));
    Type(QStringLiteral(".3"));
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(2, field->height() / 2));
    Type(QStringLiteral("4"));
    EXPECT_EQ(field->text(), QStringLiteral("4127"));
}

TEST_F(WholeDollarTest, PastedCentsKeepTheirDollars) {
    MakeDollarField();
    QGuiApplication::clipboard()->setText(QStringLiteral("1,000.56"));
    Enter();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1000"));
    EXPECT_EQ(beeps->Count(), 1);
    // Digits typed straight after the pasted cents are still cents.
    Type(QStringLiteral("9"));
    EXPECT_EQ(field->text(), QStringLiteral("1000"));
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(field->NumValue(), 1000);

    // A field that takes the minus keeps the sign of a pasted negative amount.
    field->ForceNumericType(ntCurrency);
    field->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("-12.99"));
    Enter();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("-12"));
}

TEST_F(WholeDollarTest, FieldsWithCentsKeepThem) {
    field->setNumericType(ntCurrencyCnt);
    Enter();
    Type(QStringLiteral("2500.75"));
    EXPECT_EQ(field->text(), QStringLiteral("2500.75"));
    EXPECT_EQ(beeps->Count(), 0);
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(field->NumValue(), 2500.75L);
}

TEST_F(TaxEditTest, AMinusTypedAfterTheDigitsIsMovedInFrontWhenTheValueIsRead) {
    field->setNumericType(ntCurrency);
    Enter();
    // A minus first, then Home and the digits: the minus ends up behind them.
    Type(QStringLiteral("-"));
    QTest::keyClick(field, Qt::Key_Home);
    Type(QStringLiteral("12"));
    ASSERT_EQ(field->text(), QStringLiteral("12-"));
    EXPECT_EQ(field->NumValue(), -12);
    EXPECT_EQ(field->text(), QStringLiteral("-12"));
    EXPECT_EQ(field->NumValue(), -12);

    // A text field keeps whatever it holds.
    field->ForceNumericType(ntNone);
    field->setText(QStringLiteral("12-"));
    field->NumValue();
    EXPECT_EQ(field->text(), QStringLiteral("12-"));
}
