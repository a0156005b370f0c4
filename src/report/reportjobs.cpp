#include "report/reportjobs.h"

#include "report/pagepainter.h"
#include "report/pagerange.h"
#include "report/pdfexport.h"

#include "common/failure.h"
#include "common/messagebox.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {
const QString kErrorCaption = u"Erro"_s;
// Template units are 1/96 inch.
constexpr double kUnitsPerInch = 96.0;
} // namespace

QString buildErrorMessage(const QStringList& lines)
{
    QStringList sorted = lines;
    sorted.sort();
    sorted.removeDuplicates();
    return u"Erro(s) encontrado(s):\n"_s + sorted.join(u'\n');
}

QString printerToSelect(const QStringList& installed, const QString& current)
{
    for (const QString& name : installed)
        if (name.compare(u"Default"_s, Qt::CaseInsensitive) == 0)
            return name;
    return current;
}

QPageLayout paperLayout(const PageSetup& setup)
{
    const double shortSide = std::min(setup.paperWidthMm, setup.paperHeightMm);
    const double longSide = std::max(setup.paperWidthMm, setup.paperHeightMm);
    const QPageSize size(QSizeF(shortSide, longSide), QPageSize::Millimeter, QString(),
                         QPageSize::FuzzyMatch);
    const auto orientation = setup.paperWidthMm > setup.paperHeightMm ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait;
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

std::vector<int> chosenPrintPages(const QPrinter& printer, int pageCount, int currentPage)
{
    std::vector<int> pages;
    switch (printer.printRange()) {
    case QPrinter::PageRange:
        for (int p = std::max(1, printer.fromPage()); p <= std::min(pageCount, printer.toPage()); ++p)
            pages.push_back(p);
        break;
    case QPrinter::CurrentPage:
        if (currentPage >= 1 && currentPage <= pageCount)
            pages.push_back(currentPage);
        break;
    case QPrinter::AllPages:
    case QPrinter::Selection:
        for (int p = 1; p <= pageCount; ++p)
            pages.push_back(p);
        break;
    }
    return pages;
}

bool paintPagesOn(QPrinter& printer, const PreparedReport& report, const std::vector<int>& pages,
                  JobProgress* progress)
{
    if (pages.empty())
        return true;
    const int total = static_cast<int>(report.pages.size());
    printer.setFullPage(true);
    printer.setPageLayout(paperLayout(report.pages[pages.front() - 1].setup));
    QPainter painter;
    if (!painter.begin(&printer))
        throw Failure(u"Não foi possível iniciar a impressão"_s);
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    bool first = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (const int number : pages) {
            if (progress && !progress->step(u"Imprimindo página %1"_s.arg(number))) {
                painter.end();
                return false;
            }
            const LaidOutPage& page = report.pages[number - 1];
            if (!first) {
                printer.setPageLayout(paperLayout(page.setup));
                printer.newPage();
            }
            first = false;
            const double scale = printer.resolution() / kUnitsPerInch;
            paintPage(painter, page, total, scale, QPointF(0, 0));
        }
    }
    painter.end();
    return true;
}

void printReport(QWidget* parent, const PreparedReport& report, int currentPage, ReportSession& session)
{
    const ReportServices& services = session.services;
    const QStringList installed = services.printers.names();
    if (installed.isEmpty()) {
        showMessage(parent, kErrorCaption, u"Nenhuma impressora instalada no sistema"_s);
        return;
    }
    if (report.pages.empty())
        return;
    const QString current = session.printerName.value_or(services.printers.defaultName());

    // Every print starts from the template's print settings: a fresh printer each time.
    QPrinter printer(QPrinter::HighResolution);
    const QString selected = printerToSelect(installed, current);
    if (!selected.isEmpty())
        printer.setPrinterName(selected);
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    printer.setPageLayout(paperLayout(report.pages.front().setup));

    const int pageCount = static_cast<int>(report.pages.size());
    // Cancel leaves the printer that was current before the dialog.
    if (!services.dialogs->print(parent, printer, pageCount))
        return;
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.printerName().isEmpty())
        session.printerName = printer.printerName();

    const auto pages = chosenPrintPages(printer, pageCount, currentPage);
    const auto progress = services.dialogs->progress(parent, u"Imprimindo"_s);
    try {
        paintPagesOn(printer, report, pages, progress.get());
    } catch (const Failure& failure) {
        showMessage(parent, kErrorCaption, failure.message());
    }
}

std::optional<std::vector<int>> exportPages(const PdfExportChoices& choices, int pageCount, int currentPage)
{
    switch (choices.pageChoice) {
    case PageChoice::Current:
        return std::vector<int>{std::clamp(currentPage, 1, std::max(1, pageCount))};
    case PageChoice::Range:
        return parsePageRange(choices.rangeText, pageCount);
    case PageChoice::All:
        break;
    }
    return std::vector<int>{};
}

void exportReport(QWidget* parent, const PreparedReport& report, int currentPage, ReportSession& session)
{
    const ReportServices& services = session.services;
    PdfExportChoices choices = session.pdfChoices;
    // The preview shows no outline, so the export never writes one.
    choices.options.outline = false;
    if (!services.dialogs->pdfExport(parent, choices))
        return;
    session.pdfChoices = choices;

    const QString proposed = session.lastPdfFile.isEmpty() ? u".pdf"_s : session.lastPdfFile;
    const auto path = services.dialogs->savePdfFile(parent, proposed);
    if (!path || path->isEmpty())
        return;

    const int pageCount = static_cast<int>(report.pages.size());
    PdfExportOptions options = choices.options;
    const auto pages = exportPages(choices, pageCount, currentPage);
    if (!pages)
        return; // a range beyond the last page: nothing to write
    options.pages = *pages;
    const auto progress = services.dialogs->progress(parent, u"Exportando"_s);
    std::vector<int> counted = options.pages;
    if (counted.empty())
        for (int p = 1; p <= pageCount; ++p)
            counted.push_back(p);
    for (const int number : counted)
        if (progress && !progress->step(u"Exportando página %1"_s.arg(number)))
            return; // cancelled before anything was written

    try {
        writePdf(report, *path, options, services.now());
    } catch (const Failure& failure) {
        showMessage(parent, kErrorCaption, failure.message());
        return;
    }
    session.lastPdfFile = *path;
    if (options.openAfterExport && services.openFile)
        services.openFile(*path);
}

} // namespace tervano::report
