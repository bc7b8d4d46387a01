#include "calc_batch.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <set>
#include <thread>

#include "base/module_state.h"
#include "calc_summary.h"
#include "command_support.h"

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Splits "FILE TFN" or "\"FILE WITH BLANKS\" TFN"; false when there is no TFN.
bool SplitLine(const std::string& line, std::string& file, std::string& tfn) {
    size_t end = 0;
    if (line[0] == '"') {
        end = line.find('"', 1);
        if (end == std::string::npos) return false;
        file = line.substr(1, end - 1);
        ++end;
    } else {
        end = line.find_first_of(" \t");
        if (end == std::string::npos) return false;
        file = line.substr(0, end);
    }
    tfn = Trimmed(line.substr(end));
    return !file.empty() && !tfn.empty();
}

// A second mention of the same file would have two threads write it at once.
void MarkRepeats(std::vector<BatchReturn>& returns) {
    std::set<fs::path> seen;
    for (BatchReturn& r : returns) {
        std::error_code error;
        fs::path where = fs::weakly_canonical(r.path, error);
        if (error) where = r.path;
        if (!seen.insert(where).second && r.problem.empty())
            r.problem = r.shown + ": listed more than once; calculated only the first time";
    }
}

struct Finished {
    bool done = false;
    CalcOutcome outcome;
};

CalcOutcome RunOne(const BatchReturn& r, const CalcJob& job) {
    if (!r.problem.empty()) {
        CalcOutcome failed;
        failed.status = ExitUsage;
        failed.error = r.problem;
        return failed;
    }
    try {
        const ThreadModuleState own;
        InstallResponder();
        return CalculateReturn(job);
    } catch (const std::exception& error) {
        CalcOutcome failed;
        failed.status = ExitFileProblem;
        failed.error = r.shown + ": unexpected failure: " + error.what();
        return failed;
    }
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// 1234 or 1234.5: dollars without separators, cents only when there are some.
std::string Plain(double amount) {
    if (amount == std::floor(amount) && std::fabs(amount) < 9e15)
        return std::to_string(static_cast<long long>(amount));
    return ordered_json(amount).dump();
}

double Amount(const ordered_json& figure) {
    return figure["value"].is_number() ? figure["value"].get<double>() : 0;
}

double CarriedForward(const ordered_json& result) {
    const ordered_json& carried = result["netCapitalLossesCarriedForward"];
    return Amount(carried["collectables"]) + Amount(carried["other"]);
}

// The error as the return's line shows it: "FILE: " in front unless it names the file.
std::string ErrorText(const BatchReturn& r, const CalcOutcome& outcome) {
    if (outcome.error.find(r.shown) != std::string::npos) return outcome.error;
    return r.shown + ": " + outcome.error;
}

class Printer {
public:
    explicit Printer(BatchOutput output) : output_(output) {
        if (output_ == BatchOutput::Csv)
            std::cout << "file,status,net_capital_gain,losses_carried_forward,"
                         "total_current_year_gains,notices,error\n";
    }

    void Print(const BatchReturn& r, const CalcOutcome& outcome) {
        const bool ok = outcome.status == ExitOk;
        if (output_ == BatchOutput::Json) {
            ordered_json entry = {{"file", r.shown}, {"status", outcome.status}};
            if (ok)
                entry["result"] = outcome.result;
            else
                entry["error"] = ErrorText(r, outcome);
            all_.push_back(std::move(entry));
            return;
        }
        if (output_ == BatchOutput::Csv) {
            std::cout << CsvField(r.shown) << ',' << (ok ? "ok" : "failed") << ',';
            if (ok)
                std::cout << Plain(Amount(outcome.result["netCapitalGain"])) << ','
                          << Plain(CarriedForward(outcome.result)) << ','
                          << Plain(Amount(outcome.result["returnLabels"]["totalCurrentYearGains"]))
                          << ',' << outcome.notices.size() << ",\n";
            else
                std::cout << ",,,," << CsvField(ErrorText(r, outcome)) << '\n';
            return;
        }
        if (!ok) {
            std::cout << ErrorText(r, outcome) << " (failed)\n";
            return;
        }
        std::cout << r.shown << ": net capital gain "
                  << SummaryMoney(Amount(outcome.result["netCapitalGain"]))
                  << ", losses carried forward " << SummaryMoney(CarriedForward(outcome.result));
        if (!outcome.notices.empty())
            std::cout << ", " << outcome.notices.size()
                      << (outcome.notices.size() == 1 ? " notice" : " notices");
        std::cout << '\n';
    }

    void Finish() {
        if (output_ == BatchOutput::Json) std::cout << all_.dump(2) << '\n';
        std::cout.flush();
    }

private:
    BatchOutput output_;
    ordered_json all_ = ordered_json::array();
};

// "12/200 returns, 1 failed" kept on one line of the terminal.
class Progress {
public:
    explicit Progress(size_t total) : total_(total), shown_(isatty(STDERR_FILENO) == 1) {}
    void Clear() {
        if (shown_) std::cerr << "\r\033[K" << std::flush;
    }
    void Show(size_t done, size_t failed) {
        if (!shown_) return;
        std::cerr << "\rorvana-tax: " << done << '/' << total_ << " returns";
        if (failed) std::cerr << ", " << failed << " failed";
        std::cerr << std::flush;
    }

private:
    size_t total_;
    bool shown_;
};

}  // namespace

