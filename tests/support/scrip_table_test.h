#pragma once
// A store and a scrip for scrip table set up as the tool sets it up, for tests of its rules.

#include "calc/scrip_for_scrip.h"
#include "grid/grid_model.h"
#include "scrip_exchanges.h"
#include "store_fixture.h"

class ScripTableTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        SetUpScripForScripTable(grid);
    }
    TGridModel grid;
};
