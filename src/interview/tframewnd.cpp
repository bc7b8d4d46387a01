#include "interview/tframewnd.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>
#include <cmath>

#include "base/dates.h"
#include "base/input_box.h"
#include "base/module_state.h"
#include "controls/thyperlinksform.h"
#include "controls/treviewlabel.h"
#include "controls/ttablecolumndescriptionform.h"
#include "controls/ttaxedit.h"
#include "controls/ttextlbl.h"
#include "controls/txgrid.h"
#include "interview/button_keys.h"
#include "interview/core/screen_table.h"
#include "interview/core/tcgtnavigatordata.h"
#include "interview/core/tnavigatoritem.h"
#include "interview/field_binding.h"
#include "interview/screen_accessibility.h"
#include "interview/screen_catalogue.h"
#include "interview/screen_scaling.h"
#include "interview/tab_order.h"
#include "interview/tchildform.h"
#include "interview/tnavigatorframe.h"
#include "platform/module_help.h"
#include "platform/qt_message_box.h"
#include "platform/shell_open.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"
#include "tools/tgettagform.h"

namespace {

constexpr int DesignWidth = 790;
constexpr int DesignHeight = 535;
constexpr int TitleHeight = 24;
constexpr int ButtonPanelHeight = 36;
constexpr int LeftPanelWidth = 162;
constexpr int NavigatorLeft = 12;
constexpr int NavigatorTop = 8;
constexpr int NavigatorBottomMargin = 41;
// Below nine tenths of the design size text is hard to read: the screen scrolls instead.
constexpr int MinimumScaleNumerator = 9;
constexpr int MinimumScaleDenominator = 10;
const QColor TitleColour(212, 134, 37);

int StretchedLength(int designLength, int current, int design) {
    return static_cast<int>(std::lround(double(designLength) * current / design));
}
const QColor WorksheetPanelColour(235, 235, 235);

// A panel placed by its parent (top, bottom, left or filling), which the resizer leaves alone.
QWidget* AlignedPanel(QWidget* parent, const char* name, const QColor& colour) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setProperty("aligned", true);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    return panel;
}

// The two-pixel rule across the top of the button panel.
class ButtonPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.fillRect(QRect(10, 0, width() - 20, 2), QColor(160, 160, 160));
    }
};

QPushButton* PanelButton(QWidget* parent, const QString& caption, const QString& hint, int left) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(left, 7, 75, 25);
    button->setToolTip(hint);
    // Clicks do not take the focus: the button commits the input first (CommitFocus).
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

TXGrid* GridOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* grid = qobject_cast<TXGrid*>(w)) return grid;
    return nullptr;
}

bool BlankEntryText(const QString& text) {
    return text.trimmed().isEmpty() || text == QLatin1String(EmptyDateMask);
}

// What the focus goes to when a screen is shown outside the screen-reader mode: the first
// control that takes input, not a text label with links.
bool TakesInput(const QWidget* widget) { return !qobject_cast<const TTextLbl*>(widget); }

bool AnyStop(const QWidget*) { return true; }

// The old screen goes and buttons hide while the focus sits on the pressed button or the
// navigator; parked nowhere, it moves once, to the new screen, instead of through every
// control on the way. Focus inside the screen stays: leaving it would validate again.
void ParkFocus(const QWidget* frame, const QWidget* screen) {
    QWidget* focused = QApplication::focusWidget();
    if (focused && frame->isAncestorOf(focused) && !(screen && screen->isAncestorOf(focused)))
        focused->clearFocus();
}

}  // namespace

