#pragma once
// A printer that records the job: its title, the page it was on at each pause, and how the
// job ended. Its pages draw onto a recording canvas.

#include <functional>
#include <string>
#include <vector>

#include "recording_canvas.h"
#include "reports/core/report_printer.h"

class RecordingPrinter : public TReportPrinter {
public:
    double PageWidthMM() const override { return 210; }
    double PageHeightMM() const override { return 297; }
    PrinterMargins Unprintable() const override { return {4, 4, 4, 4}; }
    void SetLandscape(bool) override {}
    void SetTitle(const std::string& t) override { title = t; }
    bool Printing() const override { return printing; }
    TCanvas* BeginDoc() override {
        printing = true;
        ++jobs;
        pages = 1;
        return &canvas;
    }
    void NewPage() override { ++pages; }
    void EndDoc() override {
        printing = false;
        ended = true;
    }
    void Abort() override {
        printing = false;
        aborted = true;
    }
    void ProcessMessages() override {
        printedPages.push_back(pages);
        if (betweenPages) betweenPages();
    }

    RecordingCanvas canvas;
    std::string title;
    bool printing = false, ended = false, aborted = false;
    int pages = 0, jobs = 0;
    std::vector<int> printedPages;  // the printer page count after each report page
    std::function<void()> betweenPages;
};
