#include "interview/core/tnavigatoritem.h"

#include <utility>

#include "interview/core/tsingleton.h"

namespace {
// Single quotes around a text, embedded quotes doubled.
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c;
        if (c == '\'') quoted += '\'';
    }
    return quoted + "'";
}

const char* BoolText(bool value) { return value ? "True" : "False"; }
}  // namespace

TNavigatorItem::TNavigatorItem(std::string questionNumber, int screenId, std::string caption)
    : fQuestionNumber(std::move(questionNumber)),
      fCaption(std::move(caption)),
      fScreenId(screenId) {}

TNavigatorItem::~TNavigatorItem() = default;

void TNavigatorItem::Create() { RefuseParameterlessCreate("TNavigatorItem"); }

void TNavigatorItem::RefuseParameterlessCreate(const std::string& className) {
    throw EConstructionRefused("Use paramaterised constructor for " + className + ".Create only");
}

std::string TNavigatorItem::DebugText() const {
    return "fQuestionNumber: " + Quoted(fQuestionNumber) + "; fCaption: " + Quoted(fCaption) +
           "; fScreenId: " + std::to_string(fScreenId) + "; fEnabled: " + BoolText(fEnabled) +
           "; fSelected: " + BoolText(fSelected);
}

std::string TNavigatorItem::NodeText() const {
    if (fQuestionNumber.empty()) return fCaption;
    return fQuestionNumber + " - " + fCaption;
}
