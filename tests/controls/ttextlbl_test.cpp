#include "controls/ttextlbl.h"

#include <gtest/gtest.h>

#include <QTest>

#include "base/module_state.h"
#include "gui_test_util.h"
#include "scripted_responder.h"

namespace {
QPoint CentreOf(const MarkupRect& rect) {
    return QPoint(rect.left + rect.width / 2, rect.top + rect.height / 2);
}

QRect ToQRect(const MarkupRect& rect) {
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

// The bounding box of the pixels that differ between two grabs of the same size.
QRect DifferingArea(const QImage& a, const QImage& b) {
    QRect area;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) area |= QRect(x, y, 1, 1);
    return area;
}

bool HasPixel(const QImage& image, const std::function<bool(QColor)>& test) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y))) return true;
    return false;
}

bool Reddish(QColor c) { return c.red() > 200 && c.green() < 90 && c.blue() < 90; }

class TextLabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        State().Variables.SetVariable("@TaxYear", "2006");
        host.resize(640, 400);
        host.setPalette(QPalette(Qt::black, Qt::white));
        label = new TTextLbl(&host);
        label->setObjectName("QuestionLbl");
        label->setGeometry(10, 10, 500, 60);
    }
    void TearDown() override { ResetModuleState(); }

    void Show() {
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }
    QImage Grab() { return label->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QWidget host;
    TTextLbl* label = nullptr;
};

TEST_F(TextLabelTest, ClickingLinksCallsTheirHandlersOrTheShell) {
    label->setText({"See <C12;T4;J122>the guide<.> or <G2010>screen 10<.>",
                    "Visit <Hhttp://example.com/cgt>the web site<.>"});
    std::vector<std::pair<int, QString>> jumps;
    std::vector<int> screens;
    std::vector<std::string> opened;
    label->OnJumpClick = [&](TTextLbl* sender, int id, const QString& url) {
        EXPECT_EQ(sender, label);
        jumps.emplace_back(id, url);
    };
    label->OnScreenClick = [&](TTextLbl*, int id) { screens.push_back(id); };
    State().ShellOpenHook = [&](const std::string& target) { opened.push_back(target); };
    Show();

    const QPoint jump = CentreOf(label->jumps().at(0).rects.at(0));
    QTest::mouseClick(label, Qt::RightButton, {}, jump);
    EXPECT_TRUE(jumps.empty());
    QTest::mouseMove(label, jump);
    QTest::mouseClick(label, Qt::LeftButton, {}, jump);
    ASSERT_EQ(jumps.size(), 1u);
    EXPECT_EQ(jumps[0].first, 122);
    EXPECT_TRUE(jumps[0].second.isEmpty());

    QTest::mouseClick(label, Qt::LeftButton, {}, CentreOf(label->screenLinks().at(0).rects.at(0)));
    EXPECT_EQ(screens, std::vector<int>{2010});
    QTest::mouseClick(label, Qt::LeftButton, {}, CentreOf(label->hyperlinks().at(0).rects.at(0)));
    EXPECT_EQ(opened, std::vector<std::string>{"http://example.com/cgt"});

    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(2, 5));  // on "See"
    EXPECT_EQ(jumps.size() + screens.size() + opened.size(), 3u);
}

TEST_F(TextLabelTest, HoveringShowsTheHandAndUnderlinesExactlyTheHoveredLink) {
    label->setText({"<C12;J1>First link<.> and <C12;J2>second link<.>"});
    label->setCursor(Qt::IBeamCursor);
    Show();
    const QRect first = ToQRect(label->jumps().at(0).rects.at(0));
    const QRect second = ToQRect(label->jumps().at(1).rects.at(0));
    const QImage plain = Grab();

    QTest::mouseMove(label, first.center());
    EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_TRUE(WaitUntil([&] { return Grab() != plain; }));
    QRect changed = DifferingArea(plain, Grab());
    EXPECT_TRUE(first.contains(changed)) << "underline drawn outside the hovered link";
    EXPECT_GT(changed.width(), first.width() / 2);

    QTest::mouseMove(label, second.center());
    ASSERT_TRUE(WaitUntil([&] { return second.contains(DifferingArea(plain, Grab())); }));
    EXPECT_EQ(label->hoveredLink(), (LinkRef{LinkType::Jump, 1}));

    QTest::mouseMove(label, QPoint(second.right() + 30, second.center().y()));
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);  // the label's own cursor again
    ASSERT_TRUE(WaitUntil([&] { return Grab() == plain; }));

    QTest::mouseMove(label, first.center());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_FALSE(label->hoveredLink());
    EXPECT_EQ(label->cursor().shape(), Qt::IBeamCursor);
}

