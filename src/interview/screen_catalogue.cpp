#include "interview/screen_catalogue.h"

#include <map>

#include "interview/core/screen_table.h"
#include "interview/tchildform.h"
#include "module/core/module_state.h"

// Introduction, losses of earlier years and residency
#include "screens/tqcgt_83.h"

// Shares, trusts and real estate

// Depreciating assets, personal use assets, other assets, created rights and receipts

// Before the choice table

namespace {
using Factory = TChildForm* (*)();

template <class Screen>
TChildForm* Make() {
    return new Screen;
}

// The screen classes that exist, by the numbers they serve.
const std::map<int, Factory>& Factories() {
    static const std::map<int, Factory> table = {
        // Introduction, losses of earlier years and residency
        {2004, Make<TQCGT_83>},

        // Shares, trusts and real estate

        // Depreciating assets, personal use assets, other assets, created rights and receipts

        // Before the choice table
    };
    return table;
}
}  // namespace

TChildForm* CreateScreen(int number) {
    if (number < FirstScreen || number > LastScreen) return nullptr;
    TChildForm* screen = nullptr;
    if (State().ExtraScreenFactory) screen = State().ExtraScreenFactory(number);
    if (!screen) {
        const auto it = Factories().find(number);
        if (it == Factories().end() || !FindScreenEntry(number)) return nullptr;
        screen = it->second();
    }
    screen->FinishConstruction();
    return screen;
}
