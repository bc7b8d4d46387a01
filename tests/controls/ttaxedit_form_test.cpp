// Entry fields placed on a Designer form, and how fields look.

#include <QGridLayout>
#include <QLabel>

#include "base/dates.h"
#include "controls/ttaxedit.h"
#include "gui_test_util.h"
#include "tax_edit_fixture.h"
#include "ui_tax_edit_form.h"

TEST_F(TaxEditTest, DesignerFormSetsTheFieldProperties) {
    QWidget form;
    Ui::TaxEditForm ui;
    ui.setupUi(&form);

    EXPECT_EQ(ui.CostEdit->NumericType(), ntCurrency);
    EXPECT_EQ(ui.CostEdit->validChars(), QStringLiteral("0..9"));
    EXPECT_EQ(ui.CostEdit->maxLength(), 8);
    EXPECT_TRUE(ui.CostEdit->validate());
    EXPECT_EQ(ui.CostEdit->maxVal(), 99999999.0);
    EXPECT_TRUE(ui.CostEdit->mandatory());
    EXPECT_EQ(ui.CostEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(ui.CostEdit->property("tag").toInt(), 1122);

    EXPECT_EQ(ui.RateEdit->NumericType(), ntPercentage);
    EXPECT_EQ(ui.RateEdit->decimals(), 1);
    EXPECT_FALSE(ui.RateEdit->useRounding());
    EXPECT_EQ(ui.RateEdit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    EXPECT_EQ(ui.NameEdit->mervoDataType(), atRestrictedNameText);
    EXPECT_TRUE(ui.NameEdit->capitaliseWords());
    EXPECT_FALSE(ui.NameEdit->changeFocusColor());
    EXPECT_EQ(responder->Count(), 0u);

    // The properties are live: the form's amount field refuses what its settings refuse.
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ui.CostEdit->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(ui.CostEdit, QStringLiteral("12-"));
    EXPECT_EQ(ui.CostEdit->text(), QStringLiteral("12"));
    ui.RateEdit->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(ui.RateEdit->hasFocus());
    EXPECT_EQ(ui.CostEdit->text(), QStringLiteral("12"));
    ui.NameEdit->setFocus(Qt::TabFocusReason);  // without ChangeFocusColor
    EXPECT_EQ(ui.NameEdit->palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Base));
}

namespace {
bool IsDark(QRgb pixel) { return qGray(pixel) < 110; }

// The horizontal span of dark (text) pixels in the middle band of the field's image.
std::pair<int, int> InkSpan(const QImage& image, const QRect& area) {
    int first = -1, last = -1;
    for (int x = area.left() + 3; x < area.right() - 3; ++x)
        for (int y = area.top() + 4; y < area.bottom() - 4; ++y)
            if (IsDark(image.pixel(x, y))) {
                if (first < 0) first = x;
                last = x;
            }
    return {first - area.left(), last - area.left()};
}
}  // namespace

TEST_F(TaxEditTest, FieldsLookRightFocusedAndUnfocused) {
    window->hide();
    QWidget panel;
    panel.setStyleSheet(QString());
    auto* grid = new QGridLayout(&panel);
    const auto addRow = [&](int row, const char* label, TTaxEdit* edit) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), &panel), row, 0);
        grid->addWidget(edit, row, 1);
        edit->setFixedWidth(160);
    };
    auto* amount = new TTaxEdit(&panel);
    amount->setNumericType(ntCurrency);
    amount->SetNumValue(1234);
    auto* focused = new TTaxEdit(&panel);
    focused->setNumericType(ntCurrencyCnt);
    focused->SetNumValue(56.5L);
    auto* date = new TTaxEdit(&panel);
    date->setNumericType(ntDate);
    date->SetDateValue(EncodeDate(2005, 7, 1));
    auto* rate = new TTaxEdit(&panel);
    rate->setNumericType(ntPercentage);
    rate->SetTextValue(QStringLiteral("12.5"));
    addRow(0, "Cost base", amount);
    addRow(1, "Capital proceeds", focused);
    addRow(2, "Date of acquisition", date);
    addRow(3, "Discount", rate);
    panel.show();
    panel.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel));
    focused->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(focused->hasFocus());

    const QImage shot = panel.grab().toImage();
    SaveShotIfRequested(&panel, QStringLiteral("tax_edit_fields"));
    const int scale = qRound(shot.devicePixelRatio());
    const auto areaOf = [&](QWidget* w) {
        const QRect r = w->geometry();
        return QRect(r.topLeft() * scale, r.size() * scale);
    };
    // A background pixel away from the text, the frame and its shading.
    const auto background = [&](const QRect& area, bool atLeft) {
        const int x = atLeft ? area.left() + 8 * scale : area.right() - 8 * scale;
        return QColor(shot.pixel(x, area.center().y()));
    };

    // Unfocused amounts and percentages sit at the right edge, dates at the left.
    const QRect amountArea = areaOf(amount);
    const auto [amountFirst, amountLast] = InkSpan(shot, amountArea);
    EXPECT_GT(amountFirst, amountArea.width() / 2);
    EXPECT_GT(amountLast, amountArea.width() - 12 * scale);
    const auto [rateFirst, rateLast] = InkSpan(shot, areaOf(rate));
    EXPECT_GT(rateFirst, areaOf(rate).width() / 2);
    const auto [dateFirst, dateLast] = InkSpan(shot, areaOf(date));
    EXPECT_LT(dateFirst, 10 * scale);
    EXPECT_LT(dateLast, areaOf(date).width() - 40 * scale);

    // The focused field is in its focus colour with its text stripped and at the left.
    const QRect focusedArea = areaOf(focused);
    EXPECT_EQ(background(focusedArea, false), TTaxEdit::FocusColor());
    EXPECT_EQ(focused->text(), QStringLiteral("56.50"));
    EXPECT_LT(InkSpan(shot, focusedArea).first, 10 * scale);
    EXPECT_EQ(background(amountArea, true), QApplication::palette().color(QPalette::Base));
}
