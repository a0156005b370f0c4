#pragma once

#include "report/reportdialogs.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace tervano::report {

// The installed printers (QPrinterInfo in production).
struct PrinterCatalog
{
    std::function<QStringList()> names;
    std::function<QString()> defaultName;
};

// What the preview reaches outside the program through; production values by default,
// tests replace them.
struct ReportServices
{
    std::shared_ptr<ReportDialogs> dialogs;
    PrinterCatalog printers;
    std::function<void(const QString& path)> openFile; // the desktop's handler for the file
    std::function<QDateTime()> now;
    QString engineSettingsPath; // read only, see enginesettings.h

    static ReportServices production();
};

// What the preview keeps from one sheet to the next until the program ends; never on disk.
struct ReportSession
{
    ReportServices services = ReportServices::production();

    std::optional<QString> printerName;   // chosen in a print dialog; none: the system default
    PdfExportChoices pdfChoices;          // the export dialog's last accepted choices
    QString lastPdfFile;                  // the file last written; proposed by the next export
    std::optional<PageSetup> allPagesSetup; // page settings applied to all pages
};

} // namespace tervano::report
