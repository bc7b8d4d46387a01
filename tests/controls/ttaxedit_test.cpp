#include "controls/ttaxedit.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

#include "base/dates.h"
#include "store/field_store.h"
#include "tax_edit_fixture.h"

TEST_F(TaxEditTest, CurrencyFieldTakesDigitsAndAMinusInFront) {
    field->setNumericType(ntCurrency);
    QSignalSpy exited(field, &TTaxEdit::exited);
    Enter();
    Type(QStringLiteral("1a2"));
    EXPECT_EQ(field->text(), QStringLiteral("12"));
    EXPECT_EQ(beeps->Count(), 1);
    Type(QStringLiteral("-"));
    EXPECT_EQ(field->text(), QStringLiteral("-12"));
    EXPECT_EQ(field->cursorPosition(), 3);  // the caret stays after the typed digits
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_TRUE(field->Typed());
    QTest::keyClick(field, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("-12"));  // command keys never type
    // A mnemonic that no control of the window answers types nothing either.
    QTest::keyClick(field, Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(field, Qt::Key_5, Qt::AltModifier);
    EXPECT_EQ(field->text(), QStringLiteral("-12"));

    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(exited.count(), 1);
    EXPECT_EQ(field->text(), QStringLiteral("-12"));
    EXPECT_EQ(field->NumValue(), -12);
    EXPECT_EQ(responder->Count(), 0u);
}

TEST_F(TaxEditTest, PercentageIsStrippedWhileFocusedAndFormattedAfter) {
    field->setNumericType(ntPercentage);
    field->SetTextValue(QStringLiteral("12.5%"));
    EXPECT_EQ(field->text(), QStringLiteral("12.50%"));
    Enter();
    EXPECT_EQ(field->text(), QStringLiteral("12.50"));
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_FALSE(field->hasSelectedText());
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, Qt::Key_Backspace);
    Type(QStringLiteral("7"));
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(field->text(), QStringLiteral("12.57%"));
    EXPECT_NEAR(static_cast<double>(field->NumValue()), 12.57, 1e-12);
}

TEST_F(TaxEditTest, DateDigitsGetSeparatorsAndTheFullYear) {
    field->setNumericType(ntDate);
    EXPECT_EQ(field->maxLength(), 10);
    Enter();
    Type(QStringLiteral("01a0799"));
    EXPECT_EQ(field->text(), QStringLiteral("010799"));
    EXPECT_EQ(beeps->Count(), 1);
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(field->text(), QStringLiteral("01/07/1999"));
    EXPECT_EQ(field->DateValue(), EncodeDate(1999, 7, 1));

    // Emptied again: no date.
    Enter();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(field->DateValue(), NoDate);
    EXPECT_EQ(field->text(), QString());
}

TEST_F(TaxEditTest, MandatoryEmptyFieldRefuses) {
    field->setNumericType(ntCurrency);
    field->setMandatory(true);
    Enter();
    EXPECT_FALSE(CommitFocus());
    EXPECT_EQ(responder->LastText(), "This field is mandatory and MUST be completed");
    EXPECT_TRUE(field->hasFocus());
    Type(QStringLiteral("0"));
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(field->NumValue(), ZeroMarker);
}

TEST_F(TaxEditTest, CharactersOutsideLatin1AreRefusedLikeAnyOtherKey) {
    field->setNumericType(ntSpecial);  // no allowed set: every Latin-1 key
    Enter();
    Type(
        QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC"
                          "5 \xD0\x96"));
    EXPECT_EQ(field->text(), QString::fromUtf8("caf\xC3\xA9 5 "));
    EXPECT_EQ(beeps->Count(), 2);
}

TEST_F(TaxEditTest, PastingGoesThroughTheKeyFilter) {
    field->setNumericType(ntCurrencyCnt);
    QGuiApplication::clipboard()->setText(QString::fromUtf8("$1,234.5\xE2\x82\xAC\n"));
    Enter();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1234.5"));
    EXPECT_EQ(beeps->Count(), 1);  // one beep for the whole paste

    // A second paste cannot bring a second separator.
    QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(field->text(), QStringLiteral("1234.512345"));
}

TEST_F(TaxEditTest, ContextMenuPasteIsFiltered) {
    field->setNumericType(ntCurrency);
    field->setMandatory(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("12ab-3"));
    QSignalSpy exited(field, &TTaxEdit::exited);
    Enter();
    bool triggered = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                action->trigger();
                triggered = true;
            }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            field->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(field, &event);
    ASSERT_TRUE(triggered);
    EXPECT_EQ(field->text(), QStringLiteral("-123"));
    // Opening the menu on the empty mandatory field was not a leave.
    EXPECT_EQ(exited.count(), 0);
    EXPECT_EQ(responder->Count(), 0u);
    // The offscreen platform leaves no window active after a popup; a desktop re-activates.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(exited.count(), 0);
    EXPECT_EQ(field->text(), QStringLiteral("-123"));
}

