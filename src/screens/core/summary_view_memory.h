#pragma once
// What a calculation summary screen class remembers between its screen objects: whether it
// is being shown again (after printing) and which view was chosen last. One per class, kept
// with the module's state, so a fresh module starts afresh.

#include <string>

#include "interview/core/tsingleton.h"

class SummaryViewMemory : public TSingleton {
public:
    SummaryViewMemory() = default;
    static SummaryViewMemory& Of(const std::string& screenClass) {
        return InstanceOf<SummaryViewMemory>("SummaryView " + screenClass);
    }

    bool shownBefore = false;
    int lastView = 0;
};
