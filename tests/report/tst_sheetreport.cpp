// The identification sheet's build: variables, band placement, positions on paper,
// field fill, footer date/time and page count.
#include "report/pagegeometry.h"
#include "report/sheetreport.h"
#include "report/textplacement.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::report;

namespace {

const QStringList kVariables = {u"NossoNro"_s, u"Codigo"_s,     u"Unidade"_s, u"Tributo"_s,
                                u"Ano"_s,      u"SubTributo"_s, u"Parcela"_s, u"Valor"_s,
                                u"DtVencto"_s, u"DtEmissao"_s};

const QDateTime kBuildStart(QDate(2011, 2, 25), QTime(16, 58, 3));
const QLocale kBrazil(QLocale::Portuguese, QLocale::Brazil);

// Each variable holds its own name, so every value box can be told apart.
SheetReport namedReport()
{
    SheetReport report;
    for (const QString& name : kVariables)
        report.setVariable(name, quoteLiteral(u"v-"_s + name));
    return report;
}

const PageText* findText(const LaidOutPage& page, const QString& text)
{
    for (const PageText& line : page.texts) {
        if (line.text == text)
            return &line;
    }
    return nullptr;
}

QPointF paperMm(const LaidOutPage& page, QPointF units)
{
    const QPointF origin = printableOriginUnits(page.setup);
    return {mmFromUnits(origin.x() + units.x()), mmFromUnits(origin.y() + units.y())};
}

LaidOutPage onlyPage(const SheetReport& report)
{
    const PreparedReport prepared = report.prepare(kBuildStart, kBrazil);
    if (prepared.pages.size() != 1)
        qFatal("expected one page, got %d", int(prepared.pages.size()));
    return prepared.pages.front();
}

// The texts of the value box in the summary row whose top is `rowTopMm` on the paper.
QStringList valueBoxLines(const LaidOutPage& page, double rowTopMm)
{
    QStringList lines;
    for (const PageText& line : page.texts) {
        const QPointF at = paperMm(page, line.clip.topLeft());
        if (qAbs(at.x() - 52.0) < 0.01 && qAbs(at.y() - rowTopMm) < 0.01)
            lines.append(line.text);
    }
    return lines;
}

} // namespace

class TestSheetReport : public QObject
{
    Q_OBJECT

private slots:
    void variablesInTheirOrder()
    {
        SheetReport report;
        QCOMPARE(report.variableNames(), QStringList{u" Principal"_s} + kVariables);
        QVERIFY(report.variable(u" Principal"_s)->isNull());
        QCOMPARE(report.variable(u"nossonro"_s), std::optional<QString>(u""_s));
        QCOMPARE(report.variable(u"Nenhuma"_s), std::nullopt);
    }

    void setVariableMatchesCaseAndAddsWhenMissing()
    {
        SheetReport report;
        report.setVariable(u"NOSSONRO"_s, u"'1'"_s);
        report.setVariable(u"Extra"_s, u"'x'"_s);
        QCOMPARE(report.variable(u"NossoNro"_s), std::optional<QString>(u"'1'"_s));
        QCOMPARE(report.variableNames().size(), 12);
        QCOMPARE(report.variableNames().last(), u"Extra"_s);
        QCOMPARE(report.variableNames().at(1), u"NossoNro"_s); // the stored spelling stays
    }

