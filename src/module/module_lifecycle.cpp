#include "module/module_lifecycle.h"

#include <QApplication>
#include <exception>

#include "interview/core/tsingleton.h"
#include "module/build_text_variables.h"
#include "module/core/host_arguments.h"
#include "module/core/module_state.h"
#include "platform/help_requests.h"
#include "platform/qt_message_box.h"
#include "store/data_file.h"
#include "store/field_store.h"

namespace {
void LetPendingMessagesRun() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents();
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
    // A file that cannot be read is reported by the open; the start goes on regardless.
    OpenDataFile(state.HostDataFileName);
    LetPendingMessagesRun();

    state.CurrentFileName = state.HostDataFileName;
    const ScreenPosition start = SplitScreenNumber(arguments.startCode);
    state.ScreenGroup = start.group;
    state.ScreenIndex = start.index;
    state.ScreenShown = false;
}

int32_t FreeModuleResources() {
    try {
        if (SaveDataFile(State().HostDataFileName) != 0) return 0;
        ReleaseFieldStore();
        State().ScreenHistory.clear();
        LetPendingMessagesRun();
        LetPendingMessagesRun();
        return 1;
    } catch (...) {
        return 0;
    }
}

int32_t FailedScreenIndex() { return 0; }

void UnloadModule() {
    LetPendingMessagesRun();
    CloseHelpViewer();
    // After the windows: the navigator frame refers to its data until it is gone.
    ReleaseSingletonInstances();
    DestroyModuleState();
}
