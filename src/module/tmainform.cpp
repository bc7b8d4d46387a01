#include "module/tmainform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>
#include <cstring>

#include "base/module_state.h"
#include "interview/tchildform.h"
#include "interview/tframewnd.h"
#include "module/core/unopened_return.h"
#include "module/core/window_caption.h"
#include "module/tkeyboardhelpform.h"
#include "module/tnotesform.h"
#include "module/tsavedialog.h"
#include "platform/module_help.h"
#include "platform/qt_message_box.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/lodgment.h"
#include "store/worksheet_items.h"

namespace {

constexpr int WindowWidth = 800;
constexpr int ClientHeight = 575;
constexpr int ToolBarHeight = 32;
// Below this the interview's text and buttons no longer fit, however they are scaled.
constexpr int SmallestWidth = 640;
constexpr int SmallestHeight = 480;
constexpr int FirstTickMs = 2000;
constexpr int MinuteMs = 60000;
constexpr int AutosaveMinutes = 5;

constexpr QKeyCombination SaveKeys(Qt::CTRL | Qt::Key_S);
constexpr QKeyCombination CalculatorKeys(Qt::CTRL | Qt::Key_L);
constexpr QKeyCombination NotesKeys(Qt::CTRL | Qt::Key_T);
constexpr QKeyCombination HelpKeys(Qt::SHIFT | Qt::Key_F1);

// Hints wrap at 400 pixels.
QString WrappedHint(const QString& text) {
    return QStringLiteral("<table width=\"400\"><tr><td>%1</td></tr></table>")
        .arg(text.toHtmlEscaped());
}

QPixmap LogoPicture() {
    QPixmap logo(96, 28);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(212, 134, 37));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 2, 94, 24), 6, 6);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(1, 2, 94, 24), Qt::AlignCenter, QStringLiteral("Orvana CGT"));
    return logo;
}

// The desktop calculators we know, in the order they are looked for on PATH.
// Where the Save dialog starts: the folder of the return being worked on.
QString FolderOfReturn() {
    const std::string& name = State().CurrentFileName;
    return name.empty() ? QString() : QFileInfo(FromLatin1Text(name)).absolutePath();
}

QString FindCalculator() {
    for (const char* name :
         {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return path;
    }
    return {};
}

}  // namespace

TMainForm::TMainForm(QWidget* owner, const QStringList& arguments) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("MainForm"));
    State().MainForm = this;
    // Dates read and shown as dd/mm/yyyy with the 89-year window, "." as decimal separator:
    // the module's number and date rules are fixed, whatever the desktop's settings.
    ReadCommandLineSwitches(arguments);
    SetModuleHelpFile();
    setFixedSize(WindowWidth, ClientHeight);
    PlaceOnScreen();
    BuildToolBar();
    frame_ = new TFrameWnd(this, this);
    LayoutInterview();
    minuteCounter_ = 0;
    State().StoreChanged = false;
    State().CurrentFileName.clear();
    State().CaptionChanged = [this] { UpdateCaption(); };
    ChooseSaveFile = [this](const std::string& currentName, std::string& chosen) {
        // The folder of the return being worked on, not wherever the host was started.
        TSaveDialog dialog(currentName, this, FolderOfReturn());
        if (!dialog.Execute()) return false;
        chosen = dialog.FileName();
        return true;
    };
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (timer_.interval() == FirstTickMs)
            FirstTick();
        else
            AutosaveTick();
    });
    // F1 opens the help of the screen shown.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] {
        OpenHelpTopic(frame_->CurrentScreen() ? frame_->CurrentScreen()->HelpContext() : 0);
    });
    if (State().VisionImpairedMode) {
        auto* links = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_H), this);
        connect(links, &QShortcut::activated, this, [this] { frame_->ShowScreenLinks(); });
        auto* keys = new QShortcut(QKeySequence(Qt::Key_F9), this);
        connect(keys, &QShortcut::activated, this, [this] { ShowKeyboardHelp(); });
        // Read when the window opens, so the list of keys is found.
        setAccessibleDescription(QStringLiteral("Press F9 for the list of shortcut keys."));
    }
    UpdateCaption();
}

TMainForm::~TMainForm() {
    if (State().MainForm == this) {
        State().MainForm = nullptr;
        State().CaptionChanged = nullptr;
    }
}

void TMainForm::ReadCommandLineSwitches(const QStringList& arguments) {
    ModuleState& state = State();
    state.HelpdeskMode = false;
    for (const QString& argument : arguments) {
        if (argument.compare(QStringLiteral("HELPDESK"), Qt::CaseInsensitive) == 0)
            state.HelpdeskMode = true;
        if (argument.compare(QStringLiteral("/V"), Qt::CaseInsensitive) == 0)
            state.VisionImpairedMode = true;
    }
}

