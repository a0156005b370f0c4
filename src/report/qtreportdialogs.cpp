// The real modal dialogs behind ReportDialogs.
#include "report/reportdialogs.h"

#include "report/pagesetupdialog.h"
#include "report/pdfexportdialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

class ProgressWindow : public JobProgress
{
public:
    ProgressWindow(QWidget* parent, const QString& caption)
        : m_dialog(QString(), u"Cancelar"_s, 0, 0, parent)
    {
        m_dialog.setWindowTitle(caption);
        m_dialog.setWindowModality(Qt::ApplicationModal);
        m_dialog.setMinimumDuration(0);
        m_dialog.show();
    }
    bool step(const QString& text) override
    {
        m_dialog.setLabelText(text);
        QApplication::processEvents();
        return !m_dialog.wasCanceled();
    }

private:
    QProgressDialog m_dialog;
};

class QtReportDialogs : public ReportDialogs
{
public:
    bool print(QWidget* parent, QPrinter& printer, int pageCount) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(u"Imprimir"_s);
        dialog.setMinMax(1, std::max(1, pageCount));
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, true);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
        return dialog.exec() == QDialog::Accepted;
    }

    bool pdfExport(QWidget* parent, PdfExportChoices& choices) override
    {
        PdfExportDialog dialog(choices, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        choices = dialog.choices();
        return true;
    }

    std::optional<QString> savePdfFile(QWidget* parent, const QString& proposedName) override
    {
        QFileDialog dialog(parent, u"Salvar como"_s, QString(), u"Arquivo PDF (*.pdf)"_s);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(u"pdf"_s);
        dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }

    std::optional<PageSetupChoice> pageSetup(QWidget* parent, const PageSetup& current,
                                             MeasureUnit unit) override
    {
        PageSetupDialog dialog(current, unit, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.choice();
    }

    std::unique_ptr<JobProgress> progress(QWidget* parent, const QString& caption) override
    {
        return std::make_unique<ProgressWindow>(parent, caption);
    }
};

} // namespace

std::unique_ptr<ReportDialogs> makeQtReportDialogs() { return std::make_unique<QtReportDialogs>(); }

} // namespace tervano::report