TFrameWnd::TFrameWnd(QWidget* mainWindow, InterviewHost* host) : QWidget(mainWindow), host_(host) {
    setObjectName(QStringLiteral("FrameWnd"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    resize(DesignWidth, DesignHeight);
    BuildLayout();
    BuildButtons();
    BuildHelpdeskTools();
    LayoutPanels();

    ModuleState& state = State();
    state.FrameWnd = this;
    state.WorksheetScreen = this;
    state.ScreenShown = false;

    NavigatorFrame->Initialise(&TCGTNavigatorData::Instance());
    NavigatorFrame->SetOnSelectItem([this](TNavigatorFrame* sender, TNavigatorItem* item) {
        NavigatorSelectItem(sender, item);
    });
    designNavigatorFont_ = NavigatorFrame->FontPointSize();
    designTitleFont_ = TitleLabel->font().pixelSize();
    designCloseFont_ = BtnCancel->font().pixelSize();
    FormResizer1.Initialise(this);
}

TFrameWnd::~TFrameWnd() {
    ModuleState& state = State();
    if (state.FrameWnd == this) state.FrameWnd = nullptr;
    if (state.WorksheetScreen == this) state.WorksheetScreen = nullptr;
    delete screen_.data();
}

void TFrameWnd::BuildLayout() {
    TitlePanel = AlignedPanel(this, "TitlePanel", TitleColour);
    TitleLabel = new QLabel(QStringLiteral("I want you to know ..."), TitlePanel);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    TitleLabel->setProperty("aligned", true);
    TitleLabel->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);
    TitleLabel->setStyleSheet(QStringLiteral("color: white;"));

    ImagePanel = AlignedPanel(this, "ImagePanel", Qt::white);
    NavigatorFrame = new TNavigatorFrame(ImagePanel);
    // Placed with the left panel, not stretched by the resizer.
    NavigatorFrame->setProperty("aligned", true);
    NavigatorFrame->hide();

    ActionPanel = new QWidget(ImagePanel);
    ActionPanel->setObjectName(QStringLiteral("ActionPanel"));
    ActionPanel->setGeometry(6, 8, 150, 236);
    ActionPanel->setAutoFillBackground(true);
    QPalette actionPalette = ActionPanel->palette();
    actionPalette.setColor(QPalette::Window, WorksheetPanelColour);
    ActionPanel->setPalette(actionPalette);
    WsheetHdrLbl = new TTextLbl(ActionPanel);
    WsheetHdrLbl->setObjectName(QStringLiteral("WsheetHdrLbl"));
    WsheetHdrLbl->setGeometry(0, 4, 150, 36);
    WsheetHdrLbl->setTransparent(true);
    WsheetHdrLbl->setText({QStringLiteral("<s1><AC><X75><T1>Existing worksheets<.>"),
                           QStringLiteral(";"), QStringLiteral("<s2><AC><X75><T1>Concessions<.>")});
    lstPickList = new TWorksheetPickList(ActionPanel);
    lstPickList->OnChoose = [this] { lstPickListClick(); };
    lstPickList->setObjectName(QStringLiteral("lstPickList"));
    lstPickList->setGeometry(4, 40, 142, 160);
    lstPickList->setAccessibleName(WsheetHdrLbl->plainText());
    btnRemove = new QPushButton(QStringLiteral("Delete"), ActionPanel);
    btnRemove->setObjectName(QStringLiteral("btnRemove"));
    btnRemove->setGeometry(37, 206, 75, 24);
    connect(btnRemove, &QPushButton::clicked, this, [this] { btnRemoveClick(); });
    LetEnterPressButtons(ActionPanel);
    ActionPanel->hide();

    ScreenIdLabel = new QLabel(QStringLiteral("Screen %d"), ImagePanel);
    ScreenIdLabel->setObjectName(QStringLiteral("ScreenIdLabel"));
    QFont idFont(QStringLiteral("Arial"));
    idFont.setPixelSize(11);
    ScreenIdLabel->setFont(idFont);
    ScreenIdLabel->setStyleSheet(QStringLiteral("color: #606060;"));

    screenArea_ = new QScrollArea(this);
    screenArea_->setObjectName(QStringLiteral("ClientPanel"));
    screenArea_->setProperty("aligned", true);
    screenArea_->setFrameShape(QFrame::NoFrame);
    screenArea_->setWidgetResizable(true);
    // Not a Tab stop: it scrolls to the control that has the focus.
    screenArea_->setFocusPolicy(Qt::NoFocus);
    // A palette, not a style sheet: a style sheet here would restyle every control on the screens.
    QPalette white = screenArea_->palette();
    white.setColor(QPalette::Window, Qt::white);
    screenArea_->setPalette(white);
    screenArea_->viewport()->setAutoFillBackground(true);
    screenArea_->viewport()->setPalette(white);
    ClientPanel = screenArea_;

    BtnPanel = new ButtonPanel(this);
    BtnPanel->setObjectName(QStringLiteral("BtnPanel"));
    BtnPanel->setProperty("aligned", true);
}

void TFrameWnd::BuildButtons() {
    BtnIntHelp = PanelButton(BtnPanel, QStringLiteral("&More"),
                             QStringLiteral("Read more on this item."), 172);
    BtnYes = PanelButton(BtnPanel, QStringLiteral("&Yes"),
                         QStringLiteral("Click here if your answer to the question(s) asked on the "
                                        "screen is Yes."),
                         292);
    QFont bold = BtnYes->font();
    bold.setBold(true);
    BtnYes->setFont(bold);
    BtnNo = PanelButton(BtnPanel, QStringLiteral("N&o"),
                        QStringLiteral("Click here if your answer to the question(s) asked on the "
                                       "screen is No."),
                        372);
    JumpBtn = PanelButton(BtnPanel, QStringLiteral("&Jump"), QString(), 452);
    BtnPrev = PanelButton(
        BtnPanel, QStringLiteral("&Prev"),
        QStringLiteral("Backtrack the interview to the screen previously viewed."), 545);
    BtnNext = PanelButton(BtnPanel, QStringLiteral("&Next"),
                          QStringLiteral("Proceeds to the next stage of the interview."), 625);
    BtnCancel = PanelButton(BtnPanel, QStringLiteral("&Close"),
                            QStringLiteral("Leave the interview process."), 705);
    BtnIntHelp->setObjectName(QStringLiteral("BtnIntHelp"));
    BtnYes->setObjectName(QStringLiteral("BtnYes"));
    BtnNo->setObjectName(QStringLiteral("BtnNo"));
    JumpBtn->setObjectName(QStringLiteral("JumpBtn"));
    BtnPrev->setObjectName(QStringLiteral("BtnPrev"));
    BtnNext->setObjectName(QStringLiteral("BtnNext"));
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    // Tab follows the buttons from left to right.
    setTabOrder(BtnPrev, BtnNext);
    setTabOrder(BtnNext, BtnCancel);
    // Drawn as the default answer, and so reported to screen readers.
    BtnYes->setDefault(true);
    BtnYes->hide();
    BtnNo->hide();
    JumpBtn->hide();

    connect(BtnNext, &QPushButton::clicked, this, [this] { BtnNextClick(); });
    connect(BtnPrev, &QPushButton::clicked, this, [this] { BtnPrevClick(); });
    connect(BtnYes, &QPushButton::clicked, this, [this] { BtnYesNoClick(BtnYes); });
    connect(BtnNo, &QPushButton::clicked, this, [this] { BtnYesNoClick(BtnNo); });
    connect(BtnCancel, &QPushButton::clicked, this, [this] { BtnCancelClick(); });
    connect(BtnIntHelp, &QPushButton::clicked, this, [this] { BtnIntHelpClick(); });
    connect(JumpBtn, &QPushButton::clicked, this, [this] { JumpBtnClick(); });
    LetEnterPressButtons(BtnPanel);
}

void TFrameWnd::BuildHelpdeskTools() {
    btnBack = new QPushButton(QStringLiteral("<<"), TitlePanel);
    btnBack->setObjectName(QStringLiteral("btnBack"));
    btnBack->setToolTip(QStringLiteral("Load previous screen"));
    btnBack->setGeometry(4, 2, 28, 20);
    btnScan = new QPushButton(QStringLiteral(">>"), TitlePanel);
    btnScan->setObjectName(QStringLiteral("btnScan"));
    btnScan->setToolTip(QStringLiteral("Load next screen "));
    btnScan->setGeometry(34, 2, 28, 20);
    btnInternals = new QPushButton(QStringLiteral("Tags"), TitlePanel);
    btnInternals->setObjectName(QStringLiteral("btnInternals"));
    btnInternals->setGeometry(DesignWidth - 64, 2, 60, 20);
    for (QPushButton* tool : {btnBack, btnScan, btnInternals}) tool->setFocusPolicy(Qt::NoFocus);
    connect(btnBack, &QPushButton::clicked, this, [this] { btnBackClick(); });
    connect(btnScan, &QPushButton::clicked, this, [this] { btnScanClick(); });
    const bool helpdesk = State().HelpdeskMode;
    btnBack->setVisible(helpdesk);
    btnScan->setVisible(helpdesk);
    JumpBtn->setVisible(helpdesk);
    btnInternals->setVisible(helpdesk);
    connect(btnInternals, &QPushButton::clicked, this, [this] { btnInternalsClick(); });
    if (helpdesk) {
        auto* exit = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
        exit->setContext(Qt::WindowShortcut);
        connect(exit, &QShortcut::activated, this, [this] {
            if (host_) host_->RequestExit();
        });
    }
}

void TFrameWnd::LayoutPanels() {
    // The panels stretch with the window as the resizer stretches the controls inside them,
    // so that the buttons always fit their row.
    const int w = width(), h = height();
    const QSize design = designFrameSize_.isEmpty() ? size() : designFrameSize_;
    const int titleHeight = StretchedLength(TitleHeight, h, design.height());
    const int buttonRowHeight = StretchedLength(ButtonPanelHeight, h, design.height());
    // The left panel keeps the width its smallest navigator text needs.
    const int leftWidth =
        std::max(StretchedLength(LeftPanelWidth, w, design.width()),
                 LeftPanelWidth * MinimumScaleNumerator / MinimumScaleDenominator);
    TitlePanel->setGeometry(0, 0, w, titleHeight);
    TitleLabel->setGeometry(0, 0, w, titleHeight);
    btnInternals->move(w - 64, 2);
    BtnPanel->setGeometry(0, h - buttonRowHeight, w, buttonRowHeight);
    const int middle = h - titleHeight - buttonRowHeight;
    ImagePanel->setGeometry(0, titleHeight, leftWidth, middle);
    screenArea_->setGeometry(leftWidth, titleHeight, w - leftWidth, middle);
    ScreenIdLabel->setGeometry(10, middle - 18, leftWidth - 20, 16);
    const int navigatorTop = StretchedLength(NavigatorTop, h, design.height());
    NavigatorFrame->setGeometry(
        NavigatorLeft, navigatorTop, leftWidth - 2 * NavigatorLeft,
        middle - navigatorTop - StretchedLength(NavigatorBottomMargin, h, design.height()));
}

void TFrameWnd::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayoutPanels();
    FormResizer1.Resize();
    LayoutPanels();
}

