#include "module/core/module_state.h"

#include "interview/core/tsingleton.h"
#include "store/field_store.h"

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

void AllocateFieldStore() { State().Store = std::make_unique<FieldStore>(); }

void ReleaseFieldStore() {
    if (!State().Store) return;
    ClearAllFields();
    State().Store.reset();
}

void Beep() {
    if (State().BeepHook) State().BeepHook();
}
