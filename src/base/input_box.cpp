#include "base/input_box.h"

#include "base/module_state.h"

bool AskInput(const std::string& caption, const std::string& prompt, std::string& value) {
    const auto& responder = State().InputResponder;
    if (!responder) return false;
    return responder(caption, prompt, value);
}
