#include "reports/core/txreport.h"

#include <algorithm>

#include "base/text_variables.h"
#include "reports/core/embedded_scripts.h"
#include "reports/core/report_layout.h"
#include "reports/core/script_reader.h"

TXReport::TXReport(TReportPrinter* printer) : FindScript(EmbeddedScript), printer_(printer) {}

PrinterMargins TXReport::Unprintable() const {
    return printer_ ? printer_->Unprintable() : PrinterMargins{};
}

void TXReport::SetLeftMargin(int mm) { left_ = std::max(mm, Unprintable().left); }
void TXReport::SetRightMargin(int mm) { right_ = std::max(mm, Unprintable().right); }
void TXReport::SetTopMargin(int mm) { top_ = std::max(mm, Unprintable().top); }
void TXReport::SetBottomMargin(int mm) { bottom_ = std::max(mm, Unprintable().bottom); }

void TXReport::SetOrientation(TPrinterOrientation orientation) {
    orientation_ = orientation;
    if (!printer_) return;
    printer_->SetLandscape(orientation == TPrinterOrientation::Landscape);
    // The printer's margins follow its orientation; none of ours may be below them.
    SetLeftMargin(left_);
    SetRightMargin(right_);
    SetTopMargin(top_);
    SetBottomMargin(bottom_);
}

double TXReport::PageWidth() const { return printer_ ? printer_->PageWidthMM() : 210; }
double TXReport::PageHeight() const { return printer_ ? printer_->PageHeightMM() : 297; }

void TXReport::AddScript(const std::string& name, int firstSection, bool continued,
                         int lastSection) {
    const std::optional<std::vector<uint8_t>> bytes = FindScript ? FindScript(name) : std::nullopt;
    if (!bytes) throw ReportError("The report \"" + name + "\" is not part of the module.");
    LayOutScript(ReadScript(*bytes), firstSection, continued, lastSection, pages_);
}

void TXReport::DrawPage(int page, TCanvas& canvas, bool keepBackground, double zoom) {
    // A printer cannot print its unprintable edge; its page starts inside it.
    const PrinterMargins off = canvas.IsPrinter() ? Unprintable() : PrinterMargins{};
    Draw(page, canvas, keepBackground, zoom,
         {static_cast<double>(left_ - off.left), static_cast<double>(top_ - off.top), FitScale});
}

void TXReport::DrawPaperPage(int page, TCanvas& canvas) {
    const int top = static_cast<int>((PageHeight() - PaperContentHeightMM) / 2);
    Draw(page, canvas, true, 1.0, {PaperLeftMarginMM, static_cast<double>(std::max(0, top)), 1});
}

void TXReport::Draw(int page, TCanvas& canvas, bool keepBackground, double zoom,
                    const Placement& placement) {
    if (pages_.PageCount() == 0) return;
    current_ = std::clamp(page, 1, pages_.PageCount());
    const bool printer = canvas.IsPrinter();
    const double perMM = zoom * canvas.PixelsPerInch() / 25.4;
    const double perUnit = perMM * UnitFactor * placement.fit;
    PageScale scale{perUnit, perUnit, printer ? 1.0 : zoom, 0, 0};
    scale.originX = static_cast<int>(placement.left * perMM);
    scale.originY = static_cast<int>(placement.top * perMM);
    if (!printer && !keepBackground) {
        canvas.SetBrush(PreviewBackground, BrushStyle::Solid);
        canvas.FillRect(
            {0, 0, static_cast<int>(PageWidth() * perMM), static_cast<int>(PageHeight() * perMM)});
    }
    PageDrawHooks hooks{OnDrawField, OnBeep, !GetVariable("#ShowTagsOnForms").empty()};
    DrawPageRecords(pages_, current_, scale, hooks, canvas);
}

void TXReport::PrintPages(const std::set<int>& pageSet) {
    if (pageSet.empty() || !printer_) return;
    if (printer_->Printing()) printer_->Abort();
    Aborted = false;
    printer_->SetLandscape(orientation_ == TPrinterOrientation::Landscape);
    TCanvas* canvas = printer_->BeginDoc();
    if (!canvas) return;
    bool first = true;
    for (int copy = 0; copy < std::max(1, NumbOfCopies) && !Aborted; ++copy) {
        for (int page = 1; page <= PageCount() && !Aborted; ++page) {
            if (!pageSet.count(page)) continue;
            PrintingPage = page;
            if (!first) printer_->NewPage();
            first = false;
            DrawPage(page, *canvas, true, 1.0);
            printer_->ProcessMessages();
        }
    }
    if (Aborted)
        printer_->Abort();
    else
        printer_->EndDoc();
}

void TXReport::ClearPages() {
    pages_.Clear();
    current_ = 0;
}
