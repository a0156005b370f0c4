// The export and page settings dialogs: what they show and what they hand back.
#include "report/pagesetupdialog.h"
#include "report/pdfexportdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::report;

class TestReportDialogs : public QObject
{
    Q_OBJECT
private slots:
    void exportDialogShowsTheDefaults()
    {
        PdfExportDialog dialog{PdfExportChoices{}};
        QCOMPARE(dialog.windowTitle(), u"Exportar para PDF"_s);
        auto box = [&](const char* name) { return dialog.findChild<QCheckBox*>(QLatin1StringView(name)); };
        QVERIFY(dialog.findChild<QRadioButton*>(u"allPages"_s)->isChecked());
        QVERIFY(!dialog.findChild<QLineEdit*>(u"rangeText"_s)->isEnabled());
        QVERIFY(box("compressed")->isChecked());
        QVERIFY(!box("embeddedFonts")->isChecked());
        QVERIFY(!box("printOptimized")->isChecked());
        QVERIFY(!box("outline")->isChecked());
        QVERIFY(!box("outline")->isEnabled());
        QVERIFY(!box("background")->isChecked());
        QVERIFY(!box("openAfterExport")->isChecked());
    }

    void exportDialogReturnsTheChoices()
    {
        PdfExportDialog dialog{PdfExportChoices{}};
        dialog.findChild<QCheckBox*>(u"compressed"_s)->setChecked(false);
        dialog.findChild<QCheckBox*>(u"openAfterExport"_s)->setChecked(true);
        dialog.findChild<QRadioButton*>(u"pageRange"_s)->setChecked(true);
        auto* range = dialog.findChild<QLineEdit*>(u"rangeText"_s);
        QVERIFY(range->isEnabled());
        range->setText(u"x"_s);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // not a range: the dialog stays
        range->setText(u"1"_s);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const PdfExportChoices c = dialog.choices();
        QVERIFY(!c.options.compressed);
        QVERIFY(c.options.openAfterExport);
        QCOMPARE(c.pageChoice, PageChoice::Range);
        QCOMPARE(c.rangeText, u"1"_s);

        PdfExportDialog again(c); // reopened with the kept choices
        QVERIFY(!again.findChild<QCheckBox*>(u"compressed"_s)->isChecked());
        QVERIFY(again.findChild<QRadioButton*>(u"pageRange"_s)->isChecked());
    }

    void pageSetupShowsCentimetresOrInches_data()
    {
        QTest::addColumn<MeasureUnit>("unit");
        QTest::addColumn<double>("left");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("centimetres") << MeasureUnit::Centimetres << 1.5 << u" cm"_s;
        QTest::newRow("inches") << MeasureUnit::Inches << 0.59 << u" pol"_s;
    }
    void pageSetupShowsCentimetresOrInches()
    {
        QFETCH(MeasureUnit, unit);
        QFETCH(double, left);
        QFETCH(QString, suffix);
        PageSetupDialog dialog(PageSetup{}, unit);
        auto* leftBox = dialog.findChild<QDoubleSpinBox*>(u"leftMargin"_s);
        QCOMPARE(leftBox->value(), left);
        QCOMPARE(leftBox->suffix(), suffix);
        QCOMPARE(dialog.findChild<QComboBox*>(u"paperSize"_s)->currentText(), u"A4"_s);
        // accepted unchanged, the page is exactly as it was (no rounding through the boxes)
        const PageSetupChoice c = dialog.choice();
        QCOMPARE(c.setup.leftMm, 15.0);
        QCOMPARE(c.setup.rightMm, 10.0);
        QCOMPARE(c.setup.paperWidthMm, 210.0);
        QVERIFY(!c.allPages);
    }

    void pageSetupChanges()
    {
        PageSetupDialog dialog(PageSetup{}, MeasureUnit::Centimetres);
        dialog.findChild<QRadioButton*>(u"landscape"_s)->setChecked(true);
        dialog.findChild<QDoubleSpinBox*>(u"topMargin"_s)->setValue(2.5);
        auto* paper = dialog.findChild<QComboBox*>(u"paperSize"_s);
        paper->setCurrentIndex(paper->findText(u"A5"_s));
        dialog.findChild<QCheckBox*>(u"allPages"_s)->setChecked(true);
        const PageSetupChoice c = dialog.choice();
        QVERIFY(c.setup.landscape);
        QCOMPARE(c.setup.paperSizeCode, 11);
        QCOMPARE(c.setup.paperWidthMm, 210.0);
        QCOMPARE(c.setup.paperHeightMm, 148.0);
        QCOMPARE(c.setup.topMm, 25.0);
        QVERIFY(c.allPages);

        dialog.findChild<QDoubleSpinBox*>(u"paperWidth"_s)->setValue(30);
        QCOMPARE(paper->currentText(), u"Personalizado"_s);
        QCOMPARE(dialog.choice().setup.paperWidthMm, 300.0);
    }
};

QTEST_MAIN(TestReportDialogs)
#include "tst_reportdialogs.moc"
