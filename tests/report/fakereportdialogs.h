#pragma once
// Test doubles for the preview's dialogs and services: they answer at once and remember
// what they were asked.

#include "report/reportsession.h"

#include <QPrinter>
#include <QStringList>

#include <functional>

namespace tervano::report::testing {

struct PrintDialogCall
{
    QString printerName;
    int copies = 0;
    bool collate = false;
    QPrinter::PrintRange range = QPrinter::AllPages;
    int pageCount = 0;
};

class FakeReportDialogs : public ReportDialogs
{
public:
    // Print dialog: return false for Cancel; may change the printer (e.g. print to file).
    std::function<bool(QPrinter&)> printAnswer = [](QPrinter&) { return false; };
    QList<PrintDialogCall> printCalls;

    bool exportAccepted = true;
    std::function<void(PdfExportChoices&)> exportEdit;
    QList<PdfExportChoices> exportCalls;

    std::optional<QString> saveAnswer;
    QStringList proposedNames;

    std::optional<PageSetupChoice> pageSetupAnswer;
    QList<PageSetup> pageSetupCalls;
    QList<MeasureUnit> pageSetupUnits;

    QStringList progressTexts;
    int cancelProgressAfter = -1; // steps allowed before the user presses Cancel

    bool print(QWidget*, QPrinter& printer, int pageCount) override
    {
        printCalls.append({printer.printerName(), printer.copyCount(), printer.collateCopies(),
                           printer.printRange(), pageCount});
        return printAnswer(printer);
    }
    bool pdfExport(QWidget*, PdfExportChoices& choices) override
    {
        exportCalls.append(choices);
        if (exportAccepted && exportEdit)
            exportEdit(choices);
        return exportAccepted;
    }
    std::optional<QString> savePdfFile(QWidget*, const QString& proposedName) override
    {
        proposedNames.append(proposedName);
        return saveAnswer;
    }
    std::optional<PageSetupChoice> pageSetup(QWidget*, const PageSetup& current, MeasureUnit unit) override
    {
        pageSetupCalls.append(current);
        pageSetupUnits.append(unit);
        return pageSetupAnswer;
    }
    std::unique_ptr<JobProgress> progress(QWidget*, const QString&) override
    {
        struct Progress : JobProgress
        {
            FakeReportDialogs* owner;
            explicit Progress(FakeReportDialogs* o) : owner(o) {}
            bool step(const QString& text) override
            {
                owner->progressTexts.append(text);
                return owner->cancelProgressAfter < 0 || owner->progressTexts.size() <= owner->cancelProgressAfter;
            }
        };
        return std::make_unique<Progress>(this);
    }
};

// A session whose every service is a double: printers as given, a fixed clock.
struct FakeEnvironment
{
    std::shared_ptr<FakeReportDialogs> dialogs = std::make_shared<FakeReportDialogs>();
    QStringList printers;
    QString defaultPrinter;
    QStringList openedFiles;
    QDateTime clock = QDateTime(QDate(2011, 2, 25), QTime(16, 58, 3));
    int clockReads = 0;

    ReportSession session(const QString& engineSettingsPath = QString())
    {
        ReportSession s;
        s.services.dialogs = dialogs;
        s.services.printers.names = [this] { return printers; };
        s.services.printers.defaultName = [this] { return defaultPrinter; };
        s.services.openFile = [this](const QString& path) { openedFiles.append(path); };
        s.services.now = [this] {
            ++clockReads;
            return clock;
        };
        s.services.engineSettingsPath = engineSettingsPath;
        return s;
    }
};

} // namespace tervano::report::testing