bool TFrameWnd::event(QEvent* event) {
    const int type = static_cast<int>(event->type());
    if (type == MsgShowScreen) {
        if (showing_) {
            showPending_ = true;
        } else {
            const ModuleState& state = State();
            // The screen already shown is re-created only when a rescale asks for it.
            const bool alreadyShown = state.ScreenShown && screen_ && !skipLeaveCheck_ &&
                                      state.ScreenGroup == lastGroup_ &&
                                      state.ScreenIndex == lastIndex_;
            if (!alreadyShown) ShowScreen();
        }
        return true;
    }
    if (type == MsgClearComboSelection) {
        if (auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget()))
            if (combo->lineEdit()) combo->lineEdit()->deselect();
        return true;
    }
    if (event->type() == QEvent::Show && designClientSize_.isEmpty()) {
        const bool handled = QWidget::event(event);
        designFrameSize_ = size();
        designClientSize_ = ClientPanel->size();
        return handled;
    }
    return QWidget::event(event);
}

void TFrameWnd::PostShowScreen() {
    QCoreApplication::postEvent(this, new QEvent(QEvent::Type(MsgShowScreen)));
}

bool TFrameWnd::RunLeaveCheck() {
    if (!leaveCheck_) return true;
    mayLeave_ = true;
    leaveCheck_();
    if (!mayLeave_) {
        mayLeave_ = true;
        return false;
    }
    leaveCheck_ = nullptr;
    return true;
}

