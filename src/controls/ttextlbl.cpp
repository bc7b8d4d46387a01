#include "controls/ttextlbl.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <algorithm>

#include "base/module_state.h"
#include "controls/markup_qt.h"
#include "controls/text_label_links.h"
#include "controls/ttextlbl_accessible.h"

namespace {
// At scale 1 on a display taller than this, a bottom margin counts from the design bottom.
constexpr int TallDisplayHeight = 600;
constexpr int DesignClientBottom = 482;

std::vector<std::string> Utf8Lines(const QStringList& lines) {
    std::vector<std::string> result;
    result.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) result.push_back(line.toStdString());
    return result;
}

QStringList ToQStringList(const std::vector<std::string>& lines) {
    QStringList result;
    for (const std::string& line : lines) result << QString::fromStdString(line);
    return result;
}

const char* KindResourceName(TTextLblKind kind) {
    switch (kind) {
        case tlkDirection:
            return "DIRECTION";
        case tlkAttention:
            return "ATTENTION";
        case tlkDanger:
            return "DANGER";
        default:
            return nullptr;
    }
}
}  // namespace

// Resources of a static library must be registered by name, outside any namespace.
static void RegisterKindIcons() { Q_INIT_RESOURCE(kind_icons); }

namespace {
QPixmap KindPixmap(TTextLblKind kind, const QString& suffix, int size, qreal ratio) {
    static const bool registered = (RegisterKindIcons(), true);
    (void)registered;
    const char* name = KindResourceName(kind);
    if (!name) return {};
    const QString base = QStringLiteral(":/kinds/%1%2").arg(QLatin1String(name), suffix);
    const QString key = QStringLiteral("orvana%1@%2").arg(base).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    QIcon icon;
    icon.addFile(base + QStringLiteral(".png"));
    icon.addFile(base + QStringLiteral("@2x.png"));
    pixmap = icon.pixmap(QSize(size, size), ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}
}  // namespace

QPixmap TTextLbl::KindIcon(TTextLblKind kind, qreal devicePixelRatio) {
    return KindPixmap(kind, QString(), KindIconSize, devicePixelRatio);
}

QPixmap TTextLbl::SmallKindIcon(TTextLblKind kind, qreal devicePixelRatio) {
    return KindPixmap(kind, QStringLiteral("_SMALL"), SmallIconSize, devicePixelRatio);
}

void RemoveTextLabelAccessibility() { QAccessible::removeFactory(TextLabelAccessibleFactory); }

TTextLbl::TTextLbl(QWidget* parent) : QWidget(parent) {
    QAccessible::installFactory(TextLabelAccessibleFactory);  // Qt ignores a repeat
    HandleLinkKeys(this);
    resize(80, 40);
    setFont(QFont(QStringLiteral("Arial"), 10));
    setMouseTracking(true);
    UpdateFocusPolicy();
}

void TTextLbl::setText(const QStringList& lines) {
    lines_ = lines;
    ContentChanged();
}

void TTextLbl::setKind(TTextLblKind kind) {
    kind_ = kind;
    if (kind != tlkNone) setColor(Qt::white);
    ContentChanged();
}

void TTextLbl::setLineSpacing(int tenths) {
    lineSpacing_ = tenths;
    ContentChanged();
}

void TTextLbl::setSection(int section) {
    section_ = section;
    ContentChanged();
}

void TTextLbl::setCurrentSection(int section) {
    if (section == currentSection_) return;
    currentSection_ = section;
    ContentChanged();
}

void TTextLbl::setCalculateHeight(bool on) {
    calculateHeight_ = on;
    ContentChanged();
}

void TTextLbl::setBottomMargin(int pixels) {
    bottomMargin_ = pixels;
    ContentChanged();
}

void TTextLbl::setParentBottomMargin(int pixels) {
    parentBottomMargin_ = pixels;
    ContentChanged();
}

void TTextLbl::setTransparent(bool on) {
    transparent_ = on;
    update();
}

void TTextLbl::setBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    ContentChanged();
}

