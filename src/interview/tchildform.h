#pragma once
// The base of every interview screen: a borderless child that fills the interview window's
// client area, with the per-screen settings the window reads, a few helpers for the screens,
// and the hidden banner that says imported data needs review.

#include <QString>
#include <QWidget>
#include <functional>

#include "base/message_box.h"

class TFrameWnd;
class TReviewLabel;

class TChildForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool ShowNextButton READ ShowNextButton WRITE setShowNextButton)
    Q_PROPERTY(bool ShowPrevButton READ ShowPrevButton WRITE setShowPrevButton)
    Q_PROPERTY(bool ShowYesButton READ ShowYesButton WRITE setShowYesButton)
    Q_PROPERTY(bool ShowNoButton READ ShowNoButton WRITE setShowNoButton)
    Q_PROPERTY(int HelpContext READ HelpContext WRITE setHelpContext)
    Q_PROPERTY(bool WorksheetSection READ WorksheetSection WRITE setWorksheetSection)

public:
    explicit TChildForm(QWidget* parent = nullptr);
    ~TChildForm() override;

    // Review banner, variable expansion, then the screen's own creation handler. The
    // catalogue calls it once the derived class has built its form.
    void FinishConstruction();

    bool ShowNextButton() const { return showNext_; }
    bool ShowPrevButton() const { return showPrev_; }
    bool ShowYesButton() const { return showYes_; }
    bool ShowNoButton() const { return showNo_; }
    void setShowNextButton(bool on) { showNext_ = on; }
    void setShowPrevButton(bool on) { showPrev_ = on; }
    void setShowYesButton(bool on) { showYes_ = on; }
    void setShowNoButton(bool on) { showNo_ = on; }
    int HelpContext() const { return helpContext_; }
    void setHelpContext(int context) { helpContext_ = context; }
    QString Caption() const { return windowTitle(); }

    bool ReorderTabs() const { return reorderTabs_; }
    void setReorderTabs(bool on) { reorderTabs_ = on; }
    // Once set, stays set for the life of the screen.
    bool WorksheetSection() const { return worksheetSection_; }
    void setWorksheetSection(bool on) { worksheetSection_ = worksheetSection_ || on; }
    int ScrollLineStep() const { return worksheetSection_ ? 99 : 8; }

    // The screen's creation handler (after its form is built) and its show handler (each
    // time the interview window shows it, and again when a worksheet item is reloaded).
    virtual void FormCreate() {}
    virtual void FormShow() {}

    TModalResult ShowMessageBox(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons,
                                int helpContext = 0);
    void ShowInfo(const QString& text);
    // Plain text of the first visible attention label among the direct children.
    QString AttentionText() const;
    void SetReviewVisible(bool visible);
    // Moves the focus from the screen itself to its first control.
    void FocusNextControl() { focusNextChild(); }
    TReviewLabel* ReviewBanner() const { return reviewBanner_; }
    // The class name that the review registry knows the screen by.
    QString ScreenClassName() const;

protected:
    TFrameWnd* Frame() const;

private:
    bool showNext_ = false, showPrev_ = false, showYes_ = false, showNo_ = false;
    int helpContext_ = 0;
    bool reorderTabs_ = true;
    bool worksheetSection_ = false;
    TReviewLabel* reviewBanner_ = nullptr;
};

// The buttons ShowMessageBox shows for a button set.
std::vector<TMsgDlgBtn> ScreenMessageButtons(TMsgDlgButtons buttons);
