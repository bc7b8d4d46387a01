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
#include "import/import_notes.h"
#include "import/parcel_item_text.h"
#include "import/parcel_matching.h"
#include "import/trade_reading.h"
#include "parcel_item_answers.h"
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
    "[--names FILE] [--name CODE=NAME]... [--trade-date REF=DD/MM/YYYY]... [--dry-run]";

struct ImportArguments {
    std::string file, tfn, trades, holdings, names;
    MatchMethod method = MatchMethod::Fifo;
    TradeReadOptions read;
    std::set<std::string> active;
    bool dryRun = false;
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

// The list's lines hold Latin-1 as the store does: a UTF-8 list (spreadsheets often begin it
// with a byte order mark) is converted; any other is taken as Latin-1 already.
std::string AsLatin1(std::string text) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
    std::string latin1;
    return Utf8ToLatin1(text, latin1) ? latin1 : text;
}

void PrintPart(const MatchedPart& part) {
    const Cents costBase = part.cost + part.buyBrokerage + part.sellBrokerage;
    const Cents gain = part.proceedsDollars * 100 - costBase;
    const bool discount = HeldOverAYear(part.buy->date, part.sell->date);
    std::cout << "  " << Latin1ToUtf8(PartItemName(part)) << "\n    line " << part.buy->line
              << " bought " << FormatDate(part.buy->date) << ", line " << part.sell->line
              << " sold " << FormatDate(part.sell->date) << ": " << part.quantity << " of "
              << part.buy->quantity << "\n    cost " << FormatCents(part.cost)
              << "  brokerage on purchase " << FormatCents(part.buyBrokerage)
              << "  brokerage on sale " << FormatCents(part.sellBrokerage) << "\n    proceeds "
              << FormatCents(part.proceeds) << " (written as $" << part.proceedsDollars
              << ")  estimated gain " << FormatCents(gain)
              << (discount && gain > 0 ? " (held over 12 months)" : "") << '\n';
}

void PrintLeftOut(const TradeList& list, const MatchResult& result,
                  const std::vector<const MatchedPart*>& preCgt) {
    for (const Trade* sale : result.outsideYear)
        std::cout << "  line " << sale->line << ": " << sale->code << " sold "
                  << FormatDate(sale->date)
                  << ", outside the income year 1/07/2005 to 30/06/2006\n";
    for (const MatchedPart* part : preCgt)
        std::cout << "  line " << part->sell->line << ": " << part->quantity << " "
                  << part->buy->code << " bought " << FormatDate(part->buy->date)
                  << ", before capital gains tax began\n";
    for (const ExcludedLine& line : list.excluded)
        std::cout << "  line " << line.line << ": " << line.code << " excluded\n";
}

int Problem(const ImportArguments& args, const ImportProblem& problem) {
    const std::string where =
        args.trades + (problem.line > 0 ? ":" + std::to_string(problem.line) : "");
    return Fail(ExitRefused, where + ": " + Latin1ToUtf8(problem.reason) + "; nothing was written");
}

// The --names file's "CODE,Name" lines; a --name of the same code stands.
int ReadNames(ImportArguments& args) {
    std::vector<uint8_t> bytes;
    if (const int status = ReadFileBytes(args.names, bytes))
        return Fail(ExitFileProblem, args.names + ": " + FileProblemText(status, args.names) +
                                         "; nothing was written");
    CompanyNames names;
    ImportProblem problem;
    if (!ReadCompanyNames(AsLatin1(std::string(bytes.begin(), bytes.end())), names, problem))
        return Fail(ExitRefused, args.names + ":" + std::to_string(problem.line) + ": " +
                                     Latin1ToUtf8(problem.reason) + "; nothing was written");
    args.read.names.merge(names);
    return ExitOk;
}

int Import(ImportArguments& args) {
    if (!args.names.empty())
        if (const int status = ReadNames(args)) return status;
    std::vector<uint8_t> bytes;
    if (const int status = ReadFileBytes(args.trades, bytes))
        return Fail(ExitFileProblem, args.trades + ": " + FileProblemText(status, args.trades) +
                                         "; nothing was written");
    const std::string text(bytes.begin(), bytes.end());
    ImportedTrades read;
    MatchResult result;
    ImportProblem problem;
    if (!ReadTrades(AsLatin1(text), args.read, read, problem) ||
        !MatchSales(read.list, args.method, result, problem))
        return Problem(args, problem);
    const TradeList& list = read.list;
    std::vector<const MatchedPart*> written, preCgt;
    for (const MatchedPart& part : result.parts) {
        if (BoughtBeforeCgt(part)) {
            preCgt.push_back(&part);
            continue;
        }
        if (const std::string why = PartItemProblem(part); !why.empty())
            return Problem(args, {part.sell->line, why});
        written.push_back(&part);
    }

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
    std::vector<MatchedPart> parts;
    for (const MatchedPart* part : written) parts.push_back(*part);
    if (AnyPartImported(parts))
        return Fail(ExitRefused, args.trades + ": trades of this list are already in " + shown +
                                     "; nothing was written");

    std::cout << "Matched parcels (" << MatchMethodName(args.method) << "):\n";
    for (const MatchedPart* part : written) PrintPart(*part);
    if (!result.outsideYear.empty() || !preCgt.empty() || !list.excluded.empty()) {
        std::cout << "Left out:\n";
        PrintLeftOut(list, result, preCgt);
    }
    for (const std::string& note : ImportNoteLines(read, result))
        std::cout << Latin1ToUtf8(note) << '\n';
    std::cout << list.skipped << " line(s) that are not trades skipped.\n";
    if (args.dryRun) {
        std::cout << "Dry run: nothing was written.\n";
        return ExitOk;
    }
    int key = WorksheetItemCount(SharesWorksheet);
    std::string error;
    for (const MatchedPart* part : written) {
        ++key;
        for (const FieldAssignment& answer :
             PartItemAnswers(*part, key, args.active.count(part->buy->code) > 0))
            if (!ApplyFieldAssignment(answer, false, error))
                return Fail(ExitFileProblem, error + "; nothing was written");
    }
    if (const int32_t saved = SaveDataFile(args.file))
        return Fail(ExitFileProblem, shown + ": " + FileProblemText(saved, args.file));
    std::cout << written.size() << " share worksheet item(s) written to " << shown << ".\n";
    if (args.holdings.empty()) return ExitOk;
    const std::string holdings = HoldingsCsv(result.unsold);
    if (const int status = ReplaceFileSafely(
            args.holdings, args.holdings, std::vector<uint8_t>(holdings.begin(), holdings.end())))
        return Fail(ExitFileProblem, args.holdings + ": " + FileProblemText(status, args.holdings) +
                                         "; the return was written, the holdings were not");
    std::cout << result.unsold.size() << " unsold parcel(s) written to " << args.holdings << ".\n";
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