bool TFrameWnd::LeaveCheckPasses() {
    if (!leaveCheck_) return true;
    mayLeave_ = true;
    leaveCheck_();
    const bool allowed = mayLeave_;
    mayLeave_ = true;
    return allowed;
}

void TFrameWnd::LeaveCurrentScreen() {
    ModuleState& state = State();
    if (!state.ScreenShown || !screen_) return;
    SaveScreenFields();
    if (state.CurrentWorksheet != 0) CloseWorksheet();
    TChildForm* old = screen_.data();
    screenArea_->takeWidget();
    screen_ = nullptr;
    delete old;
    leaveCheck_ = nullptr;
    state.ScreenShown = false;
    NavigatorFrame->hide();
    ActionPanel->hide();
}

bool TFrameWnd::ShowScreen() {
    ModuleState& state = State();
    // 1. The leave check, unless a rescale re-creates the same screen.
    if (skipLeaveCheck_) {
        skipLeaveCheck_ = false;
    } else if ((state.ScreenShown && state.ScreenGroup != lastGroup_) ||
               state.ScreenIndex != lastIndex_) {
        if (!RunLeaveCheck()) {
            state.ScreenGroup = lastGroup_;
            state.ScreenIndex = lastIndex_;
            SyncNavigator();
            return false;
        }
    }
    showing_ = true;
    nextHandler_ = nullptr;
    ParkFocus(this, screen_);
    LeaveCurrentScreen();
    if (lastGroup_ > 0 && lastGroup_ != state.ScreenGroup) state.StoreChanged = true;
    BtnYes->hide();
    BtnNo->hide();
    BtnCancel->show();
    BtnPrev->show();

    // 6. Numbering and the catalogue; a number without a screen ends the interview.
    const int32_t number = ApplyGroup20Rule(state.ScreenGroup, state.ScreenIndex);
    scaled_ = false;
    TChildForm* screen = CreateScreen(number);
    if (!screen) {
        showing_ = false;
        showPending_ = false;
        failedScreen_ = number;
        EndInterview();
        return true;
    }

    // 7. History.
    state.ScreenShown = true;
    screen_ = screen;
    if (!goingBack_ && (state.ScreenGroup != lastGroup_ || state.ScreenIndex != lastIndex_))
        state.ScreenHistory.push_back(number);
    goingBack_ = false;
    lastGroup_ = state.ScreenGroup;
    lastIndex_ = state.ScreenIndex;

    // 8. Buttons follow the screen's flags; Next shows exactly when No does not.
    ScreenIdLabel->setText(QStringLiteral("Screen %1").arg(number));
    BtnYes->setVisible(screen->ShowYesButton());
    BtnNo->setVisible(screen->ShowNoButton());
    BtnPrev->setVisible(screen->ShowPrevButton());
    BtnIntHelp->show();
    BtnNext->setVisible(!screen->ShowNoButton());

    // 9 to 11. Load, place, scale, grids, screen-reader mode.
    PrepareShownScreen(screen);

    // 12. Show: the screen's show handler makes its buttons and panels visible and
    // registers its hooks.
    screen->show();
    screen->FormShow();
    screen->raise();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (screen_ != screen) {
        showing_ = false;
        return true;
    }
    screen->update();

    // 13. Title and navigator.
    if (!screen->Caption().isEmpty()) TitleLabel->setText(screen->Caption());
    BtnNext->setVisible(BtnNo->isHidden());
    if (NavigatorVisible()) SyncNavigator();

    // 14 and 15. Focus, then let the labels paint.
    FocusScreen(screen);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (screen_ == screen)
        for (TTextLbl* label : screen->findChildren<TTextLbl*>()) label->update();
    showing_ = false;
    if (showPending_) {
        showPending_ = false;
        PostShowScreen();
    }
    return true;
}

