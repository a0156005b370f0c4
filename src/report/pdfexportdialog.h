#pragma once

#include "report/reportdialogs.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tervano::report {

// "Exportar para PDF": the pages to write and the writer's options.
class PdfExportDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PdfExportDialog(const PdfExportChoices& choices, QWidget* parent = nullptr);
    PdfExportChoices choices() const;

    void accept() override; // refuses a range that names no page

private:
    PdfExportChoices m_initial;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_current = nullptr;
    QRadioButton* m_range = nullptr;
    QLineEdit* m_rangeText = nullptr;
    QCheckBox* m_compressed = nullptr;
    QCheckBox* m_embeddedFonts = nullptr;
    QCheckBox* m_printOptimized = nullptr;
    QCheckBox* m_outline = nullptr;
    QCheckBox* m_background = nullptr;
    QCheckBox* m_openAfter = nullptr;
};

} // namespace tervano::report
