#pragma once
// A store holding only the identifier, a scripted responder and a folder for the return
// "RETURN.TAX", for tests of the data file.

#include <optional>
#include <string>

#include "scripted_responder.h"
#include "store/field_store.h"
#include "store_fixture.h"
#include "temp_dir.h"

inline constexpr const char* Tfn = "123 456 782";

class ReturnFileTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        responder.emplace();
        State().IdentifierText = Tfn;
        SetFieldStr(1, Tfn);
        name = dir.File("RETURN.TAX");
    }

    TempDir dir;
    std::string name;
    std::optional<ScriptedResponder> responder;
};