void TFrameWnd::PrepareShownScreen(TChildForm* screen) {
    LoadScreenFields();
    screen->setMinimumSize(screen->size());
    screenArea_->setWidget(screen);
    screenArea_->verticalScrollBar()->setSingleStep(screen->ScrollLineStep());
    if (scaleNumerator_ != scaleDenominator_) {
        ScaleScreenBy(screen, scaleNumerator_, scaleDenominator_);
        scaled_ = true;
    }
    for (TXGrid* grid : screen->findChildren<TXGrid*>())
        grid->OnKeyDown = [this](TXGrid* sender, QKeyEvent* key, bool& handled) {
            GridKeyDown(sender, key, handled);
        };
    if (State().VisionImpairedMode)
        ApplyVisionImpairedMode(screen);
    else if (screen->ReorderTabs())
        OrderTabsByPosition(screen);
    // The left panel comes before the screen; the buttons follow it.
    ChainButtonsAfter(screen);
    LetEnterPressButtons(screen);
}

void TFrameWnd::ChainButtonsAfter(const QWidget* screen) {
    ChainAfter(screen, {BtnIntHelp, BtnYes, BtnNo, JumpBtn, BtnPrev, BtnNext, BtnCancel});
}

void TFrameWnd::ApplyVisionImpairedMode(TChildForm* screen) {
    const QList<TTextLbl*> labels = screen->findChildren<TTextLbl*>();
    for (TTextLbl* label : labels) label->setMode(tlmVisionImpaired);
    for (TReviewLabel* banner : screen->findChildren<TReviewLabel*>()) banner->setTabStop(true);
    if (!screen->ReorderTabs()) return;
    for (TTextLbl* label : labels) label->setTabStop(true);
    OrderTabsByPosition(screen);
}

