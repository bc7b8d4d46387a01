#pragma once
// The interview window: shows one screen at a time in its client panel, runs the buttons that
// move through the interview, keeps the history of screens visited, and hosts the navigator
// and the worksheet pick list.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "interview/interview_host.h"
#include "interview/tchildform.h"
#include "interview/tformresizer.h"
#include "interview/worksheet_pick_list.h"
#include "store/worksheet_screen.h"

class QLabel;
class QListWidget;
class QPushButton;
class QKeyEvent;
class QScrollArea;
class TNavigatorFrame;
class TNavigatorItem;
class TTextLbl;
class TXGrid;

// Posted to the interview window: show the screen that group and index now name.
constexpr int MsgShowScreen = 1027;
// Posted to the interview window: clear the selection of a focused drop-down list.
constexpr int MsgClearComboSelection = 1029;

class TGetTagForm;

class TFrameWnd : public QWidget, public WorksheetScreenHooks {
    Q_OBJECT
public:
    // `host` answers close requests and help-desk commands; may be null.
    explicit TFrameWnd(QWidget* mainWindow, InterviewHost* host = nullptr);
    ~TFrameWnd() override;

    // Shows the screen that ScreenGroup and ScreenIndex name; false when the current
    // screen's leave check refused.
    bool ShowScreen();
    void PostShowScreen();
    TChildForm* CurrentScreen() const { return screen_; }
    int32_t FailedScreen() const { return failedScreen_; }
    int32_t LastGroup() const { return lastGroup_; }
    int32_t LastIndex() const { return lastIndex_; }
    bool GoingBack() const { return goingBack_; }

    // The current screen's hooks. A leave check calls RefuseLeave() after telling the user.
    void SetLeaveCheck(std::function<void()> check) { leaveCheck_ = std::move(check); }
    void SetNextHandler(std::function<void(QObject* sender)> handler) {
        nextHandler_ = std::move(handler);
    }
    bool HasLeaveCheck() const { return bool(leaveCheck_); }
    bool HasNextHandler() const { return bool(nextHandler_); }
    void RefuseLeave() { mayLeave_ = false; }
    // Runs the leave check without leaving (Save and close ask it); true when allowed.
    bool LeaveCheckPasses();
    bool MayLeave() const { return mayLeave_; }

    // Input is committed before any button acts: false when the control being left refused.
    bool CommitFocus(QPushButton* button);
    void SaveScreenFields();
    void LoadScreenFields();
    void LinkHandler(QObject* sender, int jumpNumber, const QString& target);
    void SyncNavigator();

    void SetNavigatorVisible(bool visible);
    bool NavigatorVisible() const;
    void SetWorksheetPanelVisible(bool visible);
    bool WorksheetPanelVisible() const;
    void RefreshWorksheetPanel();
    // The worksheet names, then "** Create new worksheet **".
    void FillPickList();
    void SetWorksheetHeaderSection(int section);

    // The window is closing (the module is being released).
    void CloseInterview();
    // The main window's client panel changed size while a screen is shown.
    void ClientPanelResized();
    int ScaleNumerator() const { return scaleNumerator_; }
    int ScaleDenominator() const { return scaleDenominator_; }

    // Vision-impaired keyboard help: the links of the current screen, chosen from a list.
    void ShowScreenLinks();

    // WorksheetScreenHooks
    bool ScreenIsShown() const override;
    void ReloadScreen() override;
    void RefreshPickList() override;
    bool ScreenEntryFieldsBlank() const override;
    void SaveScreenControls() override;

    QLabel* TitleLabel = nullptr;
    QLabel* ScreenIdLabel = nullptr;
    QWidget* ImagePanel = nullptr;
    QWidget* ClientPanel = nullptr;
    QWidget* BtnPanel = nullptr;
    QWidget* TitlePanel = nullptr;
    TNavigatorFrame* NavigatorFrame = nullptr;
    QWidget* ActionPanel = nullptr;
    TTextLbl* WsheetHdrLbl = nullptr;
    TWorksheetPickList* lstPickList = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* BtnIntHelp = nullptr;
    QPushButton* BtnYes = nullptr;
    QPushButton* BtnNo = nullptr;
    QPushButton* JumpBtn = nullptr;
    QPushButton* BtnPrev = nullptr;
    QPushButton* BtnNext = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* btnScan = nullptr;
    QPushButton* btnBack = nullptr;
    QPushButton* btnInternals = nullptr;
    TFormResizer FormResizer1;

    // Button handlers, public so that keyboard and tests reach the same code as clicks.
    void BtnNextClick();
    void BtnPrevClick();
    void BtnYesNoClick(QPushButton* sender);
    void BtnCancelClick();
    void BtnIntHelpClick();
    void JumpBtnClick();
    void btnScanClick();
    void btnBackClick();
    void btnInternalsClick();
    TGetTagForm* TagForm() const;  // null until the Tags button was first clicked
    void lstPickListClick();
    void btnRemoveClick();
    void NavigatorSelectItem(TNavigatorFrame* sender, TNavigatorItem* item);
    // Puts the interview's buttons, left to right, after the screen's last Tab stop; a screen
    // that adds controls after it was shown calls it again.
    void ChainButtonsAfter(const QWidget* screen);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    InterviewHost* host_ = nullptr;
    QPointer<TGetTagForm> tagForm_;
    void BuildLayout();
    void BuildButtons();
    void BuildHelpdeskTools();
    void LayoutPanels();
    bool RunLeaveCheck();
    void LeaveCurrentScreen();
    void EndInterview();
    void PrepareShownScreen(TChildForm* screen);
    void ApplyVisionImpairedMode(TChildForm* screen);
    void FocusScreen(TChildForm* screen);
    void GridKeyDown(TXGrid* grid, QKeyEvent* key, bool& handled);
    void SetButtonFonts(int pointSize);
    void ShowHelpTopic(int context);

    QPointer<TChildForm> screen_;
    QScrollArea* screenArea_ = nullptr;
    std::function<void()> leaveCheck_;
    std::function<void(QObject*)> nextHandler_;
    bool mayLeave_ = true;
    int32_t lastGroup_ = -1;
    int32_t lastIndex_ = -1;
    bool goingBack_ = false;
    bool skipLeaveCheck_ = false;
    int32_t failedScreen_ = 0;
    QSize designClientSize_;
    QSize designFrameSize_;
    int scaleNumerator_ = 1;
    int scaleDenominator_ = 1;
    bool scaled_ = false;
    int designNavigatorFont_ = 0;
    int designTitleFont_ = 0;
    int designCloseFont_ = 0;
    bool showing_ = false;
    bool showPending_ = false;
};