void TMainForm::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->geometry();
    if (desktop.height() > 600)
        move(desktop.center() - QPoint(WindowWidth / 2, ClientHeight / 2));
    else
        move(0, 0);
}

void TMainForm::BuildToolBar() {
    ToolBar = new QWidget(this);
    ToolBar->setObjectName(QStringLiteral("ToolBar"));
    ToolBar->setGeometry(0, 0, WindowWidth, ToolBarHeight);
    auto* layout = new QHBoxLayout(ToolBar);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    auto* logo = new QLabel(ToolBar);
    logo->setPixmap(LogoPicture());
    layout->addWidget(logo);
    layout->addSpacing(8);
    // Reached with Tab and by their shortcut keys; screen readers get the hint as plain text.
    auto add = [&](const QString& text, QStyle::StandardPixmap icon, const QString& hint,
                   const QKeySequence& keys = {}) {
        auto* button = new QToolButton(ToolBar);
        button->setText(text);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        button->setShortcut(keys);
        if (!hint.isEmpty()) {
            button->setToolTip(WrappedHint(hint));
            button->setAccessibleDescription(hint);
        }
        layout->addWidget(button);
        return button;
    };
    BtnNew = add(QStringLiteral("New"), QStyle::SP_FileIcon, {});
    BtnOpen = add(QStringLiteral("Open"), QStyle::SP_DirOpenIcon, {});
    BtnSave = add(QStringLiteral("Save"), QStyle::SP_DialogSaveButton,
                  QStringLiteral("Save your tax return"), SaveKeys);
    BtnViewReturn = add(QStringLiteral("View Tax Return"), QStyle::SP_FileDialogContentsView, {});
    BtnCalculator =
        add(QStringLiteral("Calculator"), QStyle::SP_ComputerIcon,
            QStringLiteral("Click on this button to use the desktop calculator."), CalculatorKeys);
    BtnNotes = add(QStringLiteral("Notes"), QStyle::SP_FileDialogDetailedView,
                   QStringLiteral("Clicking on this button will allow you to compose your own "
                                  "notes for your tax return (use this feature as a handy "
                                  "jotter)."),
                   NotesKeys);
    BtnHelp = add(QStringLiteral("Help"), QStyle::SP_DialogHelpButton,
                  QStringLiteral("Click on this button to display Orvana's Table of Contents "
                                 "(Help)."),
                  HelpKeys);
    layout->addStretch();
    BtnNew->setEnabled(false);
    BtnOpen->setEnabled(false);
    BtnViewReturn->setEnabled(false);
    connect(BtnSave, &QToolButton::clicked, this, [this] { Save(); });
    connect(BtnCalculator, &QToolButton::clicked, this, [this] { RunCalculator(); });
    connect(BtnNotes, &QToolButton::clicked, this, [this] { ShowNotes(); });
    connect(BtnHelp, &QToolButton::clicked, this, [this] { HelpButtonClick(); });
}

void TMainForm::LayoutInterview() {
    // A narrow window drops the tool bar's pictures so that every caption stays whole.
    for (QToolButton* button : ToolBar->findChildren<QToolButton*>())
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (ToolBar->layout()->sizeHint().width() > width())
        for (QToolButton* button : ToolBar->findChildren<QToolButton*>())
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar->setGeometry(0, 0, width(), ToolBarHeight);
    const int frameHeight = height() - ToolBarHeight - 1;
    frame_->setGeometry(0, height() - frameHeight, width(), frameHeight);
    if (State().ScreenShown) frame_->ClientPanelResized();
}

void TMainForm::TakeHostSize(const QSize& requested) {
    if (requested.width() <= 0 || requested.height() <= 0) return;
    // Still a fixed size: the taxpayer does not drag the border, the host decides.
    setFixedSize(requested.expandedTo(QSize(SmallestWidth, SmallestHeight)));
    LayoutInterview();
}

void TMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (firstShown_) return;
    firstShown_ = true;
    // Keyboard and screen-reader users start typing at once, without a click to focus it.
    activateWindow();
    timer_.setSingleShot(true);
    timer_.start(FirstTickMs);
}

void TMainForm::FirstTick() {
    timer_.setSingleShot(false);
    timer_.start(MinuteMs);
    resizeInstalled_ = true;
    LayoutInterview();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resizeInstalled_) LayoutInterview();
}

void TMainForm::UpdateCaption() { setWindowTitle(FromLatin1Text(MainWindowCaption())); }

void TMainForm::ShowHelpdeskButtons() {
    for (QToolButton* button : {BtnNew, BtnOpen, BtnSave, BtnCalculator, BtnNotes})
        button->setVisible(true);
}

void TMainForm::RequestExit() {
    QCoreApplication::postEvent(this, new QEvent(QEvent::Type(MsgExit)));
}

