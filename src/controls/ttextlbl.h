#pragma once
// The marked-up text label of the interview screens: draws its lines of markup (sections,
// positions, fonts, colours, links to help topics, screens and web pages, values supplied
// by the screen), optionally with a kind icon and frame. Laid out by the Qt-free markup
// engine; this class measures, paints and handles the mouse and focus.

#include <QColor>
#include <QCursor>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "controls/core/markup_layout.h"
#include "controls/core/text_label_types.h"

// Takes the label's accessibility factory out of Qt before the library is unloaded, so Qt
// never calls into unloaded code.
void RemoveTextLabelAccessibility();

class TTextLbl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QStringList Text READ text WRITE setText)
    Q_PROPERTY(int LineSpacing READ lineSpacing WRITE setLineSpacing)
    Q_PROPERTY(int Section READ section WRITE setSection)
    Q_PROPERTY(int CurrentSection READ currentSection WRITE setCurrentSection)
    Q_PROPERTY(bool CalculateHeight READ calculateHeight WRITE setCalculateHeight)
    Q_PROPERTY(int BottomMargin READ bottomMargin WRITE setBottomMargin)
    Q_PROPERTY(int ParentBottomMargin READ parentBottomMargin WRITE setParentBottomMargin)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)

public:
    // Forms name these as TTextLbl::tlkAttention and so on.
    using enum TTextLblKind;
    using enum TTextLabelMode;
    using enum TBevelCut;

    static constexpr int KindIconSize = 32;

    explicit TTextLbl(QWidget* parent = nullptr);

    QStringList text() const { return lines_; }
    void setText(const QStringList& lines);
    TTextLblKind kind() const { return kind_; }
    void setKind(TTextLblKind kind);
    int lineSpacing() const { return lineSpacing_; }
    void setLineSpacing(int tenths);
    int section() const { return section_; }
    void setSection(int section);
    int currentSection() const { return currentSection_; }
    void setCurrentSection(int section);
    void SetCurrentSection(int section) { setCurrentSection(section); }
    bool calculateHeight() const { return calculateHeight_; }
    void setCalculateHeight(bool on);
    int bottomMargin() const { return bottomMargin_; }
    void setBottomMargin(int pixels);
    int parentBottomMargin() const { return parentBottomMargin_; }
    void setParentBottomMargin(int pixels);
    bool transparent() const { return transparent_; }
    void setTransparent(bool on);
    TBevelCut bevelInner() const { return bevelInner_; }
    void setBevelInner(TBevelCut cut);
    TBevelCut bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(TBevelCut cut);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    QColor color() const;
    void setColor(const QColor& color);
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool on);
    TTextLabelMode mode() const { return mode_; }
    void setMode(TTextLabelMode mode);

    // Position scale m/d; the font scale is m/d truncated to two decimals. The label's own
    // font stays at its base size; whoever scales a screen calls this instead.
    void SetScale(int numerator, int denominator);
    double positionScale() const;
    double fontScale() const;

    // The text as last laid out (laid out now when something changed since).
    QString plainText();
    QStringList plainTextLines();
    const std::vector<TJump>& jumps();
    const std::vector<THLink>& hyperlinks();
    const std::vector<TScreenLink>& screenLinks();
    const MarkupPlan& layoutPlan();
    std::optional<LinkRef> hoveredLink() const { return hovered_; }

    // Lays the text out now and fits height and position (CalculateHeight, ParentBottomMargin).
    void UpdateLayout();

    QSize sizeHint() const override;

    // The kind icons, shared by all labels: large at KindIconSize, small at 12 pixels.
    static QPixmap KindIcon(TTextLblKind kind, qreal devicePixelRatio);
    static QPixmap SmallKindIcon(TTextLblKind kind, qreal devicePixelRatio);

    std::function<void(TTextLbl* sender, int JumpID, const QString& LinkURL)> OnJumpClick;
    std::function<void(TTextLbl* sender, int ScreenID)> OnScreenClick;
    std::function<void(TTextLbl* sender, int ScreenTagID, QString& Tag)> OnScreenTag;
    std::function<void(TTextLbl* sender, int CheckTagID, bool& Pass)> OnCheckTag;
    std::function<void(TTextLbl* sender, int ColorTagID, QColor& TagColor)> OnColorTag;
    std::function<void(TTextLbl* sender, const QString& aTag, QFont& aFont)> OnFontTag;
    std::function<void(TTextLbl* sender, const QString& aTag, TTextLblKind& aIconKind)> OnIconTag;
    std::function<void(TTextLbl* sender)> OnClick;
    std::function<void(TTextLbl* sender)> OnDblClick;

protected:
    // The lines laid out; the review banner always lays out its own.
    virtual QStringList LinesToLayOut() const { return lines_; }
    // Whether the text area gets a frame in the kind's colour.
    virtual bool FramesKind() const { return kind_ == tlkAttention; }

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    void ContentChanged();

private:
    MarkupLayoutInput LayoutInput();
    void EnsureLayout();
    void ReportProblemsLater();
    void FitGeometry();
    void UpdateHover(const QPoint& position);
    void ClearHover();
    void ActivateLink(const LinkRef& link);
    void UpdateFocusPolicy();
    int BevelWidths() const;
    void DrawBevels(QPainter& painter) const;

    QStringList lines_;
    TTextLblKind kind_ = tlkNone;
    int lineSpacing_ = 10;
    int section_ = 1;
    int currentSection_ = 1;
    bool calculateHeight_ = false;
    int bottomMargin_ = 3;
    int parentBottomMargin_ = -1;
    bool transparent_ = false;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvNone;
    int bevelWidth_ = 1;
    bool tabStop_ = false;
    TTextLabelMode mode_ = tlmStandard;
    int scaleNumerator_ = 1;
    int scaleDenominator_ = 1;

    MarkupPlan plan_;
    bool planValid_ = false;
    bool problemsReported_ = false;
    bool painting_ = false;
    bool geometryQueued_ = false;
    int contentRevision_ = 0;
    int heightRevision_ = -1;  // content revision whose height was last applied
    std::optional<LinkRef> hovered_;
    bool handCursor_ = false;
    QCursor ownCursor_;
};
