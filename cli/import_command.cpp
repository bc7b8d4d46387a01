#include "import_command.h"

#include <cstring>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "base/dates.h"
#include "base/latin1_text.h"
#include "base/module_state.h"
#include "calc/asset_fields.h"
#include "command_support.h"
#include "import/holdings_csv.h"
#include "import/parcel_matching.h"
#include "import/trade_reading.h"
#include "screens/core/trade_import.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/file_bytes.h"
#include "store/lodgment.h"
#include "store/return_lock.h"
#include "store/worksheet_items.h"

namespace {

constexpr const char* ImportUsage =
    "usage: orvana-tax import FILE --tfn ID --trades LIST.csv [--match "
    "fifo|lifo|min-gain|specific] "
    "[--map ROLE=COLUMN,...] [--active CODE]... [--exclude CODE]... [--holdings OUT.csv] "
    "[--names FILE] [--name CODE=NAME]... [--trade-date REF=DD/MM/YYYY]... [--replace] "
    "[--dry-run]";

struct ImportArguments {
    std::string file, tfn, trades, holdings, names;
    MatchMethod method = MatchMethod::Fifo;
    TradeReadOptions read;
    std::set<std::string> active;
    bool dryRun = false, replace = false;
};

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool Parse(int argc, char** argv, ImportArguments& args, std::string& error) {
    std::vector<std::string> positional;
    bool haveTfn = false;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool takesValue = arg == "--tfn" || arg == "--trades" || arg == "--match" ||
                                arg == "--map" || arg == "--active" || arg == "--exclude" ||
                                arg == "--holdings" || arg == "--names" || arg == "--name" ||
                                arg == "--trade-date";
        if (takesValue && i + 1 >= argc) {
            error = arg + " needs a value";
            return false;
        }
        if (arg == "--tfn") {
            args.tfn = argv[++i];
            haveTfn = true;
        } else if (arg == "--trades") {
            args.trades = argv[++i];
        } else if (arg == "--match") {
            if (!ReadMatchMethod(argv[++i], args.method)) {
                error = "--match takes fifo, lifo, min-gain or specific";
                return false;
            }
        } else if (arg == "--map") {
            // Compared with the list's cells, which are Latin-1.
            std::string map;
            if (!Utf8ToLatin1(argv[++i], map)) map = argv[i];
            if (!ParseColumnMap(map, args.read.map, error)) return false;
        } else if (arg == "--active") {
            args.active.insert(Upper(argv[++i]));
        } else if (arg == "--exclude") {
            args.read.exclude.insert(Upper(argv[++i]));
        } else if (arg == "--holdings") {
            args.holdings = argv[++i];
        } else if (arg == "--names") {
            args.names = argv[++i];
        } else if (arg == "--name" || arg == "--trade-date") {
            std::string value;
            if (!Utf8ToLatin1(argv[++i], value)) value = argv[i];
            if (!(arg == "--name" ? ParseCompanyName(value, args.read.names, error)
                                  : ParseTradeDateCorrection(value, args.read.tradeDates, error)))
                return false;
        } else if (arg == "--dry-run") {
            args.dryRun = true;
        } else if (arg == "--replace") {
            args.replace = true;
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 1 || args.trades.empty()) {
        error = ImportUsage;
        return false;
    }
    if (!haveTfn) {
        error = "--tfn ID is needed: its digits are the file's key";
        return false;
    }
    std::string file, tfn;
    if (!Utf8ToLatin1(positional[0], file) || !Utf8ToLatin1(args.tfn, tfn) || file.size() > 255 ||
        tfn.size() > 255) {
        error = "file name and TFN must be at most 255 Latin-1 characters";
        return false;
    }
    args.file = file;
    args.tfn = tfn;
    return true;
}

void PrintRow(const PreviewRow& row) {
    std::cout << "  " << Latin1ToUtf8(row.name) << "\n    line " << row.buyLine << " bought "
              << FormatDate(row.bought) << ", line " << row.sellLine << " sold "
              << FormatDate(row.sold) << ": " << row.quantity << " of " << row.boughtQuantity
              << "\n    cost " << FormatCents(row.cost) << "  brokerage on purchase "
              << FormatCents(row.buyBrokerage) << "  brokerage on sale "
              << FormatCents(row.sellBrokerage) << "\n    proceeds " << FormatCents(row.proceeds)
              << " (written as $" << row.proceedsDollars << ")  estimated gain "
              << FormatCents(row.estimatedGain)
              << (row.heldOverAYear && row.estimatedGain > 0 ? " (held over 12 months)" : "")
              << '\n';
}

void PrintPreview(const TradeImport& import) {
    std::cout << "Matched parcels (" << MatchMethodName(import.options.method) << "):\n";
    for (const PreviewRow& row : PreviewRows(import)) PrintRow(row);
    if (const std::vector<std::string> leftOut = LeftOutLines(import); !leftOut.empty()) {
        std::cout << "Left out:\n";
        for (const std::string& line : leftOut) std::cout << "  " << Latin1ToUtf8(line) << '\n';
    }
    for (const std::string& note : import.notes) std::cout << Latin1ToUtf8(note) << '\n';
    std::cout << import.read.list.skipped << " line(s) that are not trades skipped.\n";
}

int Problem(const ImportArguments& args, const ImportProblem& problem) {
    const std::string where =
        args.trades + (problem.line > 0 ? ":" + std::to_string(problem.line) : "");
    return Fail(ExitRefused, where + ": " + Latin1ToUtf8(problem.reason) + "; nothing was written");
}

// A file the import reads; its failure said, as the import stops there.
int ReadInput(const std::string& path, std::string& text) {
    std::vector<uint8_t> bytes;
    if (const int status = ReadFileBytes(path, bytes))
        return Fail(ExitFileProblem,
                    path + ": " + FileProblemText(status, path) + "; nothing was written");
    text.assign(bytes.begin(), bytes.end());
    return ExitOk;
}

// The --names file's "CODE,Name" lines; a --name of the same code stands.
int ReadNames(ImportArguments& args) {
    std::string text;
    if (const int status = ReadInput(args.names, text)) return status;
    CompanyNames names;
    ImportProblem problem;
    if (!ReadCompanyNames(TradeFileText(text), names, problem))
        return Fail(ExitRefused, args.names + ":" + std::to_string(problem.line) + ": " +
                                     Latin1ToUtf8(problem.reason) + "; nothing was written");
    args.read.names.merge(names);
    return ExitOk;
}

int Import(ImportArguments& args) {
    if (!args.names.empty())
        if (const int status = ReadNames(args)) return status;
    std::string text;
    if (const int status = ReadInput(args.trades, text)) return status;
    TradeImport import;
    ImportProblem problem;
    if (!PrepareTradeImport(text, {args.read, args.active, args.method}, import, problem))
        return Problem(args, problem);

    const std::string shown = Latin1ToUtf8(args.file);
    // Held from the read to the save, so that no other writer's change is lost.
    const ReturnLock lock(shown);
    if (lock.Error())
        return Fail(ExitFileProblem, shown + ": the return is in use by another program");
    State().IdentifierText = args.tfn;
    AllocateFieldStore();
    if (const int32_t opened = OpenDataFile(args.file); opened != OpenReadCompletely)
        return Fail(ExitFileProblem, WithFirstCoreMessage(OpenProblem(opened, shown)));
    if (!args.dryRun && (IsFileLodged() || GetFieldText(FrozenMarkField) == LodgedMark))
        return Fail(ExitFileProblem, shown + ": the return has been lodged and is locked");
    if (!args.replace && !EarlierImportItems(import).empty())
        return Fail(ExitRefused, args.trades + ": trades of this list are already in " + shown +
                                     " (--replace imports it again); nothing was written");

    PrintPreview(import);
    if (args.dryRun) {
        std::cout << "Dry run: nothing was written.\n";
        return ExitOk;
    }
    const ImportWritten done = WriteTradeImport(import, args.replace);
    if (const int32_t saved = SaveDataFile(args.file))
        return Fail(ExitFileProblem, shown + ": " + FileProblemText(saved, args.file));
    if (done.removed > 0)
        std::cout << done.removed << " share worksheet item(s) of the earlier import removed.\n";
    std::cout << done.written << " share worksheet item(s) written to " << shown << ".\n";
    if (args.holdings.empty()) return ExitOk;
    const std::string holdings = HoldingsCsv(import.result.unsold);
    if (const int status = ReplaceFileSafely(
            args.holdings, args.holdings, std::vector<uint8_t>(holdings.begin(), holdings.end())))
        return Fail(ExitFileProblem, args.holdings + ": " + FileProblemText(status, args.holdings) +
                                         "; the return was written, the holdings were not");
    std::cout << import.result.unsold.size() << " unsold parcel(s) written to " << args.holdings
              << ".\n";
    return ExitOk;
}

}  // namespace

int RunImportCommand(int argc, char** argv) {
    ImportArguments args;
    std::string error;
    if (!Parse(argc, argv, args, error)) return Fail(ExitUsage, error);
    InstallResponder();
    const int status = Import(args);
    FlushCoreMessages();
    return status;
}
