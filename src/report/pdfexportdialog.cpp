#include "report/pdfexportdialog.h"

#include "report/dialogbuttons.h"

#include "report/pagerange.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tervano::report {

PdfExportDialog::PdfExportDialog(const PdfExportChoices& choices, QWidget* parent)
    : QDialog(parent), m_initial(choices)
{
    setObjectName(u"PdfExportDialog"_s);
    setWindowTitle(u"Exportar para PDF"_s);

    auto* pagesBox = new QGroupBox(u"Intervalo de páginas"_s, this);
    m_all = new QRadioButton(u"&Todas"_s, pagesBox);
    m_current = new QRadioButton(u"Página &atual"_s, pagesBox);
    m_range = new QRadioButton(u"&Páginas:"_s, pagesBox);
    m_rangeText = new QLineEdit(choices.rangeText, pagesBox);
    m_rangeText->setObjectName(u"rangeText"_s);
    auto* hint = new QLabel(
        u"Informe números de página e/ou intervalos separados por vírgulas. Ex.: 1,3,5-12"_s, pagesBox);
    hint->setWordWrap(true);
    auto* pagesLayout = new QGridLayout(pagesBox);
    pagesLayout->addWidget(m_all, 0, 0, 1, 2);
    pagesLayout->addWidget(m_current, 1, 0, 1, 2);
    pagesLayout->addWidget(m_range, 2, 0);
    pagesLayout->addWidget(m_rangeText, 2, 1);
    pagesLayout->addWidget(hint, 3, 0, 1, 2);

    auto* optionsBox = new QGroupBox(u"Opções"_s, this);
    m_compressed = new QCheckBox(u"&Compactado"_s, optionsBox);
    m_embeddedFonts = new QCheckBox(u"&Incorporar fontes"_s, optionsBox);
    m_printOptimized = new QCheckBox(u"&Otimizado para impressão"_s, optionsBox);
    m_outline = new QCheckBox(u"Es&trutura de tópicos"_s, optionsBox);
    m_background = new QCheckBox(u"&Fundo"_s, optionsBox);
    m_openAfter = new QCheckBox(u"Abrir &após exportar"_s, optionsBox);
    const std::pair<QCheckBox*, QString> names[] = {
        {m_compressed, u"compressed"_s},         {m_embeddedFonts, u"embeddedFonts"_s},
        {m_printOptimized, u"printOptimized"_s}, {m_outline, u"outline"_s},
        {m_background, u"background"_s},         {m_openAfter, u"openAfterExport"_s},
    };
    auto* optionsLayout = new QVBoxLayout(optionsBox);
    for (const auto& [box, name] : names) {
        box->setObjectName(name);
        optionsLayout->addWidget(box);
    }

    m_all->setObjectName(u"allPages"_s);
    m_current->setObjectName(u"currentPage"_s);
    m_range->setObjectName(u"pageRange"_s);
    (choices.pageChoice == PageChoice::Current ? m_current
     : choices.pageChoice == PageChoice::Range ? m_range
                                               : m_all)
        ->setChecked(true);
    m_compressed->setChecked(choices.options.compressed);
    m_embeddedFonts->setChecked(choices.options.embeddedFonts);
    m_printOptimized->setChecked(choices.options.printOptimized);
    m_outline->setChecked(false);
    m_outline->setEnabled(false); // the preview has no outline to export
    m_background->setChecked(choices.options.background);
    m_openAfter->setChecked(choices.options.openAfterExport);

    m_rangeText->setEnabled(m_range->isChecked());
    connect(m_range, &QRadioButton::toggled, m_rangeText, &QLineEdit::setEnabled);

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pagesBox);
    layout->addWidget(optionsBox);
    layout->addWidget(buttons);
}

PdfExportChoices PdfExportDialog::choices() const
{
    PdfExportChoices result = m_initial;
    result.pageChoice = m_current->isChecked() ? PageChoice::Current
                        : m_range->isChecked() ? PageChoice::Range
                                               : PageChoice::All;
    result.rangeText = m_rangeText->text();
    result.options.compressed = m_compressed->isChecked();
    result.options.embeddedFonts = m_embeddedFonts->isChecked();
    result.options.printOptimized = m_printOptimized->isChecked();
    result.options.outline = false;
    result.options.background = m_background->isChecked();
    result.options.openAfterExport = m_openAfter->isChecked();
    return result;
}

void PdfExportDialog::accept()
{
    // The page count is not known here; any range naming page 1 or later is accepted and
    // pages beyond the last are dropped when writing.
    if (m_range->isChecked() && !parsePageRange(m_rangeText->text(), 1 << 20)) {
        m_rangeText->setFocus();
        m_rangeText->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace tervano::report
