// Renders labels using every command, each kind and the review banner; the grab is what
// docs/text-label.png shows (ORVANA_SHOTS=folder saves it).

#include <gtest/gtest.h>

#include <QTest>

#include "base/module_state.h"
#include "controls/treviewlabel.h"
#include "controls/ttextlbl.h"
#include "gui_test_util.h"

namespace {
const QStringList Showcase = {
    "<s1><S13;T1;C6>Capital gains in the <@LastYear>-<@TaxYear> income year<.>",
    "<L14><C8>Sizes, styles and colours: <T1>bold<T2> italic<T3> both<T0> <C2>maroon <C12>blue "
    "<Farial narrow>narrow font<.>",
    "<X0>\u2022<X14>A bullet sets a hanging indent: this line begins at X14 and so does",
    "the continuation line below it, which has no X tag of its own.",
    "<X0>Links: <C12;J122>a help topic<.>, <C12;G2010>another screen<.> and <C12;Hhttp://"
    "example.com/cgt>a web page<.>",
    "<s2>Section 2 is not shown while section 1 is current.",
    "<s1>Small icons: <IDirection> direction <IAttention> attention <IDanger> danger"
    "<x12><iwarn> from the screen",
    "From the screen: asset <T1;V710><.>, <c3>a colour<c0> and <fmono>a font<f>.",
    "<v5>A line whose check tag fails is not drawn and takes no space.",
    "<AC><X300>Centred on x = 300<AL>",
    "<AR><X590>Right-aligned on x = 590<AL>",
    "<X0><Y-2><x4><C8;S8;T2>Placed 2 pixels above the bottom, nudged right with x4<.>",
};

TEST(TextLabelRendering, EveryCommandKindAndTheReviewBanner) {
    ResetModuleState();
    State().Variables.SetVariable("@TaxYear", "2006");
    State().Variables.SetVariable("@LastYear", "2005");
    QWidget screen;
    screen.setPalette(QPalette(Qt::black, Qt::white));
    screen.setAutoFillBackground(true);
    screen.resize(630, 482);

    auto* label = new TTextLbl(&screen);
    label->setGeometry(10, 8, 610, 212);
    label->setText(Showcase);
    label->setLineSpacing(13);
    label->setBevelOuter(bvLowered);
    label->OnScreenTag = [](TTextLbl*, int, QString& tag) { tag = "BHP shares"; };
    label->OnColorTag = [](TTextLbl*, int, QColor& colour) { colour = QColor(0, 128, 96); };
    label->OnFontTag = [](TTextLbl*, const QString&, QFont& font) {
        font.setFamily("Courier New");
    };
    label->OnIconTag = [](TTextLbl*, const QString&, TTextLblKind& kind) { kind = tlkAttention; };
    label->OnCheckTag = [](TTextLbl*, int, bool& pass) { pass = false; };

    const struct {
        TTextLblKind kind;
        QStringList text;
    } kinds[] = {
        {tlkDirection, {"<Y4><T1>Direction<.>", "Enter the details of each parcel of shares."}},
        {tlkAttention,
         {"<Y4><T1>Attention<.>", "Check the acquisition date: it is before 20 September 1985."}},
        {tlkDanger, {"<Y4><T1>Danger<.>", "Deleting this worksheet removes every answer in it."}},
    };
    int top = 232;
    std::vector<TTextLbl*> kindLabels;
    for (const auto& entry : kinds) {
        auto* kindLabel = new TTextLbl(&screen);
        kindLabel->setGeometry(10, top, 610, 20);
        kindLabel->setKind(entry.kind);
        kindLabel->setText(entry.text);
        kindLabel->setCalculateHeight(true);
        kindLabels.push_back(kindLabel);
        top += 48;
    }
    auto* review = new TReviewLabel(&screen);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
    // Hovered, the help link shows its underline.
    const MarkupRect help = label->jumps().at(0).rects.at(0);
    QTest::mouseMove(label, QPoint(help.left + help.width / 2, help.top + help.height / 2));
    QCoreApplication::processEvents();
    SaveShotIfRequested(&screen, "text-label");

    const MarkupPlan& plan = label->layoutPlan();
    EXPECT_EQ(plan.jumps.size(), 1u);
    EXPECT_EQ(plan.screenLinks.size(), 1u);
    EXPECT_EQ(plan.hyperlinks.size(), 1u);
    EXPECT_EQ(plan.icons.size(), 4u);
    EXPECT_FALSE(label->plainText().contains("Section 2"));
    EXPECT_TRUE(label->plainText().contains("asset BHP shares"));
    EXPECT_FALSE(label->plainText().contains("check tag fails"));
    for (const MarkupRun& run : plan.runs) {
        EXPECT_LE(run.x + run.width, label->width()) << run.text;
        EXPECT_LE(run.y + run.height, label->height()) << run.text;
    }
    for (TTextLbl* kindLabel : kindLabels) {
        EXPECT_GE(kindLabel->height(), TTextLbl::KindIconSize);
        EXPECT_EQ(kindLabel->height(), kindLabel->layoutPlan().endY + 3);
    }

    // The banner: its own text whatever it is given, 610 wide at x 10, 4 pixels above the
    // design bottom of a tall display, framed in the direction colour.
    review->setText({"anything"});
    EXPECT_EQ(review->plainText().left(17), "Data has been imp");
    EXPECT_EQ(review->geometry().left(), 10);
    EXPECT_EQ(review->width(), 610);
    const int bottom = review->screen()->geometry().height() > 600 ? 482 : screen.height();
    EXPECT_EQ(review->geometry().bottom() + 1, bottom - 4);
    EXPECT_GE(review->height(), TTextLbl::KindIconSize);
    const QImage banner = review->grab().toImage();
    const qreal ratio = banner.devicePixelRatio();
    EXPECT_EQ(banner.pixelColor(static_cast<int>((TTextLbl::KindIconSize + 2) * ratio),
                                static_cast<int>(review->height() / 2 * ratio)),
              QColor(0, 99, 68));
    ResetModuleState();
}
}  // namespace
