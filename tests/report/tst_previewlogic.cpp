// Zoom steps, page ranges, paper and unit conversions, printer choice, engine settings.
#include "report/enginesettings.h"
#include "report/pagerange.h"
#include "report/papersizes.h"
#include "report/reportjobs.h"
#include "report/zoom.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::report;

Q_DECLARE_METATYPE(std::vector<int>)

class TestPreviewLogic : public QObject
{
    Q_OBJECT
private slots:
    void zoomSteps_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("in");
        QTest::addColumn<double>("out");
        QTest::newRow("100 %") << 1.0 << 1.25 << 0.75;
        QTest::newRow("50 % goes down to the floor") << 0.5 << 0.75 << 0.25;
        QTest::newRow("never below 25 %") << 0.25 << 0.5 << 0.25;
        QTest::newRow("a fitted 87 % lands on the grid") << 0.87 << 1.0 << 0.75;
        QTest::newRow("a fitted 12 % goes up to 25 %") << 0.12 << 0.25 << 0.25;
        QTest::newRow("at the ceiling") << 10.0 << 10.0 << 9.75;
    }
    void zoomSteps()
    {
        QFETCH(double, from);
        QFETCH(double, in);
        QFETCH(double, out);
        QCOMPARE(zoomIn(from), in);
        QCOMPARE(zoomOut(from), out);
    }

    void zoomListOffersPercentagesAndFits()
    {
        QStringList texts;
        for (const ZoomEntry& e : zoomList())
            texts << e.text;
        QCOMPARE(texts, (QStringList{u"25%"_s, u"50%"_s, u"75%"_s, u"100%"_s, u"150%"_s, u"200%"_s,
                                     u"Largura da página"_s, u"Página inteira"_s}));
    }

    void fittedZooms()
    {
        const QSizeF a4(794, 1123);
        QCOMPARE(zoomForPageWidth(a4, QSizeF(1608, 500), 10), 2.0);
        // the whole page is bound by the height here
        QCOMPARE(zoomForWholePage(a4, QSizeF(1608, 1143), 10), 1.0);
    }

    void pageRanges_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pageCount");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<std::vector<int>>("pages");
        QTest::newRow("single") << u"1"_s << 1 << true << std::vector<int>{1};
        QTest::newRow("list and range, sorted, once") << u"5-7, 2,6"_s << 10 << true << std::vector<int>{2, 5, 6, 7};
        QTest::newRow("open range") << u"3-"_s << 4 << true << std::vector<int>{3, 4};
        QTest::newRow("beyond the last page dropped") << u"1-9"_s << 2 << true << std::vector<int>{1, 2};
        QTest::newRow("only beyond the last page") << u"3"_s << 1 << false << std::vector<int>{};
        QTest::newRow("empty") << u""_s << 1 << false << std::vector<int>{};
        QTest::newRow("zero") << u"0"_s << 1 << false << std::vector<int>{};
        QTest::newRow("backwards") << u"3-1"_s << 5 << false << std::vector<int>{};
        QTest::newRow("letters") << u"um"_s << 5 << false << std::vector<int>{};
    }
    void pageRanges()
    {
        QFETCH(QString, text);
        QFETCH(int, pageCount);
        QFETCH(bool, valid);
        QFETCH(std::vector<int>, pages);
        const auto parsed = parsePageRange(text, pageCount);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, pages);
    }

    void exportPagesFollowTheChoice()
    {
        PdfExportChoices choices;
        QCOMPARE(exportPages(choices, 3, 2), std::optional(std::vector<int>{})); // all
        choices.pageChoice = PageChoice::Current;
        QCOMPARE(exportPages(choices, 3, 2), std::optional(std::vector<int>{2}));
        choices.pageChoice = PageChoice::Range;
        choices.rangeText = u"2-3"_s;
        QCOMPARE(exportPages(choices, 3, 1), std::optional(std::vector<int>{2, 3}));
        choices.rangeText = u"7"_s;
        QVERIFY(!exportPages(choices, 3, 1)); // never "all pages" by mistake
    }

    void printerChoice_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("selected");
        QTest::newRow("Default wins") << QStringList{u"Laser"_s, u"Default"_s} << u"Laser"_s << u"Default"_s;
        QTest::newRow("letter case ignored") << QStringList{u"DEFAULT"_s, u"Laser"_s} << u"Laser"_s << u"DEFAULT"_s;
        QTest::newRow("no Default: current stays") << QStringList{u"Laser"_s, u"Jato"_s} << u"Jato"_s << u"Jato"_s;
        QTest::newRow("a name merely containing Default")
            << QStringList{u"Default2"_s, u"Laser"_s} << u"Laser"_s << u"Laser"_s;
    }
    void printerChoice()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, current);
        QFETCH(QString, selected);
        QCOMPARE(printerToSelect(installed, current), selected);
    }

    void buildErrorLinesSortedOnce()
    {
        QCOMPARE(buildErrorMessage({u"b: erro"_s, u"a: erro"_s, u"b: erro"_s}),
                 u"Erro(s) encontrado(s):\na: erro\nb: erro"_s);
    }

    void printRangeFromDialog()
    {
        QPrinter printer;
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 9);
        QCOMPARE(chosenPrintPages(printer, 3, 1), (std::vector<int>{2, 3}));
        printer.setPrintRange(QPrinter::CurrentPage);
        QCOMPARE(chosenPrintPages(printer, 3, 2), (std::vector<int>{2}));
        printer.setPrintRange(QPrinter::AllPages);
        QCOMPARE(chosenPrintPages(printer, 2, 1), (std::vector<int>{1, 2}));
    }

    void paperAndOrientation()
    {
        PageSetup page; // A4 portrait
        const PageSetup wide = withOrientation(page, true);
        QCOMPARE(wide.paperWidthMm, 297.0);
        QCOMPARE(wide.paperHeightMm, 210.0);
        QCOMPARE(withOrientation(wide, true).paperWidthMm, 297.0); // no double swap
        const PageSetup letter = withPaper(wide, 1, 215.9, 279.4);
        QCOMPARE(letter.paperSizeCode, 1);
        QCOMPARE(letter.paperWidthMm, 279.4); // still landscape
        const QPageLayout layout = paperLayout(wide);
        QCOMPARE(layout.orientation(), QPageLayout::Landscape);
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
    }

    void units()
    {
        QCOMPARE(toUnit(15, MeasureUnit::Centimetres), 1.5);
        QCOMPARE(fromUnit(1, MeasureUnit::Inches), 25.4);
    }

    void unitSetting_data()
    {
        QTest::addColumn<QString>("ini"); // empty: no file at all
        QTest::addColumn<bool>("inches");
        QTest::newRow("no file") << QString() << false;
        QTest::newRow("no key") << u"[Form.TfrxDesignerForm]\nOther=1\n"_s << false;
        QTest::newRow("0") << u"[Form.TfrxDesignerForm]\nUnits=0\n"_s << false;
        QTest::newRow("1: inches") << u"[Form.TfrxDesignerForm]\nUnits=1\n"_s << true;
        QTest::newRow("2") << u"[Form.TfrxDesignerForm]\nUnits=2\n"_s << false;
        QTest::newRow("3") << u"[Form.TfrxDesignerForm]\nUnits=3\n"_s << false;
        QTest::newRow("not a number") << u"[Form.TfrxDesignerForm]\nUnits=pol\n"_s << false;
        QTest::newRow("other section") << u"[Form.Other]\nUnits=1\n"_s << false;
    }
    void unitSetting()
    {
        QFETCH(QString, ini);
        QFETCH(bool, inches);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"report-engine.ini"_s);
        if (!ini.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(ini.toUtf8());
        }
        const QByteArray before = QFile::exists(path) ? [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }() : QByteArray();
        QCOMPARE(readMeasureUnit(path) == MeasureUnit::Inches, inches);
        // only read: the file is neither created nor changed
        QCOMPARE(QFile::exists(path), !ini.isNull());
        if (!ini.isNull()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), before);
        }
    }
};

QTEST_MAIN(TestPreviewLogic)
#include "tst_previewlogic.moc"