void TTextLbl::setBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    ContentChanged();
}

void TTextLbl::setBevelWidth(int width) {
    bevelWidth_ = std::max(1, width);
    ContentChanged();
}

QColor TTextLbl::color() const { return palette().color(QPalette::Window); }

void TTextLbl::setColor(const QColor& color) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color);
    setPalette(colours);
}

void TTextLbl::setTabStop(bool on) {
    tabStop_ = on;
    UpdateFocusPolicy();
}

void TTextLbl::setMode(TTextLabelMode mode) {
    if (mode == mode_) return;
    mode_ = mode;
    UpdateFocusPolicy();
    ContentChanged();
}

void TTextLbl::UpdateFocusPolicy() {
    // Keyboard users reach a label with Tab when it is a tab stop or has links to follow; in
    // vision-impaired mode a click focuses it too, so its focus rectangle shows where the
    // reader is. Elsewhere a click on a link leaves the focus where it was.
    const bool hasLinks = planValid_ && !(plan_.jumps.empty() && plan_.hyperlinks.empty() &&
                                          plan_.screenLinks.empty());
    Qt::FocusPolicy policy = hasLinks ? Qt::TabFocus : Qt::NoFocus;
    if (mode_ == tlmVisionImpaired) policy = hasLinks ? Qt::StrongFocus : Qt::ClickFocus;
    if (tabStop_) policy = Qt::StrongFocus;
    if (policy != focusPolicy()) setFocusPolicy(policy);
}

void TTextLbl::SetScale(int numerator, int denominator) {
    if (numerator <= 0 || denominator <= 0) return;
    scaleNumerator_ = numerator;
    scaleDenominator_ = denominator;
    ContentChanged();
}

double TTextLbl::positionScale() const {
    return static_cast<double>(scaleNumerator_) / scaleDenominator_;
}

double TTextLbl::fontScale() const { return (scaleNumerator_ * 100 / scaleDenominator_) / 100.0; }

void TTextLbl::ContentChanged() {
    ++contentRevision_;
    planValid_ = false;
    problemsReported_ = false;
    update();
}

int TTextLbl::BevelWidths() const {
    return (bevelInner_ != bvNone ? bevelWidth_ : 0) + (bevelOuter_ != bvNone ? bevelWidth_ : 0);
}

MarkupLayoutInput TTextLbl::LayoutInput() {
    MarkupLayoutInput input;
    input.lines = Utf8Lines(LinesToLayOut());
    input.section = section_;
    input.currentSection = currentSection_;
    input.lineSpacing = lineSpacing_;
    input.positionScale = positionScale();
    input.fontScale = fontScale();
    input.baseFont = FromQFont(font(), FromQColor(palette().color(foregroundRole())));
    input.kind = kind_;
    input.kindIconWidth = kind_ != tlkNone ? KindIconSize : 0;
    input.visionImpaired = mode_ == tlmVisionImpaired;
    input.bevelWidths = BevelWidths();
    input.clientHeight = height();
    input.variables = &State().Variables;

    MarkupHandlers& handlers = input.handlers;
    if (OnScreenTag) {
        handlers.screenTag = [this](int id, std::string& tag) {
            QString value = QString::fromStdString(tag);
            OnScreenTag(this, id, value);
            tag = value.toStdString();
        };
    }
    if (OnCheckTag) handlers.checkTag = [this](int id, bool& pass) { OnCheckTag(this, id, pass); };
    if (OnColorTag) {
        handlers.colorTag = [this](int id, MarkupColor& color) {
            QColor value = ToQColor(color, palette());
            OnColorTag(this, id, value);
            color = FromQColor(value);
        };
    }
    if (OnFontTag) {
        handlers.fontTag = [this](const std::string& tag, MarkupFont& markupFont) {
            QFont value = ToQFont(markupFont, font());
            OnFontTag(this, QString::fromStdString(tag), value);
            markupFont = FromQFont(value, markupFont.color);
        };
    }
    if (OnIconTag) {
        handlers.iconTag = [this](const std::string& tag, TTextLblKind& kind) {
            OnIconTag(this, QString::fromStdString(tag), kind);
        };
    }
    return input;
}

