#pragma once
// Writes every page of a laid-out report to a PDF file through the same page drawing as the
// preview and the printer.

#include <QString>

class TXReport;

// The margins a report gets for paper without a printer: 15 mm on the left and 275 mm of
// content centred on the page.
void SetPaperMargins(TXReport& report);

// False with the reason in `error` when the file cannot be written.
bool WriteReportPdf(TXReport& report, const QString& path, const QString& title, QString& error);
