// Every fixture under fixtures/: an asset item given as its answers, the summaries to run,
// and the figures expected in the item's fields afterwards.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "base/text_encoding.h"
#include "calc_fixture.h"
#include "fixture_files.h"

namespace {

// "1132 = 18050" -> field 1132 and "18050" (the value may be empty).
std::pair<int, std::string> Assignment(const std::string& text) {
    const size_t equals = text.find('=');
    const std::string field = TrimmedText(text.substr(0, equals));
    const std::string value =
        equals == std::string::npos ? std::string() : TrimmedText(text.substr(equals + 1));
    return {std::stoi(field), value};
}

class GoldenFixture : public CalcTest, public ::testing::WithParamInterface<std::string> {
protected:
    struct Expectation {
        std::string kind, value;
        int field = 0, line = 0;
    };

    void Load(const std::string& path) {
        const bool read = ForEachFixtureLine(
            path, [&](const std::string& word, const std::string& rest, int number) {
                if (word == "publication")
                    publication_ = rest;
                else if (word == "payments")
                    payments_ = rest;
                else if (word == "summary")
                    summary_ = rest;
                else if (word == "text")
                    SetFieldStr(Assignment(rest).first, Assignment(rest).second);
                else if (word == "money")
                    SetFieldVal(Assignment(rest).first, std::stold(Assignment(rest).second));
                else if (word == "tick")
                    SetFieldChecked(std::stoi(rest));
                else if (word == "cost")
                    AddCostCells(FixtureCells(rest));
                else if (word == "share-payment")
                    AddSharePaymentCells(FixtureCells(rest));
                else if (word == "trust-payment")
                    AddTrustPaymentCells(FixtureCells(rest));
                else if (word.rfind("expect", 0) == 0)
                    expectations_.push_back(
                        {word, Assignment(rest).second, Assignment(rest).first, number});
                else if (word != "note" && word != "source")
                    ADD_FAILURE() << path << ":" << number << ": unknown line '" << word << "'";
            });
        ASSERT_TRUE(read) << path;
    }
    static void AddCostCells(std::vector<std::string> cells) {
        cells.resize(4);
        AddCost(cells[0], cells[1], cells[2], cells[3]);
    }
    static void AddSharePaymentCells(std::vector<std::string> cells) {
        cells.resize(3);
        AddSharePayment(cells[0], cells[1], cells[2]);
    }
    static void AddTrustPaymentCells(std::vector<std::string> cells) {
        cells.resize(6);
        AddTrustPayment(cells[0], cells[1], cells[2], cells[3], cells[4], cells[5]);
    }

    void Run() {
        if (!payments_.empty())
            RunPayments(payments_ == "trusts" ? PaymentScreen::Trusts : PaymentScreen::Shares);
        if (!summary_.empty())
            RunSummary(summary_ == "depreciating" ? SummaryScreen::Depreciating
                                                  : SummaryScreen::General);
    }

    void Check(const Expectation& e) {
        SCOPED_TRACE("line " + std::to_string(e.line) + ", field " + std::to_string(e.field));
        const long double value = GetFieldVal(e.field);
        if (e.kind == "expect") {
            const long double expected = std::stold(e.value);
            // 0 means blank: the explicit zero (a result of nothing) is not blank.
            if (expected == 0)
                EXPECT_LT(std::abs(static_cast<double>(value)), 0.001);
            else
                EXPECT_NEAR(static_cast<double>(value), static_cast<double>(expected), 0.005);
        } else if (e.kind == "expect-zero") {
            EXPECT_TRUE(IsZeroMarker(e.field)) << static_cast<double>(value);
        } else if (e.kind == "expect-text") {
            EXPECT_EQ(GetFieldStr(e.field), e.value);
        } else if (e.kind == "expect-ticked") {
            EXPECT_TRUE(FieldChecked(e.field));
        } else if (e.kind == "expect-unticked") {
            EXPECT_TRUE(FieldNotChecked(e.field));
        } else {
            ADD_FAILURE() << "unknown expectation " << e.kind;
        }
    }

    std::string publication_, payments_, summary_;
    std::vector<Expectation> expectations_;
};

TEST_P(GoldenFixture, GivesThePublishedFigures) {
    Load(GetParam());
    ASSERT_FALSE(publication_.empty()) << "every fixture names its publication (or none)";
    ASSERT_FALSE(payments_.empty() && summary_.empty()) << "nothing to run";
    ASSERT_FALSE(expectations_.empty()) << "a fixture without expectations proves nothing";
    Run();
    for (const Expectation& e : expectations_) Check(e);
}

INSTANTIATE_TEST_SUITE_P(Calc, GoldenFixture,
                         ::testing::ValuesIn(FixtureFiles(ORVANA_CALC_FIXTURES)),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return std::filesystem::path(info.param).stem().string();
                         });

}  // namespace