void TTextLbl::UpdateLayout() {
    const MarkupLayoutInput input = LayoutInput();
    plan_ = LayOutMarkup(input, QtTextMeasurer(font(), this));
    section_ = plan_.finalSection;
    planValid_ = true;
    const QString spoken = QString::fromStdString(plan_.PlainText());
    if (spoken != accessibleName()) setAccessibleName(spoken);  // screen readers read the text
    UpdateFocusPolicy();
    ReportProblemsLater();
    if (!painting_) {
        FitGeometry();
    } else if (!geometryQueued_) {
        // Moving or resizing in the middle of a paint is left to the event loop.
        geometryQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                geometryQueued_ = false;
                FitGeometry();
            },
            Qt::QueuedConnection);
    }
}

void TTextLbl::EnsureLayout() {
    if (!planValid_) UpdateLayout();
}

void TTextLbl::ReportProblemsLater() {
    // Once per text, not on every repaint; never from inside a paint.
    if (problemsReported_) return;
    problemsReported_ = true;
    if (plan_.unreadableCommands == 0 && !plan_.variableNotLastInTag) return;
    MarkupPlan problems;
    problems.unreadableCommands = plan_.unreadableCommands;
    problems.variableNotLastInTag = plan_.variableNotLastInTag;
    QMetaObject::invokeMethod(
        this, [problems] { ReportMarkupProblems(problems); }, Qt::QueuedConnection);
}

void TTextLbl::FitGeometry() {
    int newHeight = height();
    // A text placed from the bottom would otherwise shrink the label at every layout.
    if (calculateHeight_ && heightRevision_ != contentRevision_) {
        heightRevision_ = contentRevision_;
        newHeight = plan_.endY + bottomMargin_;
        if (kind_ != tlkNone) newHeight = std::max(newHeight, KindIconSize);
    }
    if (kind_ != tlkNone && FramesKind()) newHeight = std::max(newHeight, KindIconSize);
    int newTop = y();
    if (parentBottomMargin_ != -1 && parentWidget()) {
        const bool unscaled = scaleNumerator_ == scaleDenominator_;
        const bool tallDisplay = screen() && screen()->geometry().height() > TallDisplayHeight;
        const int bottom =
            unscaled && tallDisplay ? DesignClientBottom : parentWidget()->contentsRect().height();
        newTop = bottom - newHeight - parentBottomMargin_;
    }
    if (newHeight != height() || newTop != y()) setGeometry(x(), newTop, width(), newHeight);
}

QString TTextLbl::plainText() {
    EnsureLayout();
    return QString::fromStdString(plan_.PlainText());
}

QStringList TTextLbl::plainTextLines() {
    EnsureLayout();
    return ToQStringList(plan_.plainTextLines);
}

const std::vector<TJump>& TTextLbl::jumps() { return layoutPlan().jumps; }
const std::vector<THLink>& TTextLbl::hyperlinks() { return layoutPlan().hyperlinks; }
const std::vector<TScreenLink>& TTextLbl::screenLinks() { return layoutPlan().screenLinks; }

const MarkupPlan& TTextLbl::layoutPlan() {
    EnsureLayout();
    return plan_;
}

QSize TTextLbl::sizeHint() const {
    if (!planValid_) return QSize(80, 40);
    int right = 0;
    for (const MarkupRun& run : plan_.runs) right = std::max(right, run.x + run.width);
    return QSize(right + BevelWidths(), plan_.endY + bottomMargin_);
}