void TFrameWnd::FocusScreen(TChildForm* screen) {
    // Screen-reader users hear the question first; others start in the first field.
    QWidget* target = nullptr;
    if (State().VisionImpairedMode) {
        target = QuestionLabel(screen);
        if (!target) target = FirstTabStop(screen, AnyStop);
    } else {
        target = FirstTabStop(screen, TakesInput);
    }
    if (target) {
        target->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!BtnYes->isHidden() && BtnYes->isEnabled()) {
        BtnYes->setFocus(Qt::OtherFocusReason);
    } else if (!BtnNext->isHidden()) {
        BtnNext->setEnabled(true);
        BtnNext->setFocus(Qt::OtherFocusReason);
    }
}

void TFrameWnd::EndInterview() {
    if (host_ && host_->CloseQuery(this)) host_->Closed(BtnYes);
}

bool TFrameWnd::CommitFocus(QPushButton* button) {
    QWidget* focused = QApplication::focusWidget();
    if (focused == button) return true;
    if (TXGrid* grid = GridOf(focused)) {
        int col = grid->Col(), row = grid->Row();
        if (!grid->SelectCell(col, row)) return false;
    }
    button->setFocus(Qt::OtherFocusReason);
    return button->hasFocus();
}

void TFrameWnd::SaveScreenFields() {
    if (screen_) ::SaveScreenFields(screen_);
}

void TFrameWnd::LoadScreenFields() {
    if (!screen_) return;
    ::LoadScreenFields(screen_, [this](TTextLbl* sender, int jump, const QString& url) {
        LinkHandler(sender, jump, url);
    });
}

void TFrameWnd::LinkHandler(QObject*, int jumpNumber, const QString& target) {
    if (!target.isEmpty())
        ShellOpen(target);
    else
        ShowHelpTopic(jumpNumber);
}

void TFrameWnd::ShowHelpTopic(int context) { OpenHelpTopic(context); }

void TFrameWnd::SyncNavigator() {
    NavigatorFrame->SelectItemByScreenID(ScreenNumber(State().ScreenGroup, State().ScreenIndex));
}

void TFrameWnd::SetNavigatorVisible(bool visible) {
    NavigatorFrame->setVisible(visible);
    if (visible) SyncNavigator();
}

bool TFrameWnd::NavigatorVisible() const { return !NavigatorFrame->isHidden(); }

void TFrameWnd::SetWorksheetPanelVisible(bool visible) { ActionPanel->setVisible(visible); }

bool TFrameWnd::WorksheetPanelVisible() const { return !ActionPanel->isHidden(); }

void TFrameWnd::SetWorksheetHeaderSection(int section) {
    WsheetHdrLbl->setCurrentSection(section);
    // The list is read out under the heading it is shown under.
    lstPickList->setAccessibleName(WsheetHdrLbl->plainText());
}

void TFrameWnd::RefreshWorksheetPanel() {
    ModuleState& state = State();
    lstPickList->clear();
    if (ScreenIsShown() && state.CurrentWorksheet != 0) {
        SaveScreenFields();
        StoreWorksheetItem();
    }
    SetWorksheetHeaderSection(1);
    FillPickList();
    lstPickList->setCurrentRow(state.CurrentItem - 1);
    state.PickedItem = lstPickList->currentRow() + 1;
}

void TFrameWnd::FillPickList() {
    BuildItemNames();
    QStringList names;
    for (const std::string& name : State().ItemNames) names << FromLatin1Text(name);
    lstPickList->SetNames(names);
}

void TFrameWnd::lstPickListClick() {
    ModuleState& state = State();
    if (ScreenIsShown() && !RunLeaveCheck()) {
        lstPickList->setCurrentRow(state.PickedItem - 1);
        return;
    }
    if (ScreenIsShown() && state.CurrentWorksheet != 0) {
        SaveScreenFields();
        StoreWorksheetItem();
    }
    state.PickedItem = lstPickList->currentRow() + 1;
    LoadWorksheetItem(state.PickedItem);
    RefreshWorksheetPanel();
    if (screen_) screen_->setFocus(Qt::OtherFocusReason);
}

void TFrameWnd::btnRemoveClick() {
    ModuleState& state = State();
    if (ScreenIsShown() && state.CurrentWorksheet != 0) {
        SaveScreenFields();
        StoreWorksheetItem();
    }
    if (AppMessageBox("Are you sure you want to delete the selected worksheet?", mtConfirmation,
                      mbYesNo) != mrYes)
        return;
    state.PickedItem = lstPickList->currentRow() + 1;
    DeleteWorksheetItem(state.PickedItem);
    FillPickList();
    if (state.PickedItem > lstPickList->count()) state.PickedItem = lstPickList->count();
    LoadWorksheetItem(state.PickedItem);
    lstPickList->setCurrentRow(state.PickedItem - 1);
}

