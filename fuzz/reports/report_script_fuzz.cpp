// The report-script reader on arbitrary text and bytes: a readable source must compile or be
// refused with its line, and what compiles must write to the binary form and read back the
// same; as a binary script the reader must read it or refuse it, never read out of bounds.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "reports/core/script_reader.h"
#include "reports/core/script_source.h"

namespace {

void ReadCompiled(const std::string& text) {
    CompiledScript script;
    try {
        script = CompileScriptSource(text);
    } catch (const ScriptSourceError&) {
        return;
    }
    const std::vector<uint8_t> bytes = WriteScript(script.sections);
    if (WriteScript(ReadScript(bytes)) != bytes) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ReadCompiled(std::string(reinterpret_cast<const char*>(data), size));
    try {
        ReadScript(std::vector<uint8_t>(data, data + size));
    } catch (const std::runtime_error&) {
        // A script cut short is refused.
    }
    return 0;
}
