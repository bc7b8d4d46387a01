#pragma once
// Answers the module's message boxes in tests: records every request and returns the
// scripted answers in order (the default button once the script is used up).

#include <deque>
#include <string>
#include <vector>

#include "base/message_box.h"

class ScriptedResponder {
public:
    ScriptedResponder();  // installs itself as the module's responder
    ~ScriptedResponder();
    ScriptedResponder(const ScriptedResponder&) = delete;
    ScriptedResponder& operator=(const ScriptedResponder&) = delete;

    void Answer(TModalResult result) { answers_.push_back(result); }
    const std::vector<MessageRequest>& Requests() const { return requests_; }
    std::vector<std::string> Texts() const;
    // The last request's text, or empty when nothing was shown.
    std::string LastText() const;
    size_t Count() const { return requests_.size(); }
    void Clear() { requests_.clear(); }

private:
    TModalResult Respond(const MessageRequest& request);
    std::deque<TModalResult> answers_;
    std::vector<MessageRequest> requests_;
};

// Counts the module's beeps while alive.
class BeepCounter {
public:
    BeepCounter();
    ~BeepCounter();
    int Count() const { return count_; }
    void Reset() { count_ = 0; }

private:
    int count_ = 0;
};
