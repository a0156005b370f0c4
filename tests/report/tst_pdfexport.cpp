// The PDF file, checked with the real clients (qpdf, pdfinfo, pdftotext) and written both
// through writePdf and through the sheet-pdf tool.
#include "../common/filesizelimit.h"
#include "common/failure.h"
#include "report/pagegeometry.h"
#include "report/pdfexport.h"
#include "report/sheetreport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;
using namespace tervano::report;

namespace {

const QStringList kVariables = {u"NossoNro"_s,   u"Codigo"_s,  u"Unidade"_s, u"Tributo"_s,  u"Ano"_s,
                                u"SubTributo"_s, u"Parcela"_s, u"Valor"_s,   u"DtVencto"_s, u"DtEmissao"_s};
// The ten texts as the window shows them for one boleto.
const QStringList kWindowTexts = {
    u"20110000123"_s, u"000123"_s, u"01.02.003.0004"_s, u"IPTU"_s,       u"2011"_s,
    u"0"_s,           u"1"_s,      u"1.234,56"_s,       u"10/03/2011"_s, u"25/02/2011"_s};
const QDateTime kBuildStart(QDate(2011, 2, 25), QTime(16, 58, 3), QTimeZone(-3 * 3600));

struct Run
{
    int exitCode = -1;
    QString out;
};

Run run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

PreparedReport boleto(const QStringList& texts = kWindowTexts)
{
    SheetReport report;
    for (qsizetype i = 0; i < kVariables.size(); ++i)
        report.setVariable(kVariables[i], quoteLiteral(texts[i]));
    return report.prepare(kBuildStart, QLocale(QLocale::Portuguese, QLocale::Brazil));
}

struct Word
{
    QString text;
    double xMin, yMin, xMax, yMax; // points from the page's top-left
};

std::vector<Word> bboxWords(const QString& html)
{
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    std::vector<Word> words;
    for (const auto& m : word.globalMatch(html)) {
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

double mmFromPoints(double points)
{
    return points / kPointsPerMm;
}

} // namespace

class TestPdfExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        for (const QString& tool : {u"qpdf"_s, u"pdfinfo"_s, u"pdftotext"_s}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(tool + u" is not installed"_s));
        }
        QVERIFY(m_dir.isValid());
    }

    void defaultExportPassesTheClients()
    {
        const QString path = m_dir.filePath(u"boleto.pdf"_s);
        writePdf(boleto(), path, PdfExportOptions{}, kBuildStart);

        QCOMPARE(run(u"qpdf"_s, {u"--check"_s, path}).exitCode, 0);

        const Run info = run(u"pdfinfo"_s, {u"-isodates"_s, path});
        QCOMPARE(info.exitCode, 0);
        for (const QString& line :
             {u"PDF version:\\s+1\\.3$"_s, u"Pages:\\s+1$"_s,
              u"Page size:\\s+595\\.276 x 841\\.89 pts \\(A4\\)$"_s, u"Author:\\s+FastReport$"_s,
              u"Subject:\\s+FastReport PDF export$"_s, u"Producer:\\s+Tervano sheet engine$"_s,
              u"Title:\\s*$"_s, u"Creator:\\s*$"_s, u"CreationDate:\\s+2011-02-25T16:58:03-03$"_s,
              u"ModDate:\\s+2011-02-25T16:58:03-03$"_s}) {
            const QRegularExpression pattern(line, QRegularExpression::MultilineOption);
            QVERIFY2(pattern.match(info.out).hasMatch(), qPrintable(line + u"\n"_s + info.out));
        }

        // Empty creator and title are written, not left out.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("/Creator ()"));
        QVERIFY(bytes.contains("/Title ()"));
        QVERIFY(bytes.contains("/FlateDecode"));
        QVERIFY(bytes.startsWith("%PDF-1.3"));
    }

    void layoutTextInOrder()
    {
        const QString path = m_dir.filePath(u"ordem.pdf"_s);
        writePdf(boleto(), path, PdfExportOptions{}, kBuildStart);
        const Run text = run(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QCOMPARE(text.exitCode, 0);
        QStringList expected = {u"PREFEITURA MUNICIPAL DE VALDORINHA"_s,
                                u"Praça Dom Orlando, 250 - Centro - CEP 19.990-000 - Valdorinha - SP"_s,
                                u"Fone/Fax: (19) 3555-0142 - CNPJ: 11.222.333/0001-81"_s,
                                u"IDENTIFICAÇÃO CADASTRAL DE BOLETO BANCÁRIO"_s};
        const QStringList labels = {
            u"NOSSO NÚMERO:"_s, u"Código:"_s,  u"Unidade:"_s, u"Tributo:"_s,         u"Ano:"_s,
            u"Sub-Tributo:"_s,  u"Parcela:"_s, u"Valor:"_s,   u"Data Vencimento:"_s, u"Data de Emissão:"_s};
        for (qsizetype i = 0; i < labels.size(); ++i)
            expected << labels[i] << kWindowTexts[i];
        expected << u"25/02/2011 - 16:58:03"_s << u"Pág: 1/1"_s;
        qsizetype from = 0;
        for (const QString& piece : expected) {
            const qsizetype at = text.out.indexOf(piece, from);
            QVERIFY2(at >= 0, qPrintable(u"missing or out of order: "_s + piece + u"\n"_s + text.out));
            from = at + piece.size();
        }
    }

    // pdftotext -bbox gives each word's box in points from the page's top-left: xMin is the
    // text origin, yMin lies the font's ascent (Helvetica: 0.718 em, as poppler knows the
    // standard font) above the baseline. We set the baseline 1 unit (top inner margin) plus
    // Arial's ascent (0.905 em) below the box top, so the expected yMin is
    // box top + 1 unit + (0.905 - 0.718) em. 0.5 mm of tolerance covers the rounding of the
    // table's millimetres and of pdftotext's output; the computed positions agree to 0.01 mm.
    void labelPositionOnPaper()
    {
        const QString path = m_dir.filePath(u"posicao.pdf"_s);
        writePdf(boleto(), path, PdfExportOptions{}, kBuildStart);
        const Run box = run(u"pdftotext"_s, {u"-bbox"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QCOMPARE(box.exitCode, 0);
        const std::vector<Word> words = bboxWords(box.out);
        auto find = [&](const QString& text) -> const Word* {
            for (const Word& word : words) {
                if (word.text == text)
                    return &word;
            }
            return nullptr;
        };
        const Word* nosso = find(u"NOSSO"_s);
        const Word* numero = find(u"NÚMERO:"_s);
        QVERIFY(nosso && numero);
        QCOMPARE(numero->yMin, nosso->yMin);

        const double emMm = 13 / kUnitsPerMm;
        const double innerMm = 1 / kUnitsPerMm;
        const double expectedX = 17.0 + 2 / kUnitsPerMm;
        const double expectedYMin = 40.32 + innerMm + (1854.0 / 2048 - 0.718) * emMm;
        QVERIFY2(qAbs(mmFromPoints(nosso->xMin) - expectedX) < 0.5,
                 qPrintable(QString::number(mmFromPoints(nosso->xMin))));
        QVERIFY2(qAbs(mmFromPoints(nosso->yMin) - expectedYMin) < 0.5,
                 qPrintable(QString::number(mmFromPoints(nosso->yMin))));
        // and the glyphs stay inside their 5 mm box
        QVERIFY(mmFromPoints(nosso->yMin) > 40.32 && mmFromPoints(nosso->yMax) < 45.32);

        // the value at 52 mm on the same line, the footer's total right-aligned at 199 mm
        const Word* value = find(kWindowTexts[0]);
        QVERIFY(value);
        QVERIFY(qAbs(mmFromPoints(value->xMin) - (52.0 + 2 / kUnitsPerMm)) < 0.5);
        QCOMPARE(value->yMin, nosso->yMin);
        const Word* total = find(u"1/1"_s);
        QVERIFY(total);
        QVERIFY(qAbs(mmFromPoints(total->xMax) - (199.0 - 2 / kUnitsPerMm)) < 0.5);
    }

    void textWinAnsiCannotHoldBecomesQuestionMark()
    {
        QStringList texts = kWindowTexts;
        texts[3] = u"Ωmega ☃ €"_s;
        const QString path = m_dir.filePath(u"simbolos.pdf"_s);
        writePdf(boleto(texts), path, PdfExportOptions{}, kBuildStart);
        QCOMPARE(run(u"qpdf"_s, {u"--check"_s, path}).exitCode, 0);
        const Run text = run(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QVERIFY2(text.out.contains(u"?mega ? €"_s), qPrintable(text.out));
    }

    void embeddedFontsUncompressed()
    {
        PdfExportOptions options;
        options.embeddedFonts = true;
        options.compressed = false;
        const QString path = m_dir.filePath(u"fontes.pdf"_s);
        writePdf(boleto(), path, options, kBuildStart);
        QCOMPARE(run(u"qpdf"_s, {u"--check"_s, path}).exitCode, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF-1.3"));
        QVERIFY(!bytes.contains("/FlateDecode"));
        QVERIFY(bytes.contains("/FontFile2"));
        QVERIFY(!bytes.contains("/BaseFont /Helvetica"));
        const Run text = run(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QVERIFY(text.out.contains(u"IDENTIFICAÇÃO CADASTRAL DE BOLETO BANCÁRIO"_s));
        QVERIFY(text.out.contains(u"Pág: 1/1"_s));
    }

    void chosenPagesCarryTheRealTotal()
    {
        SheetReport report;
        PageSetup setup = report.pageSetup();
        setup.topMm = setup.bottomMm = 100; // the summary moves to a second page
        report.setPageSetup(setup);
        PdfExportOptions options;
        options.pages = {2};
        const QString path = m_dir.filePath(u"pagina2.pdf"_s);
        writePdf(report.prepare(kBuildStart, QLocale(QLocale::Portuguese, QLocale::Brazil)), path, options,
                 kBuildStart);
        QVERIFY(run(u"pdfinfo"_s, {path}).out.contains(QRegularExpression(u"Pages:\\s+1\\n"_s)));
        const Run text = run(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QVERIFY2(text.out.contains(u"Pág: 2/2"_s), qPrintable(text.out));
        QVERIFY(text.out.contains(u"NOSSO NÚMERO:"_s));
        QVERIFY(!text.out.contains(u"PREFEITURA"_s));
    }

    void cannotCreateFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << m_dir.filePath(u"nao/existe/boleto.pdf"_s);
        QTest::newRow("a folder") << m_dir.path();
    }
    void cannotCreateFile()
    {
        QFETCH(QString, path);
        try {
            writePdf(boleto(), path, PdfExportOptions{}, kBuildStart);
            QFAIL("no failure");
        } catch (const tervano::Failure& failure) {
            QCOMPARE(failure.message(), u"Cannot create file "_s + path);
        }
        // nothing left beside it
        const QStringList left = QDir(m_dir.path()).entryList({u"*.pdf.*"_s}, QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u", "_s)));
    }

    void failedWriteLeavesNoPartialFile()
    {
        const QString path = m_dir.filePath(u"interrompido.pdf"_s);
        const QByteArray before = "an earlier export";
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(before);
        }
        {
            FileSizeLimit limit(1024); // stops the PDF's bytes part-way, as a full disk would
            QVERIFY(limit.ok());
            try {
                writePdf(boleto(), path, PdfExportOptions{}, kBuildStart);
                QFAIL("no failure");
            } catch (const tervano::Failure& failure) {
                QCOMPARE(failure.message(), u"Cannot create file "_s + path);
            }
        }
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), before);
        const QStringList left =
            QDir(m_dir.path()).entryList({u"interrompido.pdf.*"_s}, QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u", "_s)));
    }

    void overwritesAnExistingFile()
    {
        const QString path = m_dir.filePath(u"existente.pdf"_s);
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        writePdf(boleto(), path, PdfExportOptions{}, kBuildStart);
        QCOMPARE(run(u"qpdf"_s, {u"--check"_s, path}).exitCode, 0);
    }

    void sheetPdfTool_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<bool>("embedded");
        QTest::addColumn<bool>("compressed");
        QTest::newRow("defaults") << QStringList{} << false << true;
        QTest::newRow("embed fonts") << QStringList{u"--embed-fonts"_s} << true << true;
        QTest::newRow("no compress") << QStringList{u"--no-compress"_s} << false << false;
    }
    void sheetPdfTool()
    {
        QFETCH(QStringList, flags);
        QFETCH(bool, embedded);
        QFETCH(bool, compressed);
        const QString tool = QStringLiteral(TERVANO_BIN_DIR) + u"/sheet-pdf"_s;
        if (!QFile::exists(tool))
            QSKIP("sheet-pdf is not built");
        const QString path = m_dir.filePath(u"ferramenta.pdf"_s);
        QStringList texts = kWindowTexts;
        texts[1] = u"D'Ávila [Codigo]"_s;
        QCOMPARE(run(tool, flags + QStringList{path} + texts).exitCode, 0);
        QCOMPARE(run(u"qpdf"_s, {u"--check"_s, path}).exitCode, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.contains("/FontFile2"), embedded);
        QCOMPARE(bytes.contains("/FlateDecode"), compressed);
        const Run text = run(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
        QVERIFY2(text.out.contains(u"D'Ávila [Codigo]"_s), qPrintable(text.out));
        QVERIFY(text.out.contains(u"Pág: 1/1"_s));
    }

    void sheetPdfToolUsage()
    {
        const QString tool = QStringLiteral(TERVANO_BIN_DIR) + u"/sheet-pdf"_s;
        if (!QFile::exists(tool))
            QSKIP("sheet-pdf is not built");
        QCOMPARE(run(tool, {u"so-um.pdf"_s}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestPdfExport)
#include "tst_pdfexport.moc"
