#include "calc_command.h"

#include <iostream>
#include <string>
#include <vector>

#include "base/latin1_text.h"
#include "calc_batch.h"
#include "calc_run.h"
#include "calc_summary.h"
#include "command_support.h"

namespace {

const char* const CalcUsage =
    "calc takes FILE... with --tfn ID, or --tfn-file LIST, and --json or --csv, not both "
    "(see --help)";

struct CalcArguments {
    std::vector<std::string> files;  // as given
    std::string tfn, tfnFile;
    bool haveTfn = false, automatic = false, dryRun = false, json = false, csv = false;
    int jobs = 0;
};

bool Value(int argc, char** argv, int& i, std::string& target, std::string& error) {
    if (i + 1 >= argc) {
        error = std::string(argv[i]) + " needs a value";
        return false;
    }
    target = argv[++i];
    return true;
}

bool Parse(int argc, char** argv, CalcArguments& args, std::string& error) {
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string jobs;
        if (arg == "--tfn") {
            if (!Value(argc, argv, i, args.tfn, error)) return false;
            args.haveTfn = true;
        } else if (arg == "--tfn-file") {
            if (!Value(argc, argv, i, args.tfnFile, error)) return false;
        } else if (arg == "--jobs") {
            if (!Value(argc, argv, i, jobs, error)) return false;
            args.jobs = jobs.find_first_not_of("0123456789") == std::string::npos && jobs.size() < 4
                            ? std::stoi("0" + jobs)
                            : 0;
            if (args.jobs < 1) {
                error = "--jobs needs a number from 1 to 999";
                return false;
            }
        } else if (arg == "--auto") {
            args.automatic = true;
        } else if (arg == "--dry-run") {
            args.dryRun = true;
        } else if (arg == "--json") {
            args.json = true;
        } else if (arg == "--csv") {
            args.csv = true;
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return false;
        } else {
            args.files.push_back(arg);
        }
    }
    const bool list = !args.tfnFile.empty();
    if (list == !args.files.empty() || (args.json && args.csv)) {
        error = CalcUsage;
        return false;
    }
    if (list && args.haveTfn) {
        error = "--tfn-file gives each return its TFN; --tfn is not needed with it";
        return false;
    }
    if (!list && !args.haveTfn) {
        error = "--tfn ID is needed: its digits are the file's key";
        return false;
    }
    return true;
}

// Latin-1 file name and TFN, or the reason they cannot be.
std::string MakeJob(const std::string& file, const std::string& tfn, const CalcArguments& args,
                    CalcJob& job) {
    job.automatic = args.automatic;
    job.dryRun = args.dryRun;
    job.assetResults = args.json;
    if (!Utf8ToLatin1(file, job.file) || !Utf8ToLatin1(tfn, job.tfn) || job.file.size() > 255 ||
        job.tfn.size() > 255)
        return "file name and TFN must be at most 255 Latin-1 characters";
    return {};
}

// One return, as the tool has always done it: the summary (or the JSON), the error alone.
int Single(const CalcArguments& args) {
    CalcJob job;
    if (const std::string problem = MakeJob(args.files[0], args.tfn, args, job); !problem.empty())
        return Fail(ExitUsage, problem);
    const CalcOutcome outcome = CalculateReturn(job);
    if (outcome.status != ExitOk) Fail(outcome.status, outcome.error);
    for (const std::string& message : outcome.messages) Fail(0, message);
    if (outcome.status != ExitOk) return outcome.status;
    if (args.json) {
        std::cout << outcome.result.dump(2) << '\n';
    } else {
        std::cout << CalcSummaryText(outcome.result);
        for (const std::string& line : outcome.notices) std::cout << line << '\n';
    }
    return ExitOk;
}

}  // namespace

int RunCalcCommand(int argc, char** argv) {
    CalcArguments args;
    std::string error;
    if (!Parse(argc, argv, args, error)) return Fail(ExitUsage, error);
    const bool batch = !args.tfnFile.empty() || args.files.size() > 1 || args.csv;
    if (!batch) {
        InstallResponder();
        return Single(args);
    }
    std::vector<BatchReturn> returns;
    if (!args.tfnFile.empty()) {
        if (!ReadTfnFile(args.tfnFile, returns, error)) return Fail(ExitUsage, error);
    } else {
        for (const std::string& file : args.files) returns.push_back({file, file, args.tfn, {}});
    }
    std::vector<CalcJob> jobs(returns.size());
    for (size_t i = 0; i < returns.size(); ++i)
        if (returns[i].problem.empty())
            returns[i].problem = MakeJob(returns[i].path, returns[i].tfn, args, jobs[i]);
    BatchOptions options;
    options.output = args.csv    ? BatchOutput::Csv
                     : args.json ? BatchOutput::Json
                                 : BatchOutput::Lines;
    options.threads = args.jobs;
    return RunCalcBatch(returns, jobs, options);
}
