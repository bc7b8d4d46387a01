#pragma once
// One recalculation of one return, as "orvana-tax calc" does it, on the calling thread's
// module state; nothing is printed, so a batch can run several side by side.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

struct CalcJob {
    std::string file, tfn;  // Latin-1
    bool automatic = false, dryRun = false;
    bool assetResults = true;  // each asset's results in the outcome (only the JSON shows them)
};

struct CalcOutcome {
    int status = 0;                     // the tool's exit status for this return
    std::string error;                  // one line, when status is not 0
    nlohmann::ordered_json result;      // the figures, when status is 0
    std::vector<std::string> notices;   // one line each, for a person
    std::vector<std::string> messages;  // what the core said besides
};

// Reads, recalculates and (unless a dry run) writes the return, holding its lock meanwhile.
CalcOutcome CalculateReturn(const CalcJob& job);
