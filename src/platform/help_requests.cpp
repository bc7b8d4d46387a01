#include "platform/help_requests.h"

#include <QApplication>
#include <QFileInfo>

#include "base/module_state.h"
#include "platform/core/help_file_name.h"
#include "platform/qt_message_box.h"
#include "platform/thelpviewer.h"

namespace {
THelpViewer& Viewer() {
    if (!State().HelpViewer) {
        // A child window of the module's active window, so that it stays in front of it.
        State().HelpViewer = new THelpViewer(QApplication::activeWindow());
    }
    return *State().HelpViewer;
}

void Present(THelpViewer& viewer) {
    viewer.show();
    viewer.raise();
    viewer.activateWindow();
}

std::string HostFolderHelpFile(const std::string& word) {
    const std::string folder = ToLatin1Text(QCoreApplication::applicationDirPath());
    return HelpFileName(folder, word, [](const std::string& path) {
        return QFileInfo(FromLatin1Text(path)).isFile();
    });
}
}  // namespace

void OpenHelpContents(const std::string& helpFile) {
    THelpViewer& viewer = Viewer();
    viewer.ShowContents(TopicSetForHelpFile(helpFile));
    Present(viewer);
}

void OpenHelpTopic(const std::string& helpFile, int context) {
    THelpViewer& viewer = Viewer();
    viewer.ShowTopic(TopicSetForHelpFile(helpFile), context);
    Present(viewer);
}

void CloseHelpViewer() {
    // Widgets can only be destroyed while the application object exists.
    if (QCoreApplication::instance()) delete State().HelpViewer;
    State().HelpViewer = nullptr;
}

std::string ModuleHelpFile() { return HostFolderHelpFile(ModuleHelpWord); }

std::string MainHelpFile() { return HostFolderHelpFile(""); }

bool ShowModuleHelp(int context) {
    if (State().HelpFile.empty()) State().HelpFile = ModuleHelpFile();
    OpenHelpTopic(State().HelpFile, context);
    return true;
}

void ShowMainHelpContents() {
    State().HelpFile = MainHelpFile();
    OpenHelpContents(State().HelpFile);
    State().HelpFile = ModuleHelpFile();
}
