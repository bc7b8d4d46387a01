#pragma once
// A top-level navigator entry; it may hold items of its own.

#include <memory>
#include <string>
#include <vector>

#include "interview/core/tnavigatoritem.h"

class TNavigatorTopic : public TNavigatorItem {
public:
    TNavigatorTopic(std::string questionNumber, int screenId, std::string caption);
    ~TNavigatorTopic() override;

    [[noreturn]] static void Create();

    std::string DebugText() const override;
    bool IsTopic() const override { return true; }

    TNavigatorItem* AddItem(const std::string& questionNumber, const std::string& caption,
                            int screenId);
    int ItemCount() const { return static_cast<int>(fItems.size()); }
    // Null outside 0 .. ItemCount() - 1.
    TNavigatorItem* Item(int index) const;
    bool HasItems() const { return !fItems.empty(); }
    bool HasSelectedItem() const;
    bool Holds(const TNavigatorItem* item) const;

private:
    std::vector<std::unique_ptr<TNavigatorItem>> fItems;
};