TEST_F(TextLabelTest, AnAttentionLabelIsAtLeastItsIconHighAndFramed) {
    label->setGeometry(10, 10, 400, 16);
    label->setKind(tlkAttention);
    label->setText({"Check this."});
    Show();
    EXPECT_GE(label->height(), TTextLbl::KindIconSize);
    const QImage image = Grab();
    const QColor frame(244, 193, 0);
    const int left = TTextLbl::KindIconSize + 2;
    EXPECT_EQ(image.pixelColor(left, label->height() / 2), frame);
    EXPECT_EQ(image.pixelColor(label->width() - 1, label->height() / 2), frame);
    EXPECT_EQ(image.pixelColor(left + 50, 0), frame);
    EXPECT_EQ(image.pixelColor(left + 50, label->height() - 1), frame);
    EXPECT_EQ(image.pixelColor(left + 5, label->height() - 2), QColor(Qt::white));  // kind: white
    EXPECT_NE(image.pixelColor(16, 16), QColor(Qt::white));                         // the icon

    // Calculated height keeps the icon's height too; other kinds draw no frame.
    label->setCalculateHeight(true);
    label->UpdateLayout();
    EXPECT_EQ(label->height(), TTextLbl::KindIconSize);
    label->setKind(tlkDanger);
    label->UpdateLayout();
    EXPECT_EQ(Grab().pixelColor(left, label->height() / 2), QColor(Qt::white));
}

TEST_F(TextLabelTest, VisionImpairedModeIgnoresColoursAndStylesAndTakesFocus) {
    label->setText({"<C10;T1;S16>Important text"});
    Show();
    EXPECT_TRUE(HasPixel(Grab(), Reddish));
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(label->hasFocus());

    label->setMode(tlmVisionImpaired);
    const QImage unfocused = Grab();
    EXPECT_FALSE(HasPixel(unfocused, Reddish));
    EXPECT_EQ(label->layoutPlan().runs.at(0).font.style, 0);
    EXPECT_EQ(label->layoutPlan().runs.at(0).x, 2);

    host.activateWindow();
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(WaitUntil([&] { return label->hasFocus(); }));
    EXPECT_NE(DifferingArea(unfocused, Grab()), QRect()) << "no focus rectangle";

    // As a tab stop it is reached with the keyboard.
    auto* before = new QLineEdit(&host);
    before->show();
    label->setTabStop(true);
    QWidget::setTabOrder(before, label);
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(label->hasFocus());
}

