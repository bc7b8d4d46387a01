#pragma once
// What the report needs of a printer: its page and unprintable margins, a canvas per page,
// and the job. The GUI supplies one over the desktop's printer; tests supply a recorder.

#include <string>

#include "reports/core/canvas.h"

struct PrinterMargins {
    int left = 0, top = 0, right = 0, bottom = 0;  // whole millimetres
};

class TReportPrinter {
public:
    virtual ~TReportPrinter() = default;
    // Physical page size in millimetres in the current orientation.
    virtual double PageWidthMM() const = 0;
    virtual double PageHeightMM() const = 0;
    virtual PrinterMargins Unprintable() const = 0;
    virtual void SetLandscape(bool landscape) = 0;
    virtual void SetTitle(const std::string& title) = 0;

    virtual bool Printing() const = 0;
    // Starts a job and returns the canvas of its first page; null when it cannot start.
    virtual TCanvas* BeginDoc() = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    virtual void Abort() = 0;
    // Lets pending window messages run between pages (the Cancel button among them).
    virtual void ProcessMessages() = 0;
};
