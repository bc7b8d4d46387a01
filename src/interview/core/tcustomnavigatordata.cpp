#include "interview/core/tcustomnavigatordata.h"

TCustomNavigatorData::~TCustomNavigatorData() = default;

void TCustomNavigatorData::CreateInstance() {
    fTopics.clear();
    fTopicScreens.clear();
    Populate();
}

TNavigatorTopic* TCustomNavigatorData::AddTopic(const std::string& caption, int screenId) {
    fTopics.push_back(std::make_unique<TNavigatorTopic>(std::string(), screenId, caption));
    return fTopics.back().get();
}

void TCustomNavigatorData::AddScreenOfTopic(int screenNumber, int topicScreen) {
    fTopicScreens[screenNumber] = topicScreen;
}

TNavigatorItem* TCustomNavigatorData::FindItemForScreen(int screenNumber) const {
    if (const auto it = fTopicScreens.find(screenNumber); it != fTopicScreens.end())
        screenNumber = it->second;
    TNavigatorItem* best = nullptr;
    auto consider = [&](TNavigatorItem* entry) {
        if (entry->ScreenId() > screenNumber) return;
        if (!best || entry->ScreenId() > best->ScreenId()) best = entry;
    };
    for (const auto& topic : fTopics) {
        consider(topic.get());
        for (int i = 0; i < topic->ItemCount(); ++i) consider(topic->Item(i));
    }
    if (!best || best->Group() != screenNumber / 100) return nullptr;
    return best;
}

void TCustomNavigatorData::SelectEntry(const TNavigatorItem* entry) {
    TNavigatorTopic* holder = entry ? TopicOf(entry) : nullptr;
    for (const auto& topic : fTopics) {
        topic->fSelected = topic.get() == holder;
        for (int i = 0; i < topic->ItemCount(); ++i) {
            TNavigatorItem* item = topic->Item(i);
            item->fSelected = item == entry;
        }
    }
}

TNavigatorTopic* TCustomNavigatorData::Topic(int index) const {
    if (index < 0 || index >= TopicCount()) return nullptr;
    return fTopics[static_cast<size_t>(index)].get();
}

TNavigatorTopic* TCustomNavigatorData::TopicOf(const TNavigatorItem* entry) const {
    for (const auto& topic : fTopics) {
        if (topic.get() == entry || topic->Holds(entry)) return topic.get();
    }
    return nullptr;
}

bool TCustomNavigatorData::AnyTopicHasItems() const {
    for (const auto& topic : fTopics) {
        if (topic->HasItems()) return true;
    }
    return false;
}
