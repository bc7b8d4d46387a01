#include "print_command.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <string>

#include "base/currency_format.h"
#include "base/latin1_text.h"
#include "base/module_state.h"
#include "base/tax_calendar.h"
#include "base/text_variables.h"
#include "calc/page_figures.h"
#include "command_support.h"
#include "reports/core/module_report.h"
#include "reports/paint/report_pdf.h"
#include "store/data_file.h"
#include "store/field_store.h"
#include "store/worksheet_items.h"

namespace {

struct PrintArguments {
    std::string file, tfn, report, item, pdf;
};

bool Parse(int argc, char** argv, PrintArguments& args, std::string& error) {
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        std::string* target = arg == "--tfn"      ? &args.tfn
                              : arg == "--report" ? &args.report
                              : arg == "--item"   ? &args.item
                              : arg == "--pdf"    ? &args.pdf
                                                  : nullptr;
        if (target) {
            if (i + 1 >= argc) return error = arg + " needs a value", false;
            *target = argv[++i];
        } else if (arg.starts_with("--") || !args.file.empty()) {
            return error = "unknown argument " + arg, false;
        } else {
            args.file = arg;
        }
    }
    if (args.file.empty() || args.tfn.empty() || args.report.empty() || args.pdf.empty())
        return error =
                   "usage: orvana-tax print FILE --tfn ID --report NAME "
                   "[--item WORKSHEET.N] --pdf OUT.pdf",
               false;
    return true;
}

bool KnownReport(const std::string& name) {
    for (const std::string& known : ModuleReportNames())
        if (SameTextIgnoringCase(known, name)) return true;
    return false;
}

std::string KnownReports() {
    std::string list;
    for (const std::string& name : ModuleReportNames()) list += (list.empty() ? "" : ", ") + name;
    return list;
}

// "451.2": worksheet 451, item 2, which must exist.
bool LoadItem(const std::string& item, std::string& error) {
    const size_t dot = item.find('.');
    int worksheet = 0, key = 0;
    try {
        size_t used = 0;
        worksheet = std::stoi(item.substr(0, dot), &used);
        if (dot == std::string::npos || used != dot) throw std::invalid_argument(item);
        key = std::stoi(item.substr(dot + 1), &used);
        if (used != item.size() - dot - 1) throw std::invalid_argument(item);
    } catch (const std::exception&) {
        return error = "--item is WORKSHEET.N, for example 451.1", false;
    }
    if (WorksheetField(worksheet) == 0 || key < 1 || key > WorksheetItemCount(worksheet))
        return error = "the return has no item " + item, false;
    OpenWorksheetItem(worksheet, key);
    return true;
}

// The schedule prints the schedule record, item 1 of its worksheet, unless another item is
// named; a return whose schedule was never built prints an empty one.
constexpr int ScheduleWorksheet = 469;

void LoadSchedule() {
    if (WorksheetItemCount(ScheduleWorksheet) >= 1) OpenWorksheetItem(ScheduleWorksheet, 1);
}

}  // namespace

int RunPrintCommand(int argc, char** argv) {
    PrintArguments args;
    std::string error;
    if (!Parse(argc, argv, args, error)) return Fail(ExitUsage, error);
    if (!KnownReport(args.report))
        return Fail(ExitUsage, "no report " + args.report + " (reports: " + KnownReports() + ")");
    std::string file, tfn;
    if (!Utf8ToLatin1(args.file, file) || !Utf8ToLatin1(args.tfn, tfn))
        return Fail(ExitUsage, "file name and TFN must be Latin-1 characters");

    State().Responder = [](const MessageRequest& request) {
        return ResultForButton(request.defaultButton);
    };
    BuildTextVariableTable(
        State().Variables,
        [](long double amount, bool withDecimals) {
            return FormatCurrency(amount, withDecimals ? 2 : 0, 15);
        },
        [](const std::string&) { return std::string(); });
    State().IdentifierText = tfn;
    AllocateFieldStore();
    if (const int32_t opened = OpenDataFile(file); opened != OpenReadCompletely)
        return Fail(ExitFileProblem, WithFirstCoreMessage(OpenProblem(opened, args.file)));
    if (!args.item.empty() && !LoadItem(args.item, error)) return Fail(ExitUsage, error);
    if (args.item.empty() && SameTextIgnoringCase(args.report, "SCHEDCGT")) LoadSchedule();

    // Pages are drawn with the desktop's fonts; no display is needed for that. The tool
    // reports its own failures on one line, so Qt's notes about the session stay out.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    TXReport report;
    PrepareModuleReport(report);
    LoadModuleReport(report, args.report, PageFigures(args.report));
    // Never over the return or its backup; a failure leaves any earlier file as it was.
    QString problem;
    if (!WriteReportPdf(report, QString::fromStdString(args.pdf),
                        "Orvana " + QString::fromStdString(args.report), problem, PdfResolution,
                        args.file))
        return Fail(ExitFileProblem, args.pdf + ": " + problem.toStdString());
    return ExitOk;
}
