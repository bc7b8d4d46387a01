#pragma once
// "orvana-tax calc" on many returns at once, as an agent's office runs it: the returns are
// recalculated side by side on the cores, one line each is written in the order given (or a
// CSV row, or one JSON array), a return that fails is reported and the others go on.

#include <string>
#include <vector>

#include "calc_run.h"

struct BatchReturn {
    std::string shown;    // the file as the list or the command line wrote it
    std::string path;     // where it is (relative names taken from the list's folder)
    std::string tfn;      // as written
    std::string problem;  // the list line is wrong: this return is reported failed
};

// "FILE TFN" lines (FILE in double quotes when it holds blanks); blank lines and lines
// starting with # are skipped. False, with the reason, when the list cannot be read.
bool ReadTfnFile(const std::string& list, std::vector<BatchReturn>& returns, std::string& error);

enum class BatchOutput { Lines, Csv, Json };
struct BatchOptions {
    BatchOutput output = BatchOutput::Lines;
    int threads = 0;  // 0: one per core
};

// The exit status of a batch in which a return failed.
constexpr int ExitBatchFailed = 4;

// Runs the jobs (jobs[i] belongs to returns[i]); progress goes to standard error when it is
// a terminal. 0 when every return was recalculated, else ExitBatchFailed.
int RunCalcBatch(const std::vector<BatchReturn>& returns, const std::vector<CalcJob>& jobs,
                 const BatchOptions& options);
