#pragma once

#include "report/laidoutpage.h"

#include <QDateTime>
#include <QString>

namespace tervano::report {

// The PDF export settings (frxPDFExport1) with their defaults.
struct PdfExportOptions
{
    bool compressed = true;
    bool embeddedFonts = false;
    bool printOptimized = false;
    bool outline = false;
    bool background = false;
    bool openAfterExport = false;
    // Pages to write, 1-based; empty means all pages. Numbers past the last page are ignored.
    std::vector<int> pages;
};

// Writes `report` to `path` as PDF 1.3, the document information dated `now`.
// Throws tervano::Failure("Cannot create file <path>") when the file cannot be written;
// no partial file is left behind.
void writePdf(const PreparedReport& report, const QString& path, const PdfExportOptions& options,
              const QDateTime& now);

} // namespace tervano::report
