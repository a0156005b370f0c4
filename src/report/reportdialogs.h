#pragma once

#include "report/laidoutpage.h"
#include "report/pdfexport.h"

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace tervano::report {

// Which pages the PDF export writes.
enum class PageChoice { All, Current, Range };

// What the export dialog shows and returns; kept by the session until the program ends.
struct PdfExportChoices
{
    PdfExportOptions options; // `pages` is filled from the choice at export time
    PageChoice pageChoice = PageChoice::All;
    QString rangeText;
};

enum class MeasureUnit { Centimetres, Inches };

struct PageSetupChoice
{
    PageSetup setup;
    bool allPages = false; // "Aplicar em todas as páginas"
};

// A progress window for a job that runs page by page.
class JobProgress
{
public:
    virtual ~JobProgress() = default;
    // Shows the page being worked on; false once the user has cancelled.
    virtual bool step(const QString& text) = 0;
};

// Every modal dialog of the preview, so that tests can answer them without blocking.
class ReportDialogs
{
public:
    virtual ~ReportDialogs() = default;
    // The print dialog on `printer`, prepared with one copy, collated, all pages.
    // True when the user accepted; the dialog writes its choices into `printer`.
    virtual bool print(QWidget* parent, QPrinter& printer, int pageCount) = 0;
    // The PDF export dialog; true when the user accepted (choices written back).
    virtual bool pdfExport(QWidget* parent, PdfExportChoices& choices) = 0;
    // The save dialog for "*.pdf"; nothing when cancelled.
    virtual std::optional<QString> savePdfFile(QWidget* parent, const QString& proposedName) = 0;
    // The page settings dialog; nothing when cancelled.
    virtual std::optional<PageSetupChoice> pageSetup(QWidget* parent, const PageSetup& current,
                                                     MeasureUnit unit) = 0;
    virtual std::unique_ptr<JobProgress> progress(QWidget* parent, const QString& caption) = 0;
};

// The real dialogs.
std::unique_ptr<ReportDialogs> makeQtReportDialogs();

} // namespace tervano::report
