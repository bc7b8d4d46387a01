#include "interview/screen_catalogue.h"

#include "base/module_state.h"
#include "interview/core/screen_table.h"
#include "interview/tchildform.h"

TChildForm* CreateScreen(int number) {
    if (number < FirstScreen || number > LastScreen) return nullptr;
    TChildForm* screen = nullptr;
    if (State().ExtraScreenFactory) screen = State().ExtraScreenFactory(number);
    if (!screen) {
        const auto it = ScreenClasses().find(number);
        if (it == ScreenClasses().end() || !FindScreenEntry(number)) return nullptr;
        screen = it->second();
    }
    screen->FinishConstruction();
    return screen;
}
