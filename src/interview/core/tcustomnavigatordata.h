#pragma once
// The list of navigator topics in display order, one instance per navigator class.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "interview/core/tnavigatortopic.h"
#include "interview/core/tsingleton.h"

struct TNavigatorColour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

class TCustomNavigatorData : public TSingleton {
public:
    ~TCustomNavigatorData() override;

    TNavigatorTopic* AddTopic(const std::string& caption, int screenId);
    // A screen numbered away from its topic (a question that opens it) is found as the
    // topic's screen.
    void AddScreenOfTopic(int screenNumber, int topicScreen);

    // Among all topics and items, the one with the greatest screen number not above n (the
    // first in display order on a tie), n read as its topic's screen when it was added as
    // one; none when there is none or it lies in another group.
    TNavigatorItem* FindItemForScreen(int screenNumber) const;

    // Clears every highlight mark, then marks the entry and the topic that holds it. An entry
    // of another navigator, or none, leaves nothing marked.
    void SelectEntry(const TNavigatorItem* entry);

    int TopicCount() const { return static_cast<int>(fTopics.size()); }
    // Null outside 0 .. TopicCount() - 1.
    TNavigatorTopic* Topic(int index) const;
    // The topic that is the entry or holds it; null for an entry of another navigator.
    TNavigatorTopic* TopicOf(const TNavigatorItem* entry) const;
    bool AnyTopicHasItems() const;

    TNavigatorColour BackgroundColour() const { return {235, 235, 235}; }

protected:
    TCustomNavigatorData() = default;
    void CreateInstance() override;
    virtual void Populate() = 0;

private:
    std::vector<std::unique_ptr<TNavigatorTopic>> fTopics;
    std::map<int, int> fTopicScreens;
};
