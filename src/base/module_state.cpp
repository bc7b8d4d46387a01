#include "base/module_state.h"

ModuleState::ModuleState() = default;
ModuleState::~ModuleState() = default;

namespace {
// Never destroyed by static destruction: the library's unload releases it explicitly,
// after the windows that refer to it are gone.
ModuleState* Current = nullptr;
}  // namespace

ModuleState& State() {
    if (!Current) Current = new ModuleState;
    return *Current;
}

void ResetModuleState() {
    DestroyModuleState();
    Current = new ModuleState;
}

void DestroyModuleState() {
    delete Current;
    Current = nullptr;
}

void Beep() {
    if (State().BeepHook) State().BeepHook();
}
