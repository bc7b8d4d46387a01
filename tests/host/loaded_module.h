#pragma once
// The built module, loaded with dlopen as a host loads it.

#include <dlfcn.h>

#include "orvana_cgt.h"

class LoadedModule {
public:
    LoadedModule() {
        handle_ = dlopen(ORVANA_CGT_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!handle_) return;
        run = reinterpret_cast<decltype(run)>(dlsym(handle_, "RunCGTModule"));
        freeResources =
            reinterpret_cast<decltype(freeResources)>(dlsym(handle_, "FreeDLLResources"));
        checkVersion = reinterpret_cast<decltype(checkVersion)>(dlsym(handle_, "CheckVersion"));
        failedScreen =
            reinterpret_cast<decltype(failedScreen)>(dlsym(handle_, "GetFailedScreenIndex"));
    }
    ~LoadedModule() {
        if (handle_) dlclose(handle_);
    }
    bool Loaded() const { return handle_ != nullptr; }
    void* Symbol(const char* name) const { return dlsym(handle_, name); }

    decltype(&RunCGTModule) run = nullptr;
    decltype(&FreeDLLResources) freeResources = nullptr;
    decltype(&CheckVersion) checkVersion = nullptr;
    decltype(&GetFailedScreenIndex) failedScreen = nullptr;

private:
    void* handle_ = nullptr;
};
