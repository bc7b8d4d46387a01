// Recalculating a return depends on its answers alone: random returns recalculated twice
// give the same file, and an answer changed and changed back gives the figures of before.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "calc/return_calculation.h"
#include "random_return.h"
#include "store/data_file_format.h"
#include "store_fixture.h"

namespace {

struct Snapshot {
    ByteBuffer file;  // the plain form of the data file
    std::vector<std::string> lines;
    std::string refusal;
};

// One line per field, list line and item record, to show where two snapshots differ.
std::vector<std::string> DumpLines() {
    std::vector<std::string> lines;
    auto add = [&lines](const std::string& where, const FieldSlot& slot) {
        if (slot.list) {
            for (size_t i = 0; i < slot.list->size(); ++i)
                lines.push_back(where + " line " + std::to_string(i) + ": " + (*slot.list)[i]);
        } else if (FieldHoldsRecord(slot)) {
            lines.push_back(where + ": " + FieldSlotText(slot));
        }
    };
    for (int n = 1; n <= MaxField; ++n) {
        const FieldSlot& slot = State().Store->Slot(n);
        if (!slot.items) {
            add(std::to_string(n), slot);
            continue;
        }
        for (const WorksheetItem& record : *slot.items)
            add(std::to_string(n) + " item " + std::to_string(record.ItemKey) + " field " +
                    std::to_string(record.field),
                record.slot);
    }
    return lines;
}

Snapshot Recalculate() {
    // A refused return is not written: the tool leaves the file as it was.
    const FieldStore before = *State().Store;
    ChoiceTable table;
    const CalculationRefusal refusal = RecalculateReturn(table, true);
    if (refusal) *State().Store = before;
    Snapshot s;
    WritePlainForm(*State().Store, {}, s.file);
    s.lines = DumpLines();
    s.refusal = refusal.message;
    return s;
}

// The first few dump lines that one snapshot has and the other has not.
std::string Difference(const Snapshot& expected, const Snapshot& actual) {
    std::string text;
    int shown = 0;
    for (const std::string& line : expected.lines)
        if (shown < 12 &&
            std::find(actual.lines.begin(), actual.lines.end(), line) == actual.lines.end()) {
            text += "\n  was: " + line.substr(0, 160);
            ++shown;
        }
    shown = 0;
    for (const std::string& line : actual.lines)
        if (shown < 12 &&
            std::find(expected.lines.begin(), expected.lines.end(), line) == expected.lines.end()) {
            text += "\n  now: " + line.substr(0, 160);
            ++shown;
        }
    return text;
}

class ReturnPropertyTest : public StoreTest {};

}  // namespace

TEST_F(ReturnPropertyTest, RecalculationDependsOnTheAnswersAlone) {
    constexpr uint32_t Returns = 300;
    for (uint32_t seed = 1; seed <= Returns; ++seed) {
        ResetModuleState();
        AllocateFieldStore();
        State().CurrentYearOverride = 2026;
        RandomReturn generator(seed);
        const std::vector<AnswerPlace> answers = generator.Write();
        const Snapshot first = Recalculate();
        const Snapshot again = Recalculate();
        ASSERT_EQ(again.refusal, first.refusal) << "return " << seed;
        ASSERT_TRUE(again.file == first.file)
            << "return " << seed << " recalculated twice" << Difference(first, again);

        std::mt19937 pick(seed);
        const AnswerPlace place = answers[pick() % answers.size()];
        const FieldSlot original = ReadAnswer(place);
        generator.Change(place);
        Recalculate();
        RestoreAnswer(place, original);
        const Snapshot back = Recalculate();
        ASSERT_EQ(back.refusal, first.refusal) << "return " << seed << ", " << place.Name();
        // A refused return keeps the figures of its last calculation that was not refused.
        if (!first.refusal.empty()) continue;
        ASSERT_TRUE(back.file == first.file)
            << "return " << seed << ", " << place.Name() << " changed and changed back"
            << Difference(first, back);
    }
}
