#pragma once
// The command-line tool run on a return, and the store's CGT schedule record and return
// labels compared with what its calculation printed. The test program defines ORVANA_TAX.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "calc/cgt_schedule.h"
#include "calc_json_fields.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

// Runs orvana-tax with the arguments (each quoted), its output into `out`; its exit status.
inline int RunOrvanaTax(const std::vector<std::string>& arguments, const std::string& out) {
    std::string command = std::string("'") + ORVANA_TAX + "'";
    for (const std::string& argument : arguments) command += " '" + argument + "'";
    command += " >'" + out + "' 2>&1";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// What `orvana-tax calc FILE --json OPTION` prints (OPTION --auto or --dry-run); `out` is a
// scratch file.
inline nlohmann::json CalcJson(const std::string& file, const std::string& tfn,
                               const std::string& option, const std::string& out) {
    const int status = RunOrvanaTax({"calc", file, "--tfn", tfn, option, "--json"}, out);
    std::ifstream in(out);
    EXPECT_EQ(status, 0) << std::string(std::istreambuf_iterator<char>(in), {});
    if (status != 0) return {};
    in.seekg(0);
    return nlohmann::json::parse(in, nullptr, false);
}

inline nlohmann::json CalcAuto(const std::string& file, const std::string& tfn,
                               const std::string& out) {
    return CalcJson(file, tfn, "--auto", out);
}

// A field as the store holds it equals the tool's value of it: a tick, a text or an amount
// (the store's mark of an explicit zero is 0); a blank (null) is neither ticked nor an amount.
inline void ExpectFieldAsCalculated(int field, const nlohmann::json& value) {
    SCOPED_TRACE(field);
    if (value.is_boolean()) {
        EXPECT_EQ(FieldChecked(field), value.get<bool>());
    } else if (value.is_string()) {
        EXPECT_EQ(GetFieldStr(field), value.get<std::string>());
    } else {
        if (value.is_null()) {
            EXPECT_FALSE(FieldChecked(field));
        }
        EXPECT_NEAR(static_cast<double>(GetFieldVal(field, true)),
                    value.is_number() ? value.get<double>() : 0.0, 0.00001);
    }
}

// The return labels the host reads and every field of the schedule record, as the store
// holds them, equal those the tool printed; the tool names every one of them.
inline void ExpectScheduleAndLabelsAsCalculated(const nlohmann::json& tool) {
    ASSERT_TRUE(tool.is_object()) << tool.dump();
    const std::map<int, nlohmann::json> labels = CalcFields(tool["returnLabels"]);
    for (int field : {169, 170, 171, 174, 175, 1578, 1579, 1585}) {
        ASSERT_TRUE(labels.count(field)) << field;
        ExpectFieldAsCalculated(field, labels.at(field));
    }
    const std::map<int, nlohmann::json> schedule = CalcFields(tool["schedule"]);
    GetWorksheetItem(ScheduleWorksheet, 1);
    EXPECT_EQ(GetFieldStr(ItemNameField), ScheduleName);
    int compared = 0;
    for (int field = ScratchFirstLow; field <= ScratchLastHigh; ++field) {
        if (!IsScratchField(field) || field == ItemNameField) continue;
        const auto named = schedule.find(field);
        ExpectFieldAsCalculated(field, named == schedule.end() ? nlohmann::json() : named->second);
        ++compared;
    }
    EXPECT_GT(compared, 60);
}
