#pragma once
// The start and end sequences behind the module's four exports.

#include <cstdint>
#include <string>

struct StartArguments {
    void* hostApplication = nullptr;
    void* notifyWindow = nullptr;
    std::string dataFileName;
    std::string taxpayerIdentifier;
    std::string hostCommandLine;
    int32_t startCode = 0;
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool maximized = false, minimized = false;
};

void StartModule(const StartArguments& arguments);
// 1 when everything was saved and released, 0 when a step failed.
int32_t FreeModuleResources();
int32_t FailedScreenIndex();
// The library is being unloaded: windows go, then the module state.
void UnloadModule();
