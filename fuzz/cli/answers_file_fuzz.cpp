// The answers-file reader of "orvana-tax set --from" on arbitrary text: it must stop cleanly
// with a message naming a line, or give answers that apply to a fresh return (or are refused
// with a message) without fault, as the command applies them.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "answers_file.h"
#include "base/module_state.h"
#include "store/field_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<FieldAssignment> answers;
    std::string error;
    if (!ReadAnswers(in, "answers", answers, error)) {
        if (error.rfind("answers:", 0) != 0) __builtin_trap();  // the line is named
        return 0;
    }
    ResetModuleState();
    AllocateFieldStore();
    for (const FieldAssignment& answer : answers) {
        if (answer.source.rfind("answers:", 0) != 0) __builtin_trap();
        std::string why;
        // With and without leave to change a field's type, as --force gives or not.
        if (!ApplyFieldAssignment(answer, answer.field % 2 == 0, why) && why.empty())
            __builtin_trap();
    }
    ResetModuleState();
    return 0;
}
