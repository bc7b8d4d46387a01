// The grid model at the size of a large choice table: 2,000 rows of 21 columns. Sorting,
// totalling and loading should each stay well inside a 16 ms frame.

#include <benchmark/benchmark.h>

#include <random>

#include "grid/grid_model.h"

namespace {

constexpr int Rows = 2000;
constexpr int Cols = 21;

std::vector<std::string> Descriptors() {
    std::vector<std::string> lines(Cols, "Text|0|0|40|");
    for (int col : {3, 4, 7, 8, 12, 13, 14, 15, 16}) lines[col] = "Amount|2|1|12|0|F|F|2|T|";
    lines[17] = "W/sheet number|0|1|4|0|T|F|0|";
    lines[18] = "W/sheet count|0|1|4|0|T|F|0|";
    lines[19] = "Part|0|0|2|0|T|";
    return lines;
}

// The rows as a field's line list, in random order. With `lookAlikes`, the part codes
// come in two letter cases, which sorting must compare one exchange at a time.
TextList ChoiceRows(bool lookAlikes) {
    std::mt19937 random(2006);
    TextList lines;
    lines.reserve(Rows * Cols);
    for (int row = 0; row < Rows; ++row) {
        for (int col = 0; col < Cols; ++col) {
            switch (col) {
                case 17:
                    lines.push_back(std::to_string(451 + random() % 12));
                    break;
                case 18:
                    lines.push_back(std::to_string(1 + random() % 40));
                    break;
                case 19: {
                    std::string part = "A" + std::to_string(1 + random() % 9);
                    if (lookAlikes && random() % 2) part[0] = 'a';
                    lines.push_back(part);
                    break;
                }
                case 3:
                case 4:
                case 7:
                case 8:
                case 12:
                case 13:
                case 14:
                case 15:
                case 16:
                    lines.push_back(std::to_string(random() % 100000) + "." +
                                    std::to_string(10 + random() % 90));
                    break;
                default:
                    lines.push_back("Asset " + std::to_string(random() % 5000));
            }
        }
    }
    return lines;
}

TGridModel ChoiceTable() {
    TGridModel grid;
    grid.SetColCount(Cols);
    grid.SetDisplay(Descriptors());
    grid.ReadDescriptors();
    return grid;
}

void SortRowsBench(benchmark::State& state, const char* keys, bool lookAlikes) {
    TGridModel grid = ChoiceTable();
    const TextList rows = ChoiceRows(lookAlikes);
    for (auto _ : state) {
        state.PauseTiming();
        grid.LoadFromList(&rows);
        state.ResumeTiming();
        grid.SortRows(keys);
        benchmark::DoNotOptimize(grid.Cell(0, 1));
    }
}

void BM_SortRows(benchmark::State& state) { SortRowsBench(state, "17,18,19", false); }
// Look-alike texts in a key before the last: the exchange rule taken literally.
void BM_SortRowsLookAlikeKeys(benchmark::State& state) { SortRowsBench(state, "19,17,18", true); }

void BM_ColumnTotal(benchmark::State& state) {
    TGridModel grid = ChoiceTable();
    const TextList rows = ChoiceRows(false);
    grid.LoadFromList(&rows);
    for (auto _ : state) benchmark::DoNotOptimize(grid.ColumnTotal(16));
}

void BM_LoadFromList(benchmark::State& state) {
    TGridModel grid = ChoiceTable();
    const TextList rows = ChoiceRows(false);
    for (auto _ : state) {
        grid.LoadFromList(&rows);
        benchmark::DoNotOptimize(grid.Cell(0, 1));
    }
}

void BM_SaveToList(benchmark::State& state) {
    TGridModel grid = ChoiceTable();
    const TextList rows = ChoiceRows(false);
    grid.LoadFromList(&rows);
    TextList saved;
    for (auto _ : state) {
        grid.SaveToList(saved);
        benchmark::DoNotOptimize(saved.data());
    }
}

}  // namespace

BENCHMARK(BM_SortRows)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortRowsLookAlikeKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColumnTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToList)->Unit(benchmark::kMillisecond);
