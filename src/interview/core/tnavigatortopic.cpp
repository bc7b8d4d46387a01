#include "interview/core/tnavigatortopic.h"

#include <algorithm>
#include <utility>

TNavigatorTopic::TNavigatorTopic(std::string questionNumber, int screenId, std::string caption)
    : TNavigatorItem(std::move(questionNumber), screenId, std::move(caption)) {}

TNavigatorTopic::~TNavigatorTopic() = default;

void TNavigatorTopic::Create() { RefuseParameterlessCreate("TNavigatorTopic"); }

std::string TNavigatorTopic::DebugText() const {
    return "(" + TNavigatorItem::DebugText() + "); fItems: (Count: " + std::to_string(ItemCount()) +
           ")";
}

TNavigatorItem* TNavigatorTopic::AddItem(const std::string& questionNumber,
                                         const std::string& caption, int screenId) {
    fItems.push_back(std::make_unique<TNavigatorItem>(questionNumber, screenId, caption));
    return fItems.back().get();
}

TNavigatorItem* TNavigatorTopic::Item(int index) const {
    if (index < 0 || index >= ItemCount()) return nullptr;
    return fItems[static_cast<size_t>(index)].get();
}

bool TNavigatorTopic::HasSelectedItem() const {
    return std::any_of(fItems.begin(), fItems.end(),
                       [](const auto& item) { return item->Selected(); });
}

bool TNavigatorTopic::Holds(const TNavigatorItem* item) const {
    return std::any_of(fItems.begin(), fItems.end(),
                       [item](const auto& own) { return own.get() == item; });
}