void TFrameWnd::BtnNextClick() {
    if (!CommitFocus(BtnNext)) return;
    if (nextHandler_)
        nextHandler_(BtnNext);
    else
        State().ScreenIndex += 1;
    // Parked first: disabling the focused Next would hand the focus on to Close.
    ParkFocus(this, screen_);
    BtnNext->setEnabled(false);
    ShowScreen();
    BtnNext->setEnabled(true);
    BtnPrev->setEnabled(true);
    if (!QApplication::focusWidget() && isActiveWindow()) BtnNext->setFocus(Qt::OtherFocusReason);
}

void TFrameWnd::BtnPrevClick() {
    if (!CommitFocus(BtnPrev)) return;
    ModuleState& state = State();
    if (state.ScreenHistory.size() < 2) return;
    const int32_t current = state.ScreenHistory.back();
    state.ScreenHistory.pop_back();
    const int32_t previous = state.ScreenHistory.back();
    state.ScreenGroup = previous / 100;
    state.ScreenIndex = previous % 100;
    goingBack_ = true;
    if (!ShowScreen()) {
        // The screen refused to be left: it stays, and so does its place in the history.
        state.ScreenHistory.push_back(current);
        goingBack_ = false;
    }
}

void TFrameWnd::BtnYesNoClick(QPushButton* sender) {
    if (!CommitFocus(sender)) return;
    if (nextHandler_) nextHandler_(sender);
    BtnNext->setEnabled(true);
}

void TFrameWnd::BtnCancelClick() {
    if (!CommitFocus(BtnCancel)) return;
    if (host_ && host_->CloseQuery(this)) host_->Closed(BtnCancel);
}

void TFrameWnd::BtnIntHelpClick() {
    if (screen_) ShowHelpTopic(screen_->HelpContext());
}

void TFrameWnd::JumpBtnClick() {
    std::string answer;
    if (!AskInput("Jump", "Enter screen number to jump to: ", answer) || answer.empty()) return;
    bool ok = false;
    const qlonglong value = QString::fromLatin1(answer).trimmed().toLongLong(&ok);
    if (!ok) {
        AppMessageBox("'" + answer + "' is not a valid integer value", mtError, mbOK);
        return;
    }
    const auto number = static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFF));
    State().ScreenGroup = number / 100;
    State().ScreenIndex = number % 100;
    if (host_) host_->ShowHelpdeskButtons();
    BtnYes->hide();
    BtnNo->hide();
    BtnNext->setEnabled(true);
    ShowScreen();
}

// The tag tool is made once, owned by the main window, and kept when it is closed.
void TFrameWnd::btnInternalsClick() {
    if (!tagForm_) {
        tagForm_ = new TGetTagForm(window());
        connect(tagForm_, &TGetTagForm::StoreAboutToChange, this, [this] { SaveScreenFields(); });
        connect(tagForm_, &TGetTagForm::StoreWritten, this, [this] { LoadScreenFields(); });
    }
    tagForm_->Present();
}

TGetTagForm* TFrameWnd::TagForm() const { return tagForm_; }

void TFrameWnd::btnScanClick() {
    ModuleState& state = State();
    state.ScreenIndex += 1;
    if (state.ScreenIndex > 98) {
        state.ScreenGroup += 1;
        state.ScreenIndex = 1;
    }
    ShowScreen();
}

void TFrameWnd::btnBackClick() {
    ModuleState& state = State();
    if (state.ScreenIndex < 2 && state.ScreenGroup != 0) {
        state.ScreenGroup -= 1;
        state.ScreenIndex = 98;
    } else {
        state.ScreenIndex -= 1;
    }
    ShowScreen();
}

void TFrameWnd::NavigatorSelectItem(TNavigatorFrame*, TNavigatorItem* item) {
    ModuleState& state = State();
    if (!BtnNext->isHidden() && nextHandler_) nextHandler_(NavigatorFrame);
    if (state.ScreenShown && !RunLeaveCheck()) {
        state.ScreenGroup = lastGroup_;
        state.ScreenIndex = lastIndex_;
        SyncNavigator();
        return;
    }
    leaveCheck_ = nullptr;
    const int number = item ? item->ScreenId() : 0;
    if (number != 0) {
        nextHandler_ = nullptr;
        if (number == 8) ShowHelpTopic(8);
        state.ScreenGroup = number / 100;
        state.ScreenIndex = number % 100;
    }
    BtnYes->hide();
    BtnNo->hide();
    BtnNext->setEnabled(true);
    ShowScreen();
}

