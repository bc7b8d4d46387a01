// Every return under tests/calc/return_fixtures: the answers of a whole return written to a
// data file, taken through "orvana-tax calc", and the figures it prints compared with the
// published (or hand-worked) ones.

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/module_state.h"
#include "base/text_encoding.h"
#include "fixture_files.h"
#include "item_answers.h"
#include "orvana_tax_fixture.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

constexpr const char* Tfn = "123 456 782";

// "left = right", both trimmed.
std::pair<std::string, std::string> Split(const std::string& text) {
    const size_t equals = text.rfind('=');
    return {TrimmedText(text.substr(0, equals)), TrimmedText(text.substr(equals + 1))};
}

void AddTableRecord(int field, size_t columns, const std::vector<int>& cols,
                    const std::vector<std::string>& cells) {
    TextList list;
    if (const TextList* held = GetFieldLst(field)) list = *held;
    const size_t base = list.size();
    list.resize(base + columns);
    for (size_t i = 0; i < cells.size() && i < cols.size(); ++i)
        list[base + static_cast<size_t>(cols[i])] = cells[i];
    SetFieldLst(field, std::move(list));
}

class ReturnFixture : public OrvanaTaxTest, public ::testing::WithParamInterface<std::string> {
protected:
    struct Expectation {
        std::string kind, where, value;
        int line = 0;
    };

    void TearDown() override { ReleaseFieldStore(); }

    // Writes the return the fixture describes; its expectations are kept for later.
    void Load(const std::string& path) {
        ResetModuleState();
        AllocateFieldStore();
        State().IdentifierText = Tfn;
        SetFieldStr(1, Tfn);
        const bool read = ForEachFixtureLine(
            path, [&](const std::string& word, const std::string& rest, int number) {
                if (!Apply(word, rest, number))
                    ADD_FAILURE() << path << ":" << number << ": " << word << " " << rest;
            });
        ASSERT_TRUE(read) << path;
        CloseItem();
        ASSERT_EQ(SaveDataFile(file), 0);
    }

    bool Apply(const std::string& word, const std::string& rest, int number) {
        if (word == "publication") {
            publication_ = rest;
        } else if (word == "auto") {
            automatic_ = true;
        } else if (word == "item") {
            CloseItem();
            ZeroScratchFields();
            itemWorksheet_ = std::stoi(rest);
        } else if (word == "text") {
            SetFieldStr(std::stoi(Split(rest).first), Split(rest).second);
        } else if (word == "money") {
            SetFieldVal(std::stoi(Split(rest).first), std::stold(Split(rest).second));
        } else if (word == "tick") {
            SetFieldChecked(std::stoi(rest));
        } else if (word == "cost") {
            auto c = FixtureCells(rest);
            c.resize(4);
            AddCost(c[0], c[1], c[2], c[3]);
        } else if (word == "share-payment") {
            auto c = FixtureCells(rest);
            c.resize(3);
            AddSharePayment(c[0], c[1], c[2]);
        } else if (word == "trust") {
            // Name, then the nine gain columns in the table's order.
            AddTableRecord(1215, 41, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, FixtureCells(rest));
        } else if (word == "manual") {
            // Description, type, indexed, discount, other gain, loss, can defer, defer auto,
            // then the SBAAR, SBRE and SBRO elections kept in the record.
            AddTableRecord(1201, 21, {1, 2, 3, 4, 7, 8, 9, 10, 16, 17, 18}, FixtureCells(rest));
        } else if (word == "elections") {
            // SBAAR, SBRE and SBRO of the open item, as its elections are kept.
            auto c = FixtureCells(rest);
            c.resize(3);
            SetFieldLst(719, {"SBAA concessions", c[0], c[1], c[2]});
        } else if (word.rfind("expect", 0) == 0) {
            const auto [where, value] = Split(rest);
            expectations_.push_back({word, where, value, number});
        } else {
            return word == "note" || word == "source";
        }
        return true;
    }

    void CloseItem() {
        if (!itemWorksheet_) return;
        PutWorksheetItem(itemWorksheet_, WorksheetItemCount(itemWorksheet_) + 1);
        itemWorksheet_ = 0;
    }

    static json Item(const json& result, const std::string& where) {
        const size_t dot = where.find('.');
        const int worksheet = std::stoi(where.substr(0, dot));
        const int item = std::stoi(where.substr(dot + 1));
        for (const json& entry : result["assets"])
            if (entry["worksheet"] == worksheet && entry["item"] == item)
                return CalcByNumber(entry["results"]);
        return json();
    }

    static json Row(const json& result, const std::string& description) {
        for (const json& row : result["choiceTable"])
            if (row["description"] == description) return row;
        return json();
    }

    static void ExpectValue(const json& actual, const std::string& expected) {
        if (expected == "true" || expected == "false") {
            EXPECT_EQ(actual, expected == "true");
        } else if (actual.is_string()) {
            EXPECT_EQ(TrimmedText(actual.get<std::string>()), expected);
        } else if (std::stod(expected) == 0.0011) {
            // The module's mark of an explicit zero: the tool prints 0, not a blank (null).
            EXPECT_EQ(actual, 0) << actual.dump();
        } else {
            // A field the record does not hold is blank: 0.
            const double value = actual.is_number() ? actual.get<double>() : 0;
            EXPECT_NEAR(value, std::stod(expected), 0.00001) << actual.dump();
        }
    }

    void Check(const json& result, const Expectation& e) {
        SCOPED_TRACE("line " + std::to_string(e.line) + ": " + e.kind + " " + e.where);
        if (e.kind == "expect-label") {
            ExpectValue(CalcByNumber(result["returnLabels"]).value(e.where, json()), e.value);
        } else if (e.kind == "expect-schedule") {
            ExpectValue(CalcByNumber(result["schedule"]).value(e.where, json()), e.value);
        } else if (e.kind == "expect-item") {
            const size_t space = e.where.find(' ');
            const json fields = Item(result, e.where.substr(0, space));
            ASSERT_TRUE(fields.is_object()) << "no item " << e.where;
            ExpectValue(fields.value(e.where.substr(space + 1), json()), e.value);
        } else if (e.kind == "expect-row") {
            const std::vector<std::string> parts = FixtureCells(e.where);
            ASSERT_EQ(parts.size(), 2u) << "expect-row DESCRIPTION | COLUMN = VALUE";
            const json row = Row(result, parts[0]);
            ASSERT_TRUE(row.is_object()) << "no row " << parts[0];
            ExpectValue(row.value(parts[1], json()), e.value);
        } else {
            ADD_FAILURE() << "unknown expectation " << e.kind;
        }
    }

    std::string publication_;
    bool automatic_ = false;
    int itemWorksheet_ = 0;
    std::vector<Expectation> expectations_;
};

TEST_P(ReturnFixture, GivesTheWorkedFigures) {
    Load(GetParam());
    ASSERT_FALSE(publication_.empty()) << "every fixture names its publication (or none)";
    ASSERT_FALSE(expectations_.empty()) << "a fixture without expectations proves nothing";
    std::vector<std::string> args = {"calc", file, "--tfn", Tfn, "--json"};
    if (automatic_) args.push_back("--auto");
    const ToolRun run = Tax(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const json result = json::parse(run.out);
    for (const Expectation& e : expectations_) Check(result, e);
}

INSTANTIATE_TEST_SUITE_P(Calc, ReturnFixture,
                         ::testing::ValuesIn(FixtureFiles(ORVANA_RETURN_FIXTURES)),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return fs::path(info.param).stem().string();
                         });

}  // namespace
