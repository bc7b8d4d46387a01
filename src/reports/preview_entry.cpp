#include "reports/preview_entry.h"

#include <QApplication>

#include "base/message_box.h"
#include "calc/page_figures.h"
#include "reports/core/module_report.h"
#include "reports/qt_report_printer.h"
#include "reports/tpreviewform.h"

void PreviewModuleReport(const std::string& scriptName, QWidget* parent) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::unique_ptr<TQtReportPrinter> printer = TQtReportPrinter::ForDefaultPrinter();
    auto report = std::make_unique<TXReport>(printer.get());
    PrepareModuleReport(*report);
    try {
        LoadModuleReport(*report, scriptName, PageFigures(scriptName));
    } catch (const ReportError& error) {
        QApplication::restoreOverrideCursor();
        AppMessageBox(error.what(), mtError, mbOK);
        return;
    }
    TPreviewForm preview(std::move(report), parent, std::move(printer));
    preview.ReportName = QString::fromStdString(scriptName);
    QApplication::restoreOverrideCursor();
    preview.exec();
}
