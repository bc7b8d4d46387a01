#include "base/module_state.h"

ModuleState::ModuleState() = default;
ModuleState::~ModuleState() = default;

namespace {
// Never destroyed by static destruction: the library's unload releases it explicitly,
// after the windows that refer to it are gone.
ModuleState* Current = nullptr;
// A thread that works on a return of its own (a batch recalculation) sets this.
thread_local ModuleState* ThreadCurrent = nullptr;
}  // namespace

ModuleState& State() {
    if (ThreadCurrent) return *ThreadCurrent;
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

ThreadModuleState::ThreadModuleState()
    : state_(std::make_unique<ModuleState>()), previous_(ThreadCurrent) {
    ThreadCurrent = state_.get();
}

ThreadModuleState::~ThreadModuleState() {
    state_.reset();  // while State() still answers with it: the store's release may ask
    ThreadCurrent = previous_;
}
