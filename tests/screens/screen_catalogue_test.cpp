// Every screen class that exists carries the caption, help topic and buttons its catalogue
// entry names.

#include <gtest/gtest.h>

#include <memory>

#include "interview/core/screen_table.h"
#include "interview/screen_catalogue.h"
#include "interview/tchildform.h"
#include "store_fixture.h"

namespace {
unsigned ButtonsOf(const TChildForm& screen) {
    return (screen.ShowNextButton() ? sbNext : 0u) | (screen.ShowPrevButton() ? sbPrev : 0u) |
           (screen.ShowYesButton() ? sbYes : 0u) | (screen.ShowNoButton() ? sbNo : 0u);
}
}  // namespace

using ScreenCatalogueTest = StoreTest;

TEST_F(ScreenCatalogueTest, EveryBuiltScreenMatchesItsEntry) {
    int built = 0;
    for (const ScreenEntry& entry : ScreenTable()) {
        std::unique_ptr<TChildForm> screen(CreateScreen(entry.number));
        if (!screen) continue;
        ++built;
        SCOPED_TRACE(entry.number);
        EXPECT_EQ(screen->ScreenClassName().toStdString(), entry.className);
        EXPECT_EQ(screen->Caption().toStdString(), CaptionText(entry.caption));
        EXPECT_EQ(screen->HelpContext(), entry.helpContext);
        EXPECT_EQ(ButtonsOf(*screen), entry.buttons);
    }
    EXPECT_GE(built, 1);
}

TEST_F(ScreenCatalogueTest, NumbersOutsideTheCatalogueHaveNoScreen) {
    for (int number : {0, 2003, 2008, 2099, 2100, 2124, 2127, 2201})
        EXPECT_EQ(CreateScreen(number), nullptr) << number;
}
