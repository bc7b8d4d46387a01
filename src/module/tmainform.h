#pragma once
// The module's top-level window: the interview window under a tool bar, Save and autosave,
// notes, help and calculator, the close rules, and the messages that tell the host the
// module has finished.

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "interview/interview_host.h"
#include "module/tnotesform.h"

class QToolButton;
class TFrameWnd;

// Posted to the main window by the interview window (Alt+F4 in help-desk mode).
constexpr int MsgExit = 1025;
// Posted to the host's notify object.
constexpr int MsgInterviewFinished = 1131;
constexpr int MsgModuleClosed = 1132;

class TMainForm : public QWidget, public InterviewHost {
    Q_OBJECT
public:
    // `arguments`: the host process's command line, where the HELPDESK and /V switches are.
    explicit TMainForm(QWidget* owner,
                       const QStringList& arguments = QCoreApplication::arguments());
    ~TMainForm() override;

    TFrameWnd* FrameWnd() const { return frame_; }

    // The close check: false (after telling the taxpayer) while the interview is in the middle
    // of a section that must be completed first.
    bool CloseQuery(QObject* sender) override;
    // After an allowed close: tells the host who asked for it.
    void Closed(QObject* requester) override;

    // Interactive Save; true when the file was saved.
    bool Save();
    void AutosaveTick();
    enum class AutosaveOutcome { Done, Skipped, Failed };
    AutosaveOutcome AutosaveTo(const std::string& fileName);
    int MinuteCounter() const { return minuteCounter_; }
    QTimer& Timer() { return timer_; }

    void UpdateCaption();
    void ShowHelpdeskButtons() override;
    void RequestExit() override;
    void ShowNotes();
    TNotesForm* Notes() const { return notes_; }
    void ShowKeyboardHelp();
    void RunCalculator();
    void HelpButtonClick();
    // Lays the interview window out in the client area and rescales the screen shown.
    void LayoutInterview();
    // The size the host asked for, never below 640 x 480; none (0 or less) keeps the design size.
    void TakeHostSize(const QSize& requested);

    // Asks for the name to save under (the Save dialog; tests answer it themselves).
    std::function<bool(const std::string& currentName, std::string& chosen)> ChooseSaveFile;

    QToolButton* BtnNew = nullptr;
    QToolButton* BtnOpen = nullptr;
    QToolButton* BtnSave = nullptr;
    QToolButton* BtnViewReturn = nullptr;
    QToolButton* BtnCalculator = nullptr;
    QToolButton* BtnNotes = nullptr;
    QToolButton* BtnHelp = nullptr;
    QWidget* ToolBar = nullptr;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildToolBar();
    void FirstTick();
    void ReadCommandLineSwitches(const QStringList& arguments);
    void PlaceOnScreen();
    bool ScreenBlocksSaving();
    void StoreShownScreen();
    bool SaveTo(const std::string& fileName);

    TFrameWnd* frame_ = nullptr;
    QPointer<TNotesForm> notes_;
    QTimer timer_;
    int minuteCounter_ = 0;
    bool firstShown_ = false;
    bool resizeInstalled_ = false;
};
