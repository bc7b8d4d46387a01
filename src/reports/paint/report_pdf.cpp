#include "reports/paint/report_pdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "reports/core/txreport.h"
#include "reports/paint/painter_canvas.h"

namespace {
constexpr int PdfResolution = 300;
constexpr double ContentHeightMM = 275;
}  // namespace

void SetPaperMargins(TXReport& report) {
    report.SetLeftMargin(15);
    report.SetTopMargin(static_cast<int>((report.PageHeight() - ContentHeightMM) / 2));
}

bool WriteReportPdf(TXReport& report, const QString& path, const QString& title, QString& error) {
    if (report.PageCount() == 0) {
        error = "The report has no pages.";
        return false;
    }
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        error = probe.errorString();
        return false;
    }
    probe.close();
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator("Orvana");
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(report.PageWidth(), report.PageHeight()), QPageSize::Millimeter),
        QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    if (!painter.isActive()) {
        error = "The PDF file cannot be written.";
        return false;
    }
    TPainterCanvas canvas(painter, PdfResolution, true);
    for (int page = 1; page <= report.PageCount(); ++page) {
        if (page > 1) writer.newPage();
        report.DrawPage(page, canvas, true, 1.0);
    }
    return painter.end();
}