// Only the screen's own leave check keeps the taxpayer, with its own message: a section in
// progress is stored as it stands, so saving and leaving are always possible.
bool TMainForm::ScreenBlocksSaving() {
    if (!State().ScreenShown || !frame_->CurrentScreen()) return false;
    return !frame_->LeaveCheckPasses();
}

void TMainForm::StoreShownScreen() {
    if (!State().ScreenShown) return;
    frame_->SaveScreenFields();
    if (State().CurrentWorksheet != 0) StoreWorksheetItem();
}

bool TMainForm::SaveTo(const std::string& fileName) {
    const int result = SaveDataFile(fileName);
    if (result == 0) {
        State().StoreChanged = false;
        return true;
    }
    AppMessageBox(SaveFailureText(fileName, result), mtError, mbOK);
    return false;
}

bool TMainForm::Save() {
    if (IsFileLodged()) {
        ShowLodgedMessage();
        return false;
    }
    if (ScreenBlocksSaving()) return false;
    QToolTip::hideText();
    StoreShownScreen();
    std::string chosen;
    const std::string current =
        QFileInfo(FromLatin1Text(State().CurrentFileName)).fileName().toStdString();
    if (!ChooseSaveFile(current, chosen)) return false;
    if (!ConfirmReplacingUnopened(chosen)) return false;
    State().CurrentFileName = chosen;
    const bool saved = SaveTo(chosen);
    UpdateCaption();
    return saved;
}

void TMainForm::AutosaveTick() {
    ++minuteCounter_;
    if (!State().StoreChanged || IsFileLodged() || minuteCounter_ < AutosaveMinutes) return;
    // Under an open preview a save's messages or its file dialog would land on the print job;
    // the first tick after the preview closes saves.
    if (State().PreviewShowing) return;
    timer_.stop();
    const AutosaveOutcome outcome = AutosaveTo(State().CurrentFileName);
    // A failed save leaves the timer stopped (the taxpayer was told); a skipped one (a section
    // in progress) is tried again at the next tick.
    if (outcome == AutosaveOutcome::Failed) return;
    timer_.start(MinuteMs);
    if (outcome != AutosaveOutcome::Skipped) minuteCounter_ = 0;
}

TMainForm::AutosaveOutcome TMainForm::AutosaveTo(const std::string& fileName) {
    ModuleState& state = State();
    if (IsFileLodged()) {
        state.StoreChanged = false;
        return AutosaveOutcome::Done;
    }
    if (fileName.empty()) {
        Save();
        return AutosaveOutcome::Done;
    }
    state.CurrentFileName = fileName;
    if (state.ScreenShown && frame_->CurrentScreen() &&
        (frame_->HasLeaveCheck() || frame_->CurrentScreen()->WorksheetSection()))
        return AutosaveOutcome::Skipped;
    return SaveTo(fileName) ? AutosaveOutcome::Done : AutosaveOutcome::Failed;
}

bool TMainForm::CloseQuery(QObject*) {
    // The preview's report draws from the store the host would free after the close message.
    if (State().PreviewShowing) return false;
    if (!State().ScreenShown) return true;
    if (ScreenBlocksSaving()) return false;
    StoreShownScreen();
    return true;
}

void TMainForm::Closed(QObject* requester) {
    const bool taxpayerClosed = requester == frame_->BtnCancel || requester == this;
    if (auto* host = static_cast<QObject*>(State().HostNotifyWindow))
        QCoreApplication::postEvent(
            host,
            new QEvent(QEvent::Type(taxpayerClosed ? MsgModuleClosed : MsgInterviewFinished)));
}

bool TMainForm::event(QEvent* event) {
    if (static_cast<int>(event->type()) == MsgExit) {
        StoreShownScreen();
        close();
        return true;
    }
    return QWidget::event(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!CloseQuery(this)) {
        event->ignore();
        return;
    }
    event->accept();
    Closed(this);
}

void TMainForm::ShowNotes() {
    if (!notes_) notes_ = new TNotesForm(this);
    notes_->show();
    notes_->raise();
    notes_->activateWindow();
}

void TMainForm::ShowKeyboardHelp() {
    TKeyboardHelpForm dialog(this);
    dialog.exec();
}

void TMainForm::RunCalculator() {
    BtnCalculator->setEnabled(false);
    const QString calculator = FindCalculator();
    if (calculator.isEmpty())
        AppMessageBox("Can't find ...", mtInformation, mbOK);
    else
        QProcess::startDetached(calculator, {}, QFileInfo(calculator).absolutePath());
    QCoreApplication::processEvents();
    BtnCalculator->setEnabled(true);
}

void TMainForm::HelpButtonClick() { OpenHostHelpContents(); }
