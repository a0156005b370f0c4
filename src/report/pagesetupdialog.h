#pragma once

#include "report/reportdialogs.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QRadioButton;

namespace tervano::report {

// "Configurar página": paper size, orientation and margins of the built page, in
// centimetres or inches, applied to that page or to all pages.
class PageSetupDialog : public QDialog
{
    Q_OBJECT
public:
    PageSetupDialog(const PageSetup& current, MeasureUnit unit, QWidget* parent = nullptr);
    PageSetupChoice choice() const;

private:
    void paperChosen();
    void sizeEdited();
    void showPaperSize();

    PageSetup m_setup;
    MeasureUnit m_unit;
    QComboBox* m_paper = nullptr;
    QDoubleSpinBox* m_width = nullptr;
    QDoubleSpinBox* m_height = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QDoubleSpinBox* m_left = nullptr;
    QDoubleSpinBox* m_right = nullptr;
    QDoubleSpinBox* m_top = nullptr;
    QDoubleSpinBox* m_bottom = nullptr;
    QCheckBox* m_allPages = nullptr;
};

} // namespace tervano::report