    void textBoxesOnPaper_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("xMm");
        QTest::addColumn<double>("yMm");
        QTest::addColumn<double>("widthMm");
        QTest::newRow("Memo1") << u"PREFEITURA MUNICIPAL DE VALDORINHA"_s << 16.00 << 10.68 << 183.0;
        QTest::newRow("Memo2") << u"Praça Dom Orlando, 250 - Centro - CEP 19.990-000 - Valdorinha - SP"_s << 16.00
                               << 15.68 << 183.0;
        QTest::newRow("Memo3") << u"Fone/Fax: (19) 3555-0142 - CNPJ: 11.222.333/0001-81"_s << 16.00 << 21.00 << 183.0;
        QTest::newRow("Memo4") << u"IDENTIFICAÇÃO CADASTRAL DE BOLETO BANCÁRIO"_s << 16.00 << 30.30 << 183.0;
        QTest::newRow("Memo5") << u"NOSSO NÚMERO:"_s << 17.00 << 40.32 << 34.0;
        QTest::newRow("Memo6") << u"v-NossoNro"_s << 52.00 << 40.32 << 147.0;
        QTest::newRow("Memo7") << u"Código:"_s << 17.00 << 52.00 << 34.0;
        QTest::newRow("Memo16") << u"v-Codigo"_s << 52.00 << 52.00 << 147.0;
        QTest::newRow("Memo8") << u"Unidade:"_s << 17.00 << 58.00 << 34.0;
        QTest::newRow("Memo17") << u"v-Unidade"_s << 52.00 << 58.00 << 147.0;
        QTest::newRow("Memo9") << u"Tributo:"_s << 17.00 << 64.00 << 34.0;
        QTest::newRow("Memo18") << u"v-Tributo"_s << 52.00 << 64.00 << 147.0;
        QTest::newRow("Memo10") << u"Ano:"_s << 17.00 << 70.00 << 34.0;
        QTest::newRow("Memo19") << u"v-Ano"_s << 52.00 << 70.00 << 147.0;
        QTest::newRow("Memo11") << u"Sub-Tributo:"_s << 17.00 << 76.00 << 34.0;
        QTest::newRow("Memo20") << u"v-SubTributo"_s << 52.00 << 76.00 << 147.0;
        QTest::newRow("Memo12") << u"Parcela:"_s << 17.00 << 82.00 << 34.0;
        QTest::newRow("Memo21") << u"v-Parcela"_s << 52.00 << 82.00 << 147.0;
        QTest::newRow("Memo13") << u"Valor:"_s << 17.00 << 88.00 << 34.0;
        QTest::newRow("Memo22") << u"v-Valor"_s << 52.00 << 88.00 << 147.0;
        QTest::newRow("Memo14") << u"Data Vencimento:"_s << 17.00 << 94.00 << 34.0;
        QTest::newRow("Memo23") << u"v-DtVencto"_s << 52.00 << 94.00 << 147.0;
        QTest::newRow("Memo15") << u"Data de Emissão:"_s << 17.00 << 100.00 << 34.0;
        QTest::newRow("Memo24") << u"v-DtEmissao"_s << 52.00 << 100.00 << 147.0;
        QTest::newRow("Memo25") << u"25/02/2011 - 16:58:03"_s << 16.00 << 281.00 << 43.0;
        QTest::newRow("Memo26") << u"Pág: 1/[TotalPages#]"_s << 156.00 << 281.00 << 43.0;
    }
    void textBoxesOnPaper()
    {
        QFETCH(QString, text);
        QFETCH(double, xMm);
        QFETCH(double, yMm);
        QFETCH(double, widthMm);
        const LaidOutPage page = onlyPage(namedReport());
        const PageText* line = findText(page, text);
        QVERIFY2(line, qPrintable(text));
        const QPointF at = paperMm(page, line->clip.topLeft());
        // the table gives millimetres rounded to 0.01
        QVERIFY2(qAbs(at.x() - xMm) < 0.006, qPrintable(QString::number(at.x(), 'f', 4)));
        QVERIFY2(qAbs(at.y() - yMm) < 0.006, qPrintable(QString::number(at.y(), 'f', 4)));
        QVERIFY(qAbs(mmFromUnits(line->clip.width()) - widthMm) < 0.006);
        QVERIFY(qAbs(mmFromUnits(line->clip.height()) - 5.0) < 0.006);
        // inner margins: 2 units at the sides, 1 unit at the top
        QCOMPARE(line->lineBox.left(), line->clip.left() + 2);
        QCOMPARE(line->lineBox.width(), line->clip.width() - 4);
        QCOMPARE(line->lineBox.top(), line->clip.top() + 1);
    }

    void everyBoxPrintsOneLine()
    {
        const LaidOutPage page = onlyPage(namedReport());
        QCOMPARE(page.texts.size(), size_t(26));
    }

    void rulesOnPaper_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("xMm");
        QTest::addColumn<double>("yMm");
        QTest::newRow("Line3") << 0 << 16.00 << 29.32;
        QTest::newRow("Line2") << 1 << 15.94 << 35.91;
        QTest::newRow("Line1") << 2 << 16.00 << 280.00;
    }
    void rulesOnPaper()
    {
        QFETCH(int, index);
        QFETCH(double, xMm);
        QFETCH(double, yMm);
        const LaidOutPage page = onlyPage(namedReport());
        QCOMPARE(page.rules.size(), size_t(3));
        const PageRule& rule = page.rules[index];
        const QPointF from = paperMm(page, rule.from);
        const QPointF to = paperMm(page, rule.to);
        QVERIFY2(qAbs(from.x() - xMm) < 0.006, qPrintable(QString::number(from.x())));
        QVERIFY2(qAbs(from.y() - yMm) < 0.006, qPrintable(QString::number(from.y())));
        QCOMPARE(to.y(), from.y());
        QVERIFY(qAbs(to.x() - from.x() - 183.0) < 0.006);
        QCOMPARE(rule.width, 1.0);
    }

    void emptyVariablesPrintNothing()
    {
        const LaidOutPage page = onlyPage(SheetReport()); // every variable the empty text
        for (double rowTop : {40.32, 52.0, 58.0, 64.0, 70.0, 76.0, 82.0, 88.0, 94.0, 100.0})
            QVERIFY(valueBoxLines(page, rowTop).isEmpty());
        QVERIFY(findText(page, u"NOSSO NÚMERO:"_s));
        QVERIFY(findText(page, u"Data de Emissão:"_s));
        QCOMPARE(page.texts.size(), size_t(16));
    }

    void valueFill_data()
    {
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("apostrophe") << u"D'Ávila"_s << QStringList{u"D'Ávila"_s};
        QTest::newRow("two apostrophes") << u"''"_s << QStringList{u"''"_s};
        QTest::newRow("brackets") << u"[Codigo] [Date]"_s << QStringList{u"[Codigo] [Date]"_s};
        QTest::newRow("unmatched bracket") << u"[x"_s << QStringList{u"[x"_s};
        QTest::newRow("spaces kept") << u"  12  "_s << QStringList{u"  12"_s};
        // wider than 147 mm: wraps, and only the first line shows
        QTest::newRow("too wide") << QString(u"0123456789 "_s).repeated(12)
                                  << QStringList{QString(u"0123456789 "_s).repeated(7).trimmed()};
    }
    void valueFill()
    {
        QFETCH(QString, boxText);
        QFETCH(QStringList, printed);
        SheetReport report;
        report.setVariable(u"Codigo"_s, quoteLiteral(boxText));
        const LaidOutPage page = onlyPage(report);
        QCOMPARE(valueBoxLines(page, 52.0), printed);
        QVERIFY(valueBoxLines(page, 58.0).isEmpty()); // nothing runs into the next row
    }

    void valueWithLineBreakUsedUnchanged()
    {
        SheetReport report;
        report.setVariable(u"Valor"_s, u"linha 1\r\nlinha 2"_s);
        QCOMPARE(valueBoxLines(onlyPage(report), 88.0), QStringList{u"linha 1"_s});
    }

    void variableNamingAnother()
    {
        SheetReport report;
        report.setVariable(u"Ano"_s, u"'20' + '11'"_s);
        report.setVariable(u"Parcela"_s, u"ano"_s);
        const LaidOutPage page = onlyPage(report);
        QCOMPARE(valueBoxLines(page, 70.0), QStringList{u"2011"_s});
        QCOMPARE(valueBoxLines(page, 82.0), QStringList{u"2011"_s});
    }

    void buildErrors_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("line");
        QTest::newRow("unquoted text") << u"Tributo"_s << u"IPTU"_s
                                       << u"Memo18: erro na expressão \"Tributo\": nome desconhecido \"IPTU\""_s;
        QTest::newRow("unterminated") << u"NossoNro"_s << u"'123"_s
                                      << u"Memo6: erro na expressão \"NossoNro\": texto sem o apóstrofo final"_s;
        QTest::newRow("names itself") << u"Ano"_s << u"ANO"_s
                                      << u"Memo19: erro na expressão \"Ano\": a variável \"Ano\" refere-se a si mesma"_s;
    }
    void buildErrors()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QString, line);
        SheetReport report;
        report.setVariable(variable, value);
        try {
            report.prepare(kBuildStart, kBrazil);
            QFAIL("no build error");
        } catch (const BuildError& error) {
            QCOMPARE(error.lines, QStringList{line});
        }
    }

    void footerDateTimeAndPages_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("dateTime");
        QTest::newRow("pt_BR") << kBrazil << u"25/02/2011 - 16:58:03"_s;
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << u"2/25/11 - 4:58:03 PM"_s;
    }
    void footerDateTimeAndPages()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, dateTime);
        const PreparedReport prepared = SheetReport().prepare(kBuildStart, locale);
        QCOMPARE(prepared.pages.size(), size_t(1));
        const LaidOutPage& page = prepared.pages.front();
        QVERIFY2(findText(page, dateTime), qPrintable(dateTime));
        const PageText* pages = findText(page, u"Pág: 1/[TotalPages#]"_s);
        QVERIFY(pages);
        const PlacedText placed = placeText(*pages, 1);
        QCOMPARE(placed.text, u"Pág: 1/1"_s);
        // right-aligned: ends on the text area's right edge, 2 units inside 199 mm
        QVERIFY(qAbs(placed.x + textWidth(placed.text, pages->font) - pages->lineBox.right()) < 1e-9);
    }

    void footerStaysOnTheBottomMargin_data()
    {
        QTest::addColumn<double>("topMm");
        QTest::addColumn<double>("bottomMm");
        QTest::newRow("stored") << 10.0 << 10.0;
        QTest::newRow("wide margins") << 25.0 << 40.0;
    }
    void footerStaysOnTheBottomMargin()
    {
        QFETCH(double, topMm);
        QFETCH(double, bottomMm);
        SheetReport report;
        PageSetup setup = report.pageSetup();
        setup.topMm = topMm;
        setup.bottomMm = bottomMm;
        report.setPageSetup(setup);
        const LaidOutPage page = onlyPage(report);
        QCOMPARE(page.setup.topMm, topMm);
        const double footerRuleMm = paperMm(page, page.rules.back().from).y();
        QVERIFY(qAbs(footerRuleMm - (297 - bottomMm - 8 + 1)) < 0.006);
        const double titleMm = paperMm(page, findText(page, u"PREFEITURA MUNICIPAL DE VALDORINHA"_s)->clip.topLeft()).y();
        QVERIFY(qAbs(titleMm - (topMm + 0.68)) < 0.006);
    }

    void summaryThatDoesNotFitMovesToASecondPage()
    {
        SheetReport report;
        PageSetup setup = report.pageSetup();
        setup.topMm = 100;
        setup.bottomMm = 100; // 97 mm printable: title 27 + summary 76 + footer 8 do not fit
        report.setPageSetup(setup);
        const PreparedReport prepared = report.prepare(kBuildStart, kBrazil);
        QCOMPARE(prepared.pages.size(), size_t(2));
        QVERIFY(findText(prepared.pages[0], u"Pág: 1/[TotalPages#]"_s));
        QVERIFY(findText(prepared.pages[1], u"Pág: 2/[TotalPages#]"_s));
        const PageText* label = findText(prepared.pages[1], u"NOSSO NÚMERO:"_s);
        QVERIFY(label);
        QVERIFY(qAbs(paperMm(prepared.pages[1], label->clip.topLeft()).y() - (100 + 3.32)) < 0.006);
    }

    void buildDoesNotChangeTheReport()
    {
        const SheetReport report = namedReport();
        const LaidOutPage first = onlyPage(report);
        const LaidOutPage second = onlyPage(report);
        QCOMPARE(first.texts.size(), second.texts.size());
        for (size_t i = 0; i < first.texts.size(); ++i)
            QCOMPARE(first.texts[i].text, second.texts[i].text);
    }
};

QTEST_APPLESS_MAIN(TestSheetReport)
#include "tst_sheetreport.moc"
