#pragma once
// A fresh module state with an allocated, empty store for every test.

#include <gtest/gtest.h>

#include "base/module_state.h"
#include "store/field_store.h"

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModuleState();
        AllocateFieldStore();
        State().CurrentYearOverride = 2026;
    }
    void TearDown() override { ResetModuleState(); }
};
