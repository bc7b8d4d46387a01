#include "reports/paint/report_pdf.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include "reports/core/txreport.h"
#include "reports/paint/painter_canvas.h"

bool WriteReportPdf(TXReport& report, const QString& path, const QString& title, QString& error,
                    int resolution) {
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
    return painter.end();
}