void TFrameWnd::GridKeyDown(TXGrid* grid, QKeyEvent* key, bool& handled) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (key->key() == Qt::Key_F6 &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        QWidget* target = grid;
        const bool forward = modifiers == Qt::NoModifier;
        do {
            target = forward ? target->nextInFocusChain() : target->previousInFocusChain();
        } while (target && target != grid &&
                 (grid->isAncestorOf(target) || !(target->focusPolicy() & Qt::TabFocus) ||
                  !target->isVisible() || !target->isEnabled()));
        if (target && target != grid)
            target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        handled = true;
    } else if (key->key() == Qt::Key_F8 && modifiers == Qt::NoModifier &&
               State().VisionImpairedMode) {
        TTableColumnDescriptionForm::Execute(grid->ColumnTitle(grid->Col()),
                                             screen_ ? screen_->AttentionText() : QString(),
                                             window());
        handled = true;
    }
}

void TFrameWnd::SetButtonFonts(int pixelSize) {
    for (QPushButton* button :
         {BtnCancel, BtnNext, BtnPrev, btnRemove, BtnNo, BtnYes, BtnIntHelp}) {
        QFont font = button->font();
        font.setPixelSize(pixelSize);
        button->setFont(font);
    }
}

void TFrameWnd::ClientPanelResized() {
    if (designClientSize_.isEmpty()) return;
    const QSize current = ClientPanel->size();
    int numerator = current.width(), denominator = designClientSize_.width();
    if (double(current.width()) / designClientSize_.width() >
        double(current.height()) / designClientSize_.height()) {
        numerator = current.height();
        denominator = designClientSize_.height();
    }
    if (double(numerator) / denominator < double(MinimumScaleNumerator) / MinimumScaleDenominator) {
        numerator = MinimumScaleNumerator;
        denominator = MinimumScaleDenominator;
    }
    if (double(numerator) / denominator == double(scaleNumerator_) / scaleDenominator_) return;
    NavigatorFrame->SetInitialised(false);
    // Fonts follow the ratio both ways: put back at their design size after shrinking, the
    // navigator's captions no longer fit the narrower panel.
    auto scaledSize = [&](int size) {
        return static_cast<int>(std::lround(double(size) * numerator / denominator));
    };
    NavigatorFrame->SetFontPointSize(scaledSize(designNavigatorFont_));
    QFont titleFont = TitleLabel->font();
    titleFont.setPixelSize(scaledSize(designTitleFont_));
    TitleLabel->setFont(titleFont);
    SetButtonFonts(scaledSize(designCloseFont_));
    scaleNumerator_ = numerator;
    scaleDenominator_ = denominator;
    ScreenIdLabel->setGeometry(10, ImagePanel->height() - 18, ImagePanel->width() - 20, 16);
    if (State().ScreenShown) {
        // Re-create the screen at the new scale; what was typed was saved as it left.
        skipLeaveCheck_ = true;
        PostShowScreen();
    }
    NavigatorFrame->SetInitialised(true);
}

void TFrameWnd::CloseInterview() {
    if (State().CurrentWorksheet != 0) CloseWorksheet();
    State().ScreenShown = false;
}

void TFrameWnd::ShowScreenLinks() {
    if (!screen_) return;
    if (const auto link = ChooseScreenLink(screen_, window()))
        LinkHandler(this, link->jumpNumber, link->target);
}

bool TFrameWnd::ScreenIsShown() const { return State().ScreenShown && screen_; }

void TFrameWnd::ReloadScreen() {
    if (!screen_) return;
    LoadScreenFields();
    screen_->FormShow();
}

void TFrameWnd::RefreshPickList() { RefreshWorksheetPanel(); }

bool TFrameWnd::ScreenEntryFieldsBlank() const {
    if (!screen_) return true;
    const QList<TTaxEdit*> edits = screen_->findChildren<TTaxEdit*>();
    return std::all_of(edits.begin(), edits.end(),
                       [](const TTaxEdit* edit) { return BlankEntryText(edit->text()); });
}

void TFrameWnd::SaveScreenControls() { SaveScreenFields(); }
