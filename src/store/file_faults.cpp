#include "store/file_faults.h"

#include "base/module_state.h"

int InjectedFault(FileStep step) {
    const auto& hook = State().FileFaultHook;
    return hook ? hook(step) : 0;
}
