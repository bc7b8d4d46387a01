#pragma once
// A report: loads scripts into a page list, draws any page onto a canvas at a zoom, and prints
// a set of pages. Field values are read from the store when a page is drawn.

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "reports/core/page_drawer.h"
#include "reports/core/page_list.h"
#include "reports/core/report_printer.h"

enum class TPrinterOrientation { Portrait, Landscape };

class TXReport {
public:
    // The compiled script of a name; the embedded scripts unless replaced.
    using ScriptFinder = std::function<std::optional<std::vector<uint8_t>>(const std::string&)>;

    explicit TXReport(TReportPrinter* printer = nullptr);

    void SetLeftMargin(int mm);
    void SetRightMargin(int mm);
    void SetTopMargin(int mm);
    void SetBottomMargin(int mm);
    int LeftMargin() const { return left_; }
    int RightMargin() const { return right_; }
    int TopMargin() const { return top_; }
    int BottomMargin() const { return bottom_; }
    void SetOrientation(TPrinterOrientation orientation);
    TPrinterOrientation Orientation() const { return orientation_; }

    double UnitFactor = 1.0;  // millimetres a script unit
    double FitScale = 1.0;
    int NumbOfCopies = 1;
    bool Aborted = false;
    int PrintingPage = 0;
    DrawFieldEvent OnDrawField;
    std::function<void()> OnBeep;
    ScriptFinder FindScript;

    // Raises ReportError for a missing or damaged script.
    void AddScript(const std::string& name, int firstSection, bool continued, int lastSection);
    void DrawPage(int page, TCanvas& canvas, bool keepBackground, double zoom);
    // A page as a sheet of paper of its own shows it (a PDF page): the paper margins below,
    // whatever margins, printer edge or fit the report has for its printer or the screen.
    void DrawPaperPage(int page, TCanvas& canvas);
    void PrintPages(const std::set<int>& pageSet);
    void ClearPages();

    int PageCount() const { return pages_.PageCount(); }
    int CurrentPage() const { return current_; }
    double PageWidth() const;
    double PageHeight() const;
    bool NoPrinter() const { return printer_ == nullptr; }
    PrinterMargins Unprintable() const;
    TReportPrinter* Printer() const { return printer_; }
    PageList& Pages() { return pages_; }
    const PageList& Pages() const { return pages_; }

private:
    struct Placement {
        double left = 0, top = 0, fit = 1;  // millimetres, scale
    };
    void Draw(int page, TCanvas& canvas, bool keepBackground, double zoom,
              const Placement& placement);

    TReportPrinter* printer_;
    PageList pages_;
    int left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
    TPrinterOrientation orientation_ = TPrinterOrientation::Portrait;
    int current_ = 0;
};

// The margins of a page on paper: the content, 275 mm tall, centred down the page.
constexpr int PaperLeftMarginMM = 15;
constexpr double PaperContentHeightMM = 275;

// The background of a previewed page.
constexpr TColor PreviewBackground = 0xE4D8C0;
