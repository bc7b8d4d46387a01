#include "reports/paint/report_pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "reports/core/txreport.h"
#include "reports/paint/painter_canvas.h"
#include "reports/paint/private_file.h"

namespace {

bool DrawPdf(TXReport& report, QIODevice& device, const QString& title, int resolution,
             QString& error) {
    QPdfWriter writer(&device);
    writer.setTitle(title);
    writer.setCreator("Orvana");
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(report.PageWidth(), report.PageHeight()), QPageSize::Millimeter),
        QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    if (!painter.isActive()) {
        error = "The PDF file cannot be written.";
        return false;
    }
    TPainterCanvas canvas(painter, resolution, true);
    for (int page = 1; page <= report.PageCount(); ++page) {
        if (page > 1) writer.newPage();
        report.DrawPaperPage(page, canvas);
    }
    if (!painter.end()) {
        error = "The PDF file cannot be written.";
        return false;
    }
    return true;
}

}  // namespace

bool WriteReportPdf(TXReport& report, const QString& path, const QString& title, QString& error,
                    int resolution, const std::string& returnPath) {
    if (report.PageCount() == 0) {
        error = "The report has no pages.";
        return false;
    }
    return WritePrivateFile(
        path, returnPath,
        [&](QIODevice& device, QString& problem) {
            return DrawPdf(report, device, title, resolution, problem);
        },
        error);
}
