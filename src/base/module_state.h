#pragma once
// The module's one working set of state, reached through State(). Names follow the
// module's vocabulary (ScreenGroup, StoreChanged, ...). Nothing else in the module is a
// mutable global.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/currency_format.h"
#include "base/message_box.h"
#include "base/review_manager.h"
#include "base/text_variables.h"

inline constexpr const char* ApplicationTitle = "Orvana";
inline constexpr int TaxYear = 2006;

class FieldStore;
class TChildForm;
class TMainForm;
class TFrameWnd;
class WorksheetScreenHooks;
class TSingleton;
class THelpViewer;
enum class FileStep : int;  // the steps of a save (store/file_faults.h)

// The state owns these, but the layers that define them destroy them, so this lowest layer
// never includes their headers.
struct FieldStoreDeleter {
    void operator()(FieldStore* store) const;
};
struct SingletonDeleter {
    void operator()(TSingleton* instance) const;
};

struct ModuleState {
    ModuleState();
    ~ModuleState();
    ModuleState(const ModuleState&) = delete;
    ModuleState& operator=(const ModuleState&) = delete;

    // What the host passed to RunCGTModule.
    void* HostApplication = nullptr;   // the host's owner QWidget*, may be null
    void* HostNotifyWindow = nullptr;  // the host's QObject* that receives 1131 and 1132
    std::string HostDataFileName;
    std::string IdentifierText;
    std::string CommandLineText;
    std::string CurrentFileName;
    std::string KeyText;

    // Where the interview is.
    int32_t ScreenGroup = 0;
    int32_t ScreenIndex = 0;
    bool ScreenShown = false;
    // A print preview is open (modal, over the screen that opened it); the module is neither
    // closed nor autosaved under it.
    bool PreviewShowing = false;
    // Figures a report prints that no field holds, by number above the fields; set only
    // while one report is laid out and filled.
    std::map<int, std::vector<std::string>> ReportFigures;
    std::vector<int32_t> ScreenHistory;

    // The field store; null before RunCGTModule allocates it and after FreeDLLResources.
    std::unique_ptr<FieldStore, FieldStoreDeleter> Store;
    bool StoreChanged = false;
    bool StoreHoldsFileData = false;  // set by every field record an open reads
    // A return that could not be opened, or was read only in part: no save writes over it
    // until the taxpayer confirms replacing it. Empty when the open went well.
    std::string UnopenedFileName;

    // Worksheet items.
    int CurrentWorksheet = 0;
    int CurrentItem = 0;
    std::vector<std::string> ItemNames;
    int PickedItem = 0;
    int PathWorksheet = 0;
    int SelectedItem = 0;
    bool ContinueItem = false;
    WorksheetScreenHooks* WorksheetScreen = nullptr;  // set while the interview window exists

    // Command-line switches.
    bool HelpdeskMode = false;
    bool VisionImpairedMode = false;

    // The help file that help requests open (the module's, or the host's main one).
    std::string HelpFile;
    THelpViewer* HelpViewer = nullptr;  // the one help window, while it exists

    // One instance per navigator class, by class name (TSingleton::Instance).
    std::map<std::string, std::unique_ptr<TSingleton, SingletonDeleter>> SingletonInstances;

    // How labels write money amounts; entry fields switch negatives to "-$1,234".
    CurrencyFormat Currency;

    // Text variables and the imported-data review registry.
    TVariableManager Variables;
    TReviewManager Review;

    // Windows (owned by the GUI layer).
    TMainForm* MainForm = nullptr;
    TFrameWnd* FrameWnd = nullptr;

    // Platform hooks the GUI installs; tests install their own.
    MessageResponder Responder;
    // Answers a one-line input box (caption, prompt, value in and out); false on Cancel.
    std::function<bool(const std::string&, const std::string&, std::string&)> InputResponder;
    // Screens that tests supply, asked before the catalogue's own table.
    std::function<TChildForm*(int)> ExtraScreenFactory;
    std::function<void()> BeepHook;
    std::function<void()> CaptionChanged;
    // Opens a web address or file with the desktop (Latin-1); tests record instead.
    std::function<void(const std::string&)> ShellOpenHook;
    // Fails chosen steps of a save with an error code (0 lets the step run); tests only.
    std::function<int(FileStep)> FileFaultHook;

    // Tests pin the calendar year that the two-digit year window is based on.
    int CurrentYearOverride = 0;
};

ModuleState& State();

// While one lives, State() on its thread answers with a fresh state of that thread's own, so
// that threads recalculate different returns side by side (nothing else in the core is a
// mutable global). Not for the interview, which runs on the GUI thread with the one state.
class ThreadModuleState {
public:
    ThreadModuleState();
    ~ThreadModuleState();
    ThreadModuleState(const ThreadModuleState&) = delete;
    ThreadModuleState& operator=(const ThreadModuleState&) = delete;

private:
    std::unique_ptr<ModuleState> state_;
    ModuleState* previous_;
};

// Back to the state of a freshly loaded library (tests).
void ResetModuleState();
// Releases the state when the library unloads; State() would make a fresh one.
void DestroyModuleState();

void Beep();
