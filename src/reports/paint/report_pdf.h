#pragma once
// Writes every page of a laid-out report to a PDF file through the same page drawing as the
// preview and the printer, each page placed on its sheet as paper shows it.

#include <QString>
#include <string>

class TXReport;

constexpr int PdfResolution = 300;  // dots an inch

// False with the reason in `error` when the file cannot be written. It is written as
// WritePrivateFile writes: owner-only, never over `returnPath` (the open return, empty for
// none), its backup or anything but a regular file, and in one step.
bool WriteReportPdf(TXReport& report, const QString& path, const QString& title, QString& error,
                    int resolution = PdfResolution, const std::string& returnPath = {});
