// Open + save of a large return (every asset worksheet holding 500 items of 40 fields)
// against the bare cipher over the same bytes: deciphering the file and enciphering its
// plain form, the work an open and a save cannot avoid. The goal is a ratio of at most 1.5.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "base/module_state.h"
#include "store/data_file.h"
#include "store/data_file_cipher.h"
#include "store/data_file_format.h"
#include "store/file_bytes.h"
#include "store/worksheet_items.h"

namespace {

constexpr const char* Tfn = "123 456 782";
constexpr int AssetWorksheets[] = {451, 452, 454, 455, 456, 457, 458, 462};
constexpr int ItemsPerWorksheet = 500;

// 40 answers an asset typically has: names and descriptions, amounts, dates, ticks.
void FillItem(int worksheet, int key) {
    GetWorksheetItem(worksheet, key);
    SetFieldStr(710, "Asset number " + std::to_string(key) + " of " + std::to_string(worksheet));
    for (int n = 711; n <= 730; ++n) SetFieldVal(n, 1000.25L * key + n);
    for (int n = 731; n <= 735; ++n) SetFieldStr(n, "01/07/05");
    for (int n = 736; n <= 740; ++n) SetFieldChecked(n);
    for (int n = 741; n <= 744; ++n) SetFieldStr(n, "A description of some length for the report");
    for (int n = 745; n <= 749; ++n) {
        SetFieldType(n, dtNumeric);
        SetFieldVal(n, n - 744);
    }
    PutWorksheetItem(worksheet, key);
}

struct LargeReturn {
    std::string folder, file;
    ByteBuffer enciphered, plain;
    CipherKey key{};

    LargeReturn() {
        char pattern[] = "/tmp/orvana-bench-XXXXXX";
        if (!mkdtemp(pattern)) std::abort();
        folder = pattern;
        file = folder + "/LARGE.TAX";
        ResetModuleState();
        AllocateFieldStore();
        State().IdentifierText = Tfn;
        SetFieldStr(1, Tfn);
        for (int worksheet : AssetWorksheets)
            for (int key = 1; key <= ItemsPerWorksheet; ++key) FillItem(worksheet, key);
        if (SaveDataFile(file) != 0 || ReadFileBytes(file, enciphered) != 0) std::abort();
        KeyFromText(MakeKeyText(Tfn), key);
        if (!DecipherDataFile(enciphered, key, plain)) std::abort();
    }
    ~LargeReturn() { std::filesystem::remove_all(folder); }
};

LargeReturn& Return() {
    static LargeReturn large;
    return large;
}

void BM_OpenAndSave(benchmark::State& state) {
    LargeReturn& large = Return();
    int round = 0;
    for (auto _ : state) {
        if (OpenDataFile(large.file) != OpenReadCompletely) state.SkipWithError("open failed");
        // A save that changes nothing writes nothing; each of these changes one field.
        SetFieldStr(397, "round " + std::to_string(++round));
        if (SaveDataFile(large.file) != 0) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * large.enciphered.size()));
}

void BM_BareCipher(benchmark::State& state) {
    LargeReturn& large = Return();
    ByteBuffer plain, enciphered;
    for (auto _ : state) {
        DecipherDataFile(large.enciphered, large.key, plain);
        EncipherDataFile(large.plain, large.key, enciphered);
        benchmark::DoNotOptimize(enciphered.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * large.enciphered.size()));
}

BENCHMARK(BM_OpenAndSave)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BareCipher)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Prints the console report and keeps each benchmark's real and CPU time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            times[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                 run.GetAdjustedCPUTime()};
    }
    std::map<std::string, std::pair<double, double>> times;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("large return: %zu enciphered bytes\n", Return().enciphered.size());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto openSave = reporter.times.find("BM_OpenAndSave");
    const auto cipher = reporter.times.find("BM_BareCipher");
    if (openSave != reporter.times.end() && cipher != reporter.times.end()) {
        const auto [saveReal, saveCpu] = openSave->second;
        const auto [cipherReal, cipherCpu] = cipher->second;
        // Real time includes the flushes to disk; CPU time is steadier on a busy machine.
        std::printf("open + save / bare cipher: %.2f real, %.2f CPU (goal: at most 1.5)\n",
                    saveReal / cipherReal, saveCpu / cipherCpu);
    }
    benchmark::Shutdown();
    return 0;
}
