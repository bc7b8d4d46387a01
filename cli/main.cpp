// orvana-tax: makes, reads and changes return data files from the command line, over the
// same core the module uses. Support staff and tests build returns with it.

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "answers_file.h"
#include "base/identifiers.h"
#include "base/latin1_text.h"
#include "base/module_state.h"
#include "calc_command.h"
#include "command_support.h"
#include "field_assignment.h"
#include "field_names.h"
#include "import_command.h"
#include "print_command.h"
#include "return_dump.h"
#include "store/data_file.h"
#include "store/data_file_cipher.h"
#include "store/field_store.h"
#include "store/file_bytes.h"
#include "store/lodgment.h"
#include "store/return_key.h"
#include "store/return_lock.h"

namespace {

constexpr int NameField = 397;

const char* const Usage =
    "usage: orvana-tax COMMAND FILE --tfn ID [options]\n"
    "\n"
    "Commands:\n"
    "  new FILE --tfn ID [--name NAME] [--force]\n"
    "        writes a new return: field 1 the TFN, field 397 the name. An existing\n"
    "        FILE is replaced only with --force (it is kept as the .BAK backup). A TFN\n"
    "        that fails the check digit gets a warning.\n"
    "  dump FILE --tfn ID [--json] [--names]\n"
    "        prints the screen position, the history, every field with its number,\n"
    "        type and value, and every worksheet with its items; --names adds each\n"
    "        field's name (its label on the interview screen).\n"
    "  set FILE --tfn ID [--force] [--from ANSWERS] ASSIGNMENT...\n"
    "        sets fields, then saves the return; a lodged return, and a change of\n"
    "        field 1's digits (the file's key), are refused. Another program saving\n"
    "        the same return is waited for briefly. --from reads assignments from a\n"
    "        file first, one a line (samples/sample-return.txt shows the form).\n"
    "        Assignments:\n"
    "%ASSIGNMENTS%"
    "  calc FILE... --tfn ID [--auto] [--dry-run] [--json | --csv] [--jobs N]\n"
    "  calc --tfn-file LIST [--auto] [--dry-run] [--json | --csv] [--jobs N]\n"
    "        works out the gains, the choice table, the schedule and the labels, saves\n"
    "        the return and prints a summary: each gain or loss with its method, the\n"
    "        losses applied, the net capital gain, the losses carried forward and the\n"
    "        labels sent to the return. --json prints every figure by name, each with\n"
    "        its field number. --auto makes every method, deferment and loss choice.\n"
    "        Several returns (or --tfn-file, lines of FILE TFN) are a batch: they are\n"
    "        recalculated side by side (--jobs N at a time, one per core by default),\n"
    "        one line each (a CSV row with --csv, one JSON array with --json); a return\n"
    "        that fails is reported and the rest go on; the exit status is 4 when any\n"
    "        failed.\n"
    "  check FILE --tfn ID\n"
    "        exits 0 when the file reads completely, else says why and exits 1.\n"
    "  print FILE --tfn ID --report NAME [--item WORKSHEET.N] --pdf OUT.pdf\n"
    "        writes a report of the return as PDF; --item loads that worksheet item\n"
    "        first (451.1 is the first share).\n"
    "  import FILE --tfn ID --trades LIST.csv [--match fifo|lifo|min-gain|specific]\n"
    "         [--map ROLE=COLUMN,...] [--active CODE]... [--exclude CODE]...\n"
    "         [--holdings OUT.csv] [--names FILE] [--name CODE=NAME]...\n"
    "         [--trade-date REF=DD/MM/YYYY]... [--replace] [--dry-run]\n"
    "        reads a broker's trade list or cash-account statement, matches the sales\n"
    "        of 1/07/2005 to 30/06/2006 to the parcels bought before them and adds one\n"
    "        share worksheet item for each part parcel sold; prints the parcels,\n"
    "        amounts and estimated gains. Any problem writes nothing; a list already\n"
    "        imported is refused, and with --replace its earlier items are deleted and\n"
    "        it is written again. --map names\n"
    "        the columns (roles date, code, company, action, quantity, price,\n"
    "        brokerage, gst, consideration, net, parcel); --active CODE makes that\n"
    "        security's shares active assets; --exclude CODE leaves its lines out;\n"
    "        --holdings writes the parcels left unsold as a list the next import reads.\n"
    "        A statement's trades are read from its details (\"B 1,000 BHP @ 4.50\") and\n"
    "        dated three business days before settlement unless --trade-date gives the\n"
    "        date of the row with that reference; --names (CODE,Name lines) and --name\n"
    "        give company names.\n"
    "\n"
    "  --version   prints the tool's version.\n"
    "\n"
    "The TFN's digits are the file's key: a file opens only with the digits it was\n"
    "saved with. dump and check never change the file.\n";

struct Arguments {
    std::string command, file, tfn, name, answers;
    bool haveTfn = false, haveName = false, haveAnswers = false, json = false, force = false,
         help = false, version = false, names = false;
    std::vector<std::string> assignments;
};

bool ParseArguments(int argc, char** argv, Arguments& args, std::string& error) {
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& target, bool& seen) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            target = argv[++i];
            seen = true;
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            args.help = true;
        } else if (arg == "--version") {
            args.version = true;
        } else if (arg == "--tfn") {
            if (!value(args.tfn, args.haveTfn)) return false;
        } else if (arg == "--name") {
            if (!value(args.name, args.haveName)) return false;
        } else if (arg == "--from") {
            if (!value(args.answers, args.haveAnswers)) return false;
        } else if (arg == "--json") {
            args.json = true;
        } else if (arg == "--names") {
            args.names = true;
        } else if (arg == "--force") {
            args.force = true;
        } else if (arg.rfind("--", 0) == 0) {
            error = "unknown option " + arg;
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (args.help || args.version) return true;
    if (positional.size() < 2) {
        error = "give a command and a file (see --help)";
        return false;
    }
    args.command = positional[0];
    args.file = positional[1];
    args.assignments.assign(positional.begin() + 2, positional.end());
    if (args.command != "new" && args.command != "dump" && args.command != "set" &&
        args.command != "check") {
        error = "unknown command \"" + args.command + "\" (see --help)";
        return false;
    }
    if (!args.haveTfn) {
        error = "--tfn ID is needed: its digits are the file's key";
        return false;
    }
    if (args.haveAnswers && args.command != "set") {
        error = "--from belongs to set";
        return false;
    }
    if (args.names && args.command != "dump") {
        error = "--names belongs to dump";
        return false;
    }
    if (args.command != "set" && !args.assignments.empty()) {
        error = "unexpected argument \"" + args.assignments.front() + "\"";
        return false;
    }
    if (args.command == "set" && args.assignments.empty() && !args.haveAnswers) {
        error = "set needs at least one assignment N=VALUE or --from ANSWERS";
        return false;
    }
    return true;
}

