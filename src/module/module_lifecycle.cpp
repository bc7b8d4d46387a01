#include "module/module_lifecycle.h"

#include <QApplication>
#include <QScreen>

#include "base/module_state.h"
#include "controls/ttextlbl.h"
#include "interview/core/tsingleton.h"
#include "interview/tframewnd.h"
#include "interview/tnavigatortreeview.h"
#include "module/build_text_variables.h"
#include "module/core/host_arguments.h"
#include "module/core/unopened_return.h"
#include "module/tmainform.h"
#include "platform/help_requests.h"
#include "platform/module_help.h"
#include "platform/qt_message_box.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {
void LetPendingMessagesRun() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

// What the open screen, item and notes hold reaches the store before it is saved.
void StoreOpenWindows() {
    ModuleState& state = State();
    if (TFrameWnd* frame = state.FrameWnd; frame && state.ScreenShown) {
        frame->SaveScreenFields();
        if (state.CurrentWorksheet != 0) StoreWorksheetItem();
    }
    if (state.MainForm && state.MainForm->Notes()) state.MainForm->Notes()->close();
}

// Widgets can be destroyed only while the application object exists. Once it is gone (a host
// that returns from main without unloading the library), what is left is only forgotten: the
// process is ending and destroying it would reach into the released toolkit.
void ReleaseWindows() {
    ModuleState& state = State();
    if (QCoreApplication::instance()) {
        delete state.MainForm;
        CloseHelpViewer();
        LetPendingMessagesRun();
    }
    state.MainForm = nullptr;
    state.FrameWnd = nullptr;
    state.WorksheetScreen = nullptr;
    state.HelpViewer = nullptr;
}

void SetStartScreen(int32_t startCode) {
    ModuleState& state = State();
    const ScreenPosition start = SplitScreenNumber(startCode);
    state.ScreenGroup = start.group;
    state.ScreenIndex = start.index;
    state.ScreenShown = false;
}

void StartWindows(const StartArguments& arguments) {
    ModuleState& state = State();
    auto* main = new TMainForm(static_cast<QWidget*>(arguments.hostApplication));
    main->show();
    state.CurrentFileName = state.HostDataFileName;
    main->UpdateCaption();
    SetStartScreen(arguments.startCode);
    SetModuleHelpFile();
    main->FrameWnd()->ShowScreen();
    const QSize requested(arguments.width, arguments.height);
    main->TakeHostSize(arguments.maximized && main->screen()
                           ? main->screen()->availableGeometry().size()
                           : requested);
    if (arguments.maximized)
        main->showMaximized();
    else if (arguments.minimized)
        main->showMinimized();
    else
        main->showNormal();
    main->move(arguments.left, arguments.top);
}
}  // namespace

void StartModule(const StartArguments& arguments) {
    ModuleState& state = State();
    state.HostApplication = arguments.hostApplication;
    state.CommandLineText = arguments.hostCommandLine;
    state.HostNotifyWindow = arguments.notifyWindow;
    InstallPlatformHooks();
    BuildTextVariables();
    state.ScreenHistory.clear();
    AllocateFieldStore();
    state.IdentifierText = arguments.taxpayerIdentifier;
    SetFieldStr(1, state.IdentifierText);
    state.HostDataFileName = arguments.dataFileName;
    // A file that cannot be read is reported by the open; the start goes on regardless,
    // but with the return on disk left alone.
    OpenDataFile(state.HostDataFileName);
    if (!state.UnopenedFileName.empty())
        AppMessageBox(UnopenedReturnNotice(state.UnopenedFileName), mtWarning, mbOK);
    LetPendingMessagesRun();
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        StartWindows(arguments);
    } else {
        // A host without a widget application gets the store but no window.
        state.CurrentFileName = state.HostDataFileName;
        SetStartScreen(arguments.startCode);
    }
}

int32_t FreeModuleResources() {
    ModuleState& state = State();
    try {
        StoreOpenWindows();
        if (!state.Store) return 0;
        // A return that was not opened is not saved (SaveDataFile leaves it alone).
        if (SaveDataFile(state.HostDataFileName) != 0) return 0;
        if (TFrameWnd* frame = state.FrameWnd) frame->CloseInterview();
        // The windows go now, while the host's application object surely exists.
        ReleaseWindows();
        ReleaseFieldStore();
        state.ScreenHistory.clear();
        LetPendingMessagesRun();
        LetPendingMessagesRun();
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t FailedScreenIndex() {
    const TFrameWnd* frame = State().FrameWnd;
    return frame ? frame->FailedScreen() : 0;
}

void UnloadModule() {
    ReleaseWindows();
    if (QCoreApplication::instance()) {
        RemoveTextLabelAccessibility();
        RemoveNavigatorAccessibility();
    }
    // After the windows: the navigator frame refers to its data until it is gone.
    ReleaseSingletonInstances();
    DestroyModuleState();
}