void TTextLbl::DrawBevels(QPainter& painter) const {
    QRect area = rect();
    for (TBevelCut cut : {bevelOuter_, bevelInner_}) {
        if (cut == bvNone) continue;
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        for (int i = 0; i < bevelWidth_; ++i) {
            if (cut != bvSpace) {
                const QColor topLeft = cut == bvRaised ? light : dark;
                const QColor bottomRight = cut == bvRaised ? dark : light;
                painter.setPen(topLeft);
                painter.drawLine(area.topLeft(), area.topRight());
                painter.drawLine(area.topLeft(), area.bottomLeft());
                painter.setPen(bottomRight);
                painter.drawLine(area.bottomLeft(), area.bottomRight());
                painter.drawLine(area.topRight(), area.bottomRight());
            }
            area.adjust(1, 1, -1, -1);
        }
    }
}

void TTextLbl::paintEvent(QPaintEvent*) {
    // Laid out at every paint: the screen's tag handlers may answer differently by now.
    painting_ = true;
    UpdateLayout();
    painting_ = false;

    QPainter painter(this);
    if (!transparent_) painter.fillRect(rect(), color());
    const qreal ratio = devicePixelRatioF();

    if (lines_.isEmpty() && LinesToLayOut().isEmpty()) {
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(rect(), Qt::TextWordWrap, objectName());
        DrawBevels(painter);
        return;
    }

    if (kind_ != tlkNone)
        painter.drawPixmap(QRect(0, 0, KindIconSize, KindIconSize), KindIcon(kind_, ratio));

    const QtTextMeasurer measurer(font(), this);
    for (const MarkupRun& run : plan_.runs) {
        const MarkupFont drawn = plan_.DrawnFont(run, hovered_);
        painter.setFont(ToQFont(drawn, font()));
        painter.setPen(ToQColor(drawn.color, palette()));
        painter.drawText(run.x, run.y + measurer.Ascent(drawn), QString::fromStdString(run.text));
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const MarkupIcon& icon : plan_.icons) {
        painter.drawPixmap(QRect(icon.x, icon.y, SmallIconSize, SmallIconSize),
                           SmallKindIcon(icon.kind, ratio));
    }

    if (kind_ != tlkNone && FramesKind()) {
        painter.setPen(ToQColor(KindFrameColor(kind_)));
        painter.drawRect(KindIconSize + 2, 0, width() - KindIconSize - 3, height() - 1);
    }
    if (mode_ == tlmVisionImpaired && hasFocus()) {
        // Drawn whatever the style: styles that show focus only after a key press would
        // hide it from a reader who clicked.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    DrawBevels(painter);
}

void TTextLbl::UpdateHover(const QPoint& position) {
    EnsureLayout();
    const std::optional<LinkRef> link = plan_.LinkAt(position.x(), position.y());
    if (link && !handCursor_) {
        ownCursor_ = cursor();
        setCursor(Qt::PointingHandCursor);
        handCursor_ = true;
    } else if (!link && handCursor_) {
        setCursor(ownCursor_);
        handCursor_ = false;
    }
    if (link != hovered_) {
        hovered_ = link;
        update();
    }
}

void TTextLbl::ClearHover() {
    if (handCursor_) {
        setCursor(ownCursor_);
        handCursor_ = false;
    }
    hovered_.reset();
    update();
}

void TTextLbl::ActivateLink(const LinkRef& link) { FollowLabelLink(this, link); }

void TTextLbl::mouseMoveEvent(QMouseEvent* event) {
    UpdateHover(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TTextLbl::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton) return;
    UpdateHover(event->position().toPoint());
    // Nothing may touch the label after this: a handler may close the screen.
    if (handCursor_ && hovered_) ActivateLink(*hovered_);
}

void TTextLbl::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick(this);
}

void TTextLbl::mouseDoubleClickEvent(QMouseEvent* event) {
    QWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}

void TTextLbl::leaveEvent(QEvent* event) {
    ClearHover();
    QWidget::leaveEvent(event);
}

void TTextLbl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (mode_ == tlmVisionImpaired) update();
}

void TTextLbl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (mode_ == tlmVisionImpaired) update();
}

void TTextLbl::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    UpdateLayout();
}

void TTextLbl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    planValid_ = false;  // text placed from the bottom moves
}

void TTextLbl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        ContentChanged();
}
