#include "reports/qt_report_printer.h"

#include <QCoreApplication>
#include <QPrinterInfo>
#include <cmath>

std::unique_ptr<TQtReportPrinter> TQtReportPrinter::ForDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    return std::make_unique<TQtReportPrinter>(
        std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}

TQtReportPrinter::TQtReportPrinter(std::unique_ptr<QPrinter> printer)
    : printer_(std::move(printer)) {}

double TQtReportPrinter::PageWidthMM() const {
    return printer_->paperRect(QPrinter::Millimeter).width();
}
double TQtReportPrinter::PageHeightMM() const {
    return printer_->paperRect(QPrinter::Millimeter).height();
}

PrinterMargins TQtReportPrinter::Unprintable() const {
    const QRectF paper = printer_->paperRect(QPrinter::Millimeter);
    const QRectF page = printer_->pageRect(QPrinter::Millimeter);
    const auto whole = [](double mm) { return static_cast<int>(std::ceil(std::max(0.0, mm))); };
    return {whole(page.left() - paper.left()), whole(page.top() - paper.top()),
            whole(paper.right() - page.right()), whole(paper.bottom() - page.bottom())};
}

void TQtReportPrinter::SetLandscape(bool landscape) {
    printer_->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void TQtReportPrinter::SetTitle(const std::string& title) {
    printer_->setDocName(QString::fromLatin1(title.c_str()));
}

TCanvas* TQtReportPrinter::BeginDoc() {
    if (!painter_.begin(printer_.get())) return nullptr;
    canvas_ = std::make_unique<TPainterCanvas>(painter_, printer_->resolution(), true);
    return canvas_.get();
}

void TQtReportPrinter::NewPage() { printer_->newPage(); }

void TQtReportPrinter::EndDoc() {
    if (painter_.isActive()) painter_.end();
    canvas_.reset();
}

void TQtReportPrinter::Abort() {
    printer_->abort();
    EndDoc();
}

void TQtReportPrinter::ProcessMessages() { QCoreApplication::processEvents(); }
