#include "report/pagesetupdialog.h"

#include "report/dialogbuttons.h"

#include "report/papersizes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {
QDoubleSpinBox* measureBox(QWidget* parent, const QString& name, MeasureUnit unit, double maxMm)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(2);
    box->setSingleStep(unit == MeasureUnit::Inches ? 0.1 : 0.5);
    box->setRange(0, toUnit(maxMm, unit));
    box->setSuffix(unitSuffix(unit));
    return box;
}
// A margin left as shown keeps its exact value, so rounding to the box's decimals
// never moves it.
double marginMm(const QDoubleSpinBox* box, double shownMm, MeasureUnit unit)
{
    const double shown = box->valueFromText(box->textFromValue(toUnit(shownMm, unit)));
    return qFuzzyCompare(box->value() + 1, shown + 1) ? shownMm : fromUnit(box->value(), unit);
}
} // namespace

PageSetupDialog::PageSetupDialog(const PageSetup& current, MeasureUnit unit, QWidget* parent)
    : QDialog(parent), m_setup(current), m_unit(unit)
{
    setObjectName(u"PageSetupDialog"_s);
    setWindowTitle(u"Configurar página"_s);

    auto* paperBox = new QGroupBox(u"Papel"_s, this);
    m_paper = new QComboBox(paperBox);
    m_paper->setObjectName(u"paperSize"_s);
    for (const PaperSize& paper : paperSizes())
        m_paper->addItem(paper.name, paper.code);
    m_paper->addItem(u"Personalizado"_s, kCustomPaperCode);
    m_width = measureBox(paperBox, u"paperWidth"_s, unit, 2000);
    m_height = measureBox(paperBox, u"paperHeight"_s, unit, 2000);
    m_width->setMinimum(toUnit(10, unit));
    m_height->setMinimum(toUnit(10, unit));
    auto* paperLayout = new QFormLayout(paperBox);
    paperLayout->addRow(u"&Tamanho:"_s, m_paper);
    paperLayout->addRow(u"&Largura:"_s, m_width);
    paperLayout->addRow(u"&Altura:"_s, m_height);

    auto* orientationBox = new QGroupBox(u"Orientação"_s, this);
    m_portrait = new QRadioButton(u"&Retrato"_s, orientationBox);
    m_landscape = new QRadioButton(u"&Paisagem"_s, orientationBox);
    m_portrait->setObjectName(u"portrait"_s);
    m_landscape->setObjectName(u"landscape"_s);
    (current.landscape ? m_landscape : m_portrait)->setChecked(true);
    auto* orientationLayout = new QHBoxLayout(orientationBox);
    orientationLayout->addWidget(m_portrait);
    orientationLayout->addWidget(m_landscape);

    auto* marginsBox = new QGroupBox(u"Margens"_s, this);
    m_left = measureBox(marginsBox, u"leftMargin"_s, unit, 500);
    m_right = measureBox(marginsBox, u"rightMargin"_s, unit, 500);
    m_top = measureBox(marginsBox, u"topMargin"_s, unit, 500);
    m_bottom = measureBox(marginsBox, u"bottomMargin"_s, unit, 500);
    m_left->setValue(toUnit(current.leftMm, unit));
    m_right->setValue(toUnit(current.rightMm, unit));
    m_top->setValue(toUnit(current.topMm, unit));
    m_bottom->setValue(toUnit(current.bottomMm, unit));
    auto* marginsLayout = new QFormLayout(marginsBox);
    marginsLayout->addRow(u"&Esquerda:"_s, m_left);
    marginsLayout->addRow(u"&Direita:"_s, m_right);
    marginsLayout->addRow(u"&Superior:"_s, m_top);
    marginsLayout->addRow(u"&Inferior:"_s, m_bottom);

    m_allPages = new QCheckBox(u"Aplicar em todas as páginas"_s, this);
    m_allPages->setObjectName(u"allPages"_s);

    const int index =
        m_paper->findData(findPaper(current.paperSizeCode) ? current.paperSizeCode : kCustomPaperCode);
    m_paper->setCurrentIndex(index);
    showPaperSize();

    connect(m_paper, &QComboBox::currentIndexChanged, this, &PageSetupDialog::paperChosen);
    connect(m_width, &QDoubleSpinBox::valueChanged, this, &PageSetupDialog::sizeEdited);
    connect(m_height, &QDoubleSpinBox::valueChanged, this, &PageSetupDialog::sizeEdited);
    connect(m_landscape, &QRadioButton::toggled, this, [this](bool landscape) {
        m_setup = withOrientation(m_setup, landscape);
        showPaperSize();
    });

    auto* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(paperBox);
    layout->addWidget(orientationBox);
    layout->addWidget(marginsBox);
    layout->addWidget(m_allPages);
    layout->addWidget(buttons);
}

void PageSetupDialog::paperChosen()
{
    const int code = m_paper->currentData().toInt();
    if (const PaperSize* paper = findPaper(code))
        m_setup = withPaper(m_setup, code, paper->widthMm, paper->heightMm);
    else
        m_setup.paperSizeCode = kCustomPaperCode;
    showPaperSize();
}

void PageSetupDialog::sizeEdited()
{
    // Typing a size makes the paper a custom one.
    m_setup.paperWidthMm = fromUnit(m_width->value(), m_unit);
    m_setup.paperHeightMm = fromUnit(m_height->value(), m_unit);
    m_setup.paperSizeCode = kCustomPaperCode;
    const QSignalBlocker blocker(m_paper);
    m_paper->setCurrentIndex(m_paper->findData(kCustomPaperCode));
}

void PageSetupDialog::showPaperSize()
{
    const QSignalBlocker blockWidth(m_width);
    const QSignalBlocker blockHeight(m_height);
    m_width->setValue(toUnit(m_setup.paperWidthMm, m_unit));
    m_height->setValue(toUnit(m_setup.paperHeightMm, m_unit));
}

PageSetupChoice PageSetupDialog::choice() const
{
    PageSetupChoice result;
    result.setup = m_setup;
    result.setup.leftMm = marginMm(m_left, m_setup.leftMm, m_unit);
    result.setup.rightMm = marginMm(m_right, m_setup.rightMm, m_unit);
    result.setup.topMm = marginMm(m_top, m_setup.topMm, m_unit);
    result.setup.bottomMm = marginMm(m_bottom, m_setup.bottomMm, m_unit);
    result.allPages = m_allPages->isChecked();
    return result;
}

} // namespace tervano::report