// Opens the return into a fresh store; the exit status when it did not read completely.
int OpenReturn(const Arguments& args, const std::string& file, bool& partial) {
    partial = false;
    State().IdentifierText = args.tfn;
    AllocateFieldStore();
    const int32_t result = OpenDataFile(file);
    if (result == OpenReadCompletely) return ExitOk;
    partial = result == OpenBadFieldNumber;
    return Fail(ExitFileProblem, WithFirstCoreMessage(OpenProblem(result, args.file)));
}

int Save(const Arguments& args, const std::string& file) {
    const int32_t result = SaveDataFile(file);
    FlushCoreMessages();
    if (result != 0)
        return Fail(ExitFileProblem, args.file + ": " + FileProblemText(result, args.file));
    return ExitOk;
}

int New(const Arguments& args, const std::string& file) {
    if (MakeKeyText(args.tfn).empty())
        return Fail(ExitUsage, "the TFN has no digits, so the file would have no key");
    struct stat info {};
    if (!args.force && stat(Latin1ToUtf8(file).c_str(), &info) == 0)
        return Fail(ExitFileProblem, args.file + " exists (--force replaces it)");
    if (!IdentifierValid(IdentifierKind::TFN, args.tfn))
        std::cerr << "orvana-tax: warning: " << Latin1ToUtf8(args.tfn)
                  << " fails the TFN check digit; the return is written under it anyway\n";
    AllocateFieldStore();
    State().IdentifierText = args.tfn;
    SetFieldStr(1, args.tfn);
    if (args.haveName) SetFieldStr(NameField, args.name);
    return Save(args, file);
}

