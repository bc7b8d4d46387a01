// The module's four exported functions; everything else in the library is local.

#include "orvana_cgt.h"

#include "module/core/host_arguments.h"
#include "module/module_lifecycle.h"

extern "C" {

ORVANA_CGT_API void RunCGTModule(void* host_application, void* notify_window,
                                 const unsigned char* data_file_name,
                                 const unsigned char* taxpayer_identifier,
                                 const unsigned char* host_command_line, int32_t start_code,
                                 int32_t left, int32_t top, int32_t width, int32_t height,
                                 uint8_t maximized, uint8_t minimized) {
    StartArguments arguments;
    arguments.hostApplication = host_application;
    arguments.notifyWindow = notify_window;
    arguments.dataFileName = FromShortString(data_file_name);
    arguments.taxpayerIdentifier = FromShortString(taxpayer_identifier);
    arguments.hostCommandLine = FromShortString(host_command_line);
    arguments.startCode = start_code;
    arguments.left = left;
    arguments.top = top;
    arguments.width = width;
    arguments.height = height;
    arguments.maximized = maximized != 0;
    arguments.minimized = minimized != 0;
    // Nothing may unwind into the host; a start that failed shows what it could.
    try {
        StartModule(arguments);
    } catch (...) {
    }
}

ORVANA_CGT_API int32_t FreeDLLResources(void) { return FreeModuleResources(); }

ORVANA_CGT_API int16_t CheckVersion(int32_t version) { return CheckVersionResult(version); }

ORVANA_CGT_API int32_t GetFailedScreenIndex(void) { return FailedScreenIndex(); }

}  // extern "C"

namespace {
// Runs when the host unloads the library.
__attribute__((destructor)) void OnLibraryUnload() { UnloadModule(); }
}  // namespace