TEST_F(TextLabelTest, CalculatedHeightAndBottomPlacement) {
    label->setText({"One", "Two", "<Y-5>From the bottom"});
    label->setCalculateHeight(true);
    label->setBottomMargin(4);
    label->setParentBottomMargin(6);
    Show();
    const int height = label->height();
    EXPECT_EQ(label->layoutPlan().runs.at(0).y, 0);
    EXPECT_GT(height, 4);
    // Unscaled on a display taller than 600 pixels the bottom is the design bottom, 482.
    const bool tallDisplay = label->screen()->geometry().height() > 600;
    EXPECT_EQ(label->y(), (tallDisplay ? 482 : host.height()) - height - 6);

    // Laid out again and again, a text placed from the bottom does not keep shrinking it.
    for (int i = 0; i < 5; ++i) {
        label->repaint();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(label->height(), height);

    label->setText({"One", "Two", "Three"});
    label->SetScale(11, 10);  // scaled: the parent's own bottom counts
    label->UpdateLayout();
    QFont scaledFont = label->font();
    scaledFont.setPointSize(11);  // 10 points times 1.1
    EXPECT_EQ(label->height(), 3 * QFontMetrics(scaledFont, label).height() + 4);
    EXPECT_EQ(label->y(), host.height() - label->height() - 6);
    host.resize(640, 300);
    label->UpdateLayout();
    EXPECT_EQ(label->y(), 300 - label->height() - 6);
}

TEST_F(TextLabelTest, SectionsHandlersAndPlainText) {
    label->setText({"<s1><T1>Existing worksheets<.>", ";", "<s2><T1>Concessions<.>",
                    "<s999>Asset <V710><v5> (hidden)", "<s999><c7>Coloured<fmono>Mono<iwarn>"});
    label->OnScreenTag = [](TTextLbl*, int id, QString& tag) {
        if (id == 710) tag = QStringLiteral("Caf\u00e9 shares");
    };
    label->OnCheckTag = [](TTextLbl*, int id, bool& pass) { pass = id != 5; };
    label->OnColorTag = [](TTextLbl*, int, QColor& colour) { colour = QColor(1, 2, 3); };
    label->OnFontTag = [](TTextLbl*, const QString& tag, QFont& font) {
        if (tag == "mono") font.setFamily("Courier New");
    };
    label->OnIconTag = [](TTextLbl*, const QString&, TTextLblKind& kind) { kind = tlkDanger; };
    Show();
    EXPECT_EQ(label->plainText().toStdString(),
              "Existing worksheets Asset Caf\u00e9 shares Coloured Mono");  // runs joined by spaces
    EXPECT_EQ(label->plainTextLines().size(), 5);
    const MarkupPlan& plan = label->layoutPlan();
    EXPECT_EQ(plan.runs.at(3).font.color, MarkupColor::FromRgb(1, 2, 3));
    EXPECT_EQ(plan.runs.at(4).font.name, "Courier New");
    EXPECT_EQ(plan.icons.size(), 1u);

    label->setCurrentSection(2);
    EXPECT_EQ(label->plainText().left(11), "Concessions");
    EXPECT_EQ(label->section(), 999);
}

TEST_F(TextLabelTest, UnreadableCommandsBeepOnceNotOnEveryPaint) {
    BeepCounter beeps;
    ScriptedResponder responder;
    label->setText({"<Xab>text <T1;@TaxYear;C12>"});
    Show();
    for (int i = 0; i < 3; ++i) {
        label->repaint();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(responder.Texts(),
              std::vector<std::string>{"@Variables must be declared without other modifiers"});
    EXPECT_TRUE(label->plainText().endsWith("2006"));

    label->setText({"<S>again"});
    label->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(beeps.Count(), 2);
}

TEST_F(TextLabelTest, ScalingMovesTextAndScalesFonts) {
    label->setText({"<X100>Indented<S12>big"});
    label->SetScale(4, 3);
    EXPECT_DOUBLE_EQ(label->fontScale(), 1.33);
    EXPECT_NEAR(label->positionScale(), 4.0 / 3, 1e-12);
    const MarkupPlan& plan = label->layoutPlan();
    EXPECT_EQ(plan.runs.at(0).x, 133);
    EXPECT_EQ(plan.runs.at(0).font.size, 13);  // 10 * 1.33
    EXPECT_EQ(plan.runs.at(1).font.size, 15);  // 12 * 1.33
    label->SetScale(1, 1);
    EXPECT_EQ(label->layoutPlan().runs.at(0).x, 100);
}

TEST_F(TextLabelTest, BevelsFrameTheTextAndAnEmptyLabelShowsItsName) {
    label->setText({"Text"});
    label->setBevelOuter(bvRaised);
    label->setBevelInner(bvLowered);
    label->setBevelWidth(2);
    Show();
    EXPECT_EQ(label->layoutPlan().runs.at(0).x, 4);
    EXPECT_EQ(label->layoutPlan().runs.at(0).y, 4);
    const QImage image = Grab();
    const QPalette& colours = label->palette();
    EXPECT_EQ(image.pixelColor(0, 10), colours.color(QPalette::Light));
    EXPECT_EQ(image.pixelColor(label->width() - 1, 10), colours.color(QPalette::Dark));
    EXPECT_EQ(image.pixelColor(2, 10), colours.color(QPalette::Dark));  // lowered inside
    label->setBevelOuter(bvNone);
    label->setBevelInner(bvNone);

    label->setText({});
    const QImage empty = Grab();
    label->setObjectName(QString());
    EXPECT_NE(DifferingArea(empty, Grab()), QRect());
}
}  // namespace