int Set(const Arguments& args, const std::string& file) {
    std::vector<FieldAssignment> assignments;
    std::string error;
    if (args.haveAnswers && !ReadAnswersFile(args.answers, assignments, error))
        return Fail(ExitUsage, error);
    for (const std::string& argument : args.assignments) {
        FieldAssignment assignment;
        if (!ParseFieldAssignment(argument, assignment, error)) return Fail(ExitUsage, error);
        assignments.push_back(assignment);
    }
    // Held from the read to the save, so that a concurrent writer's change is not lost.
    const ReturnLock lock(Latin1ToUtf8(file));
    if (lock.Error())
        return Fail(ExitFileProblem,
                    args.file + ": the return is in use by another program; nothing was changed");
    bool partial = false;
    if (const int status = OpenReturn(args, file, partial)) return status;
    if (IsFileLodged() || GetFieldText(FrozenMarkField) == LodgedMark)
        return Fail(ExitFileProblem,
                    args.file + ": the return has been lodged and is locked; nothing was changed");
    for (const FieldAssignment& assignment : assignments)
        if (!ApplyFieldAssignment(assignment, args.force, error))
            return Fail(ExitFileProblem,
                        (assignment.source.empty() ? "" : assignment.source + ": ") + error +
                            "; nothing was changed");
    // Field 1 is the TFN the file is keyed with: other digits would make it a damaged return.
    if (!KeepsReturnKey(GetFieldStr(1)))
        return Fail(ExitFileProblem,
                    "field 1 is the TFN the return is keyed with; a change of its digits is "
                    "refused, nothing was changed");
    return Save(args, file);
}

int Dump(const Arguments& args, const std::string& file) {
    bool partial = false;
    const int status = OpenReturn(args, file, partial);
    // A bad field number ends the reading; what came before it is still worth seeing.
    if (status == ExitOk || partial) {
        const FieldNamer namer = args.names ? FieldName : nullptr;
        if (args.json)
            DumpReturnJson(std::cout, namer);
        else
            DumpReturnText(std::cout, namer);
    }
    return status;
}

int Check(const Arguments& args, const std::string& file) {
    bool partial = false;
    if (const int status = OpenReturn(args, file, partial)) return status;
    std::cout << args.file << ": read completely\n";
    return ExitOk;
}

int Run(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "calc") return RunCalcCommand(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "print") return RunPrintCommand(argc, argv);
    if (argc > 1 && std::string(argv[1]) == "import") return RunImportCommand(argc, argv);
    Arguments args;
    std::string error;
    if (!ParseArguments(argc, argv, args, error)) return Fail(ExitUsage, error);
    if (args.help) {
        std::string usage = Usage;
        usage.replace(usage.find("%ASSIGNMENTS%"), 13, FieldAssignmentHelp());
        std::cout << usage;
        return ExitOk;
    }
    if (args.version) {
        std::cout << "orvana-tax " ORVANA_VERSION " (2006 income year)\n";
        return ExitOk;
    }
    std::string file, tfn, name;
    if (!Utf8ToLatin1(args.file, file) || !Utf8ToLatin1(args.tfn, tfn) ||
        !Utf8ToLatin1(args.name, name))
        return Fail(ExitUsage, "file name, TFN and name must be Latin-1 characters");
    if (tfn.size() > 255 || name.size() > 255 || file.size() > 255)
        return Fail(ExitUsage, "file name, TFN and name are at most 255 characters");
    args.tfn = tfn;
    args.name = name;
    InstallResponder();

    if (args.command == "new") return New(args, file);
    if (args.command == "set") return Set(args, file);
    if (args.command == "dump") return Dump(args, file);
    return Check(args, file);
}
}  // namespace

int main(int argc, char** argv) {
    // Nothing the core throws (out of memory on a huge input, say) ends the tool untold.
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        return Fail(ExitFileProblem, std::string("unexpected failure: ") + error.what());
    } catch (...) {
        return Fail(ExitFileProblem, "unexpected failure");
    }
}
