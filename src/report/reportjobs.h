#pragma once

#include "report/laidoutpage.h"
#include "report/reportsession.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QPrinter;
class QWidget;

namespace tervano::report {

// The report error box's text for a failed build: each line once, sorted.
QString buildErrorMessage(const QStringList& lines);

// The printer a print starts on: one named "Default" (letter case ignored) when
// installed, else the current one.
QString printerToSelect(const QStringList& installed, const QString& current);

// The paper of a built page as Qt sees it, without margins (pages are drawn on the
// whole paper).
QPageLayout paperLayout(const PageSetup& setup);

// The 1-based pages chosen in the print dialog.
std::vector<int> chosenPrintPages(const QPrinter& printer, int pageCount, int currentPage);

// Prints the built sheet from the preview: printer selection, print dialog, progress.
void printReport(QWidget* parent, const PreparedReport& report, int currentPage, ReportSession& session);

// Draws the chosen pages on an open printer, one paper each; false when the progress
// window was cancelled (the pages already sent stay printed).
bool paintPagesOn(QPrinter& printer, const PreparedReport& report, const std::vector<int>& pages,
                  JobProgress* progress);

// Exports the built sheet to PDF: export dialog, save dialog, progress, optional opening.
void exportReport(QWidget* parent, const PreparedReport& report, int currentPage, ReportSession& session);

// The pages an export writes: empty for all, as the writer expects; nothing when the
// chosen range names no page of the sheet.
std::optional<std::vector<int>> exportPages(const PdfExportChoices& choices, int pageCount, int currentPage);

} // namespace tervano::report
