#pragma once
// The report's printer over the desktop's default printer (CUPS).

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "reports/core/report_printer.h"
#include "reports/paint/painter_canvas.h"

class TQtReportPrinter : public TReportPrinter {
public:
    // Null when the desktop has no printer.
    static std::unique_ptr<TQtReportPrinter> ForDefaultPrinter();
    explicit TQtReportPrinter(std::unique_ptr<QPrinter> printer);

    double PageWidthMM() const override;
    double PageHeightMM() const override;
    PrinterMargins Unprintable() const override;
    void SetLandscape(bool landscape) override;
    void SetTitle(const std::string& title) override;
    bool Printing() const override { return painter_.isActive(); }
    TCanvas* BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    void Abort() override;
    void ProcessMessages() override;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::unique_ptr<TPainterCanvas> canvas_;
};
