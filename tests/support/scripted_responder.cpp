#include "scripted_responder.h"

#include "base/module_state.h"

ScriptedResponder::ScriptedResponder() {
    State().Responder = [this](const MessageRequest& request) { return Respond(request); };
}

ScriptedResponder::~ScriptedResponder() { State().Responder = nullptr; }

TModalResult ScriptedResponder::Respond(const MessageRequest& request) {
    requests_.push_back(request);
    if (answers_.empty()) return ResultForButton(request.defaultButton);
    const TModalResult answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedResponder::Texts() const {
    std::vector<std::string> texts;
    for (const auto& request : requests_) texts.push_back(request.text);
    return texts;
}

std::string ScriptedResponder::LastText() const {
    return requests_.empty() ? std::string() : requests_.back().text;
}

BeepCounter::BeepCounter() {
    State().BeepHook = [this] { ++count_; };
}

BeepCounter::~BeepCounter() { State().BeepHook = nullptr; }