bool ReadTfnFile(const std::string& list, std::vector<BatchReturn>& returns, std::string& error) {
    std::ifstream in(list);
    if (!in) {
        error = list + ": cannot be read";
        return false;
    }
    const fs::path folder = fs::path(list).parent_path();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        BatchReturn r;
        if (!SplitLine(line, r.shown, r.tfn)) {
            r.shown = line;
            r.problem = list + ", line " + std::to_string(number) +
                        ": give the file and its TFN (FILE TFN)";
        }
        const fs::path file(r.shown);
        r.path = (file.is_relative() ? folder / file : file).string();
        returns.push_back(std::move(r));
    }
    if (returns.empty()) {
        error = list + ": lists no returns";
        return false;
    }
    MarkRepeats(returns);
    return true;
}

int RunCalcBatch(const std::vector<BatchReturn>& returns, const std::vector<CalcJob>& jobs,
                 const BatchOptions& options) {
    std::vector<Finished> finished(returns.size());
    std::mutex mutex;
    std::condition_variable ready;
    std::atomic<size_t> next{0};
    const auto work = [&] {
        for (size_t i; (i = next++) < returns.size();) {
            CalcOutcome outcome = RunOne(returns[i], jobs[i]);
            const std::lock_guard guard(mutex);
            finished[i].outcome = std::move(outcome);
            finished[i].done = true;
            ready.notify_one();
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const size_t count =
        std::min<size_t>(options.threads > 0 ? options.threads : cores, returns.size());
    std::vector<std::thread> workers;
    for (size_t t = 0; t < count; ++t) workers.emplace_back(work);

    // Lines are written in the order the returns were given, as soon as each is ready.
    Printer printer(options.output);
    Progress progress(returns.size());
    size_t failed = 0;
    for (size_t i = 0; i < returns.size(); ++i) {
        std::unique_lock lock(mutex);
        ready.wait(lock, [&] { return finished[i].done; });
        const CalcOutcome outcome = std::move(finished[i].outcome);
        lock.unlock();
        if (outcome.status != ExitOk) ++failed;
        progress.Clear();
        printer.Print(returns[i], outcome);
        std::cout.flush();
        progress.Show(i + 1, failed);
    }
    for (std::thread& worker : workers) worker.join();
    progress.Clear();
    printer.Finish();
    if (failed == 0) return ExitOk;
    return Fail(ExitBatchFailed, std::to_string(failed) + " of " + std::to_string(returns.size()) +
                                     (returns.size() == 1 ? " return" : " returns") + " failed");
}