TEST_F(TaxEditTest, DroppedTextIsFilteredAndEntersTheField) {
    field->setNumericType(ntNumeric);
    other->setFocus();
    QMimeData data;
    data.setText(QStringLiteral("4x2"));
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(QPoint(4, 4), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(4, 4), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(field, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);  // the source keeps its text
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->text(), QStringLiteral("42"));
}

TEST_F(TaxEditTest, InputMethodTextIsFiltered) {
    field->setNumericType(ntCurrency);
    Enter();
    QInputMethodEvent commit;
    commit.setCommitString(
        QString::fromUtf8("7\xEF\xBC\x98"
                          "8"));  // a full-width 8 between
    QCoreApplication::sendEvent(field, &commit);
    EXPECT_EQ(field->text(), QStringLiteral("78"));
    EXPECT_EQ(beeps->Count(), 1);
}

TEST_F(TaxEditTest, ReadOnlyFieldIsLeftWithoutChecks) {
    field->setMervoDataType(atDollar);  // digits only
    field->setNumericType(ntCurrency);
    field->setValidChars(QStringLiteral("0..9"));
    field->SetNumValue(-1234);
    field->setReadOnly(true);
    Enter();
    EXPECT_EQ(field->text(), QStringLiteral("-1234"));
    EXPECT_TRUE(CommitFocus());
    EXPECT_EQ(responder->Count(), 0u);
    EXPECT_EQ(field->text(), QStringLiteral("-1234"));
}

TEST_F(TaxEditTest, BadValidCharsIsReportedAndAllowsEveryKey) {
    field->setNumericType(ntCurrency);
    field->setValidChars(QStringLiteral("0..9,abc"));
    EXPECT_EQ(responder->LastText(), "Bad ValidChars property 0..9,abc !");
    EXPECT_EQ(field->validChars(), QStringLiteral("0..9,abc"));
    Enter();
    Type(QStringLiteral("1-2"));
    EXPECT_EQ(field->text(), QStringLiteral("-12"));  // the amount rules still hold
}

TEST_F(TaxEditTest, TypeAndFormatApplyTheirDefaults) {
    field->setMervoDataType(atDollarCents);
    EXPECT_EQ(field->decimals(), 2);
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    field->setAlignment(Qt::AlignLeft);
    field->setNumericType(ntNone);  // already the type: nothing changes
    EXPECT_EQ(field->alignment(), Qt::AlignLeft);
    field->ForceNumericType(ntNone);
    EXPECT_EQ(field->decimals(), 0);
    field->ForceNumericType(ntDec2);
    EXPECT_EQ(field->maxLength(), 6);
    field->setMaxLength(0);  // no limit, as the screen definitions mean it
    EXPECT_EQ(field->maxLength(), 32767);
    field->ForceNumericType(ntCurrencyCnt);
    field->SetNumValue(2.5L);
    field->setDecimals(0);
    EXPECT_EQ(field->text(), QStringLiteral("2.50"));  // cents always show two places
    field->ForceNumericType(ntNumeric);
    field->setDecimals(3);
    EXPECT_EQ(field->text(), QStringLiteral("2.500"));
}

TEST_F(TaxEditTest, FieldsWriteNegativeMoneyWithTheMinusFirst) {
    State().Currency.negative = NegativeCurrencyStyle::Parentheses;
    TTaxEdit another;
    EXPECT_EQ(FormatCurrency(-1234, 0, 8), "-$1,234");
}

// A zero the taxpayer types is an answer: it stays on show after leaving, in every amount type,
// so nothing is emptied behind a screen reader's back.
TEST_F(TaxEditTest, ATypedZeroStaysShownInEveryAmountType) {
    for (TNumericType type : {ntCurrency, ntCurrencyCnt, ntPercentage, ntNumeric, ntCPI}) {
        SCOPED_TRACE(static_cast<int>(type));
        field->setNumericType(type);
        field->setDecimals(2);
        field->clear();
        Enter();
        Type(QStringLiteral("0"));
        EXPECT_TRUE(CommitFocus());
        EXPECT_EQ(field->NumValue(), ZeroMarker);
        EXPECT_FALSE(field->text().isEmpty());
    }
    EXPECT_EQ(beeps->Count(), 0);
}
