// The search and the print button as the clerk uses them: real keys on the window, a
// table written by our own writer, message boxes recorded instead of shown.
#include "windowfixture.h"

#include "../report/fakereportdialogs.h"
#include "../report/previewtesting.h"
#include "app/apptitle.h"
#include "app/numberedit.h"
#include "lookup/dbfwriter.h"
#include "report/previewwindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace tervano;
using namespace Qt::StringLiterals;

namespace {

const QStringList kAllFields = {u"pa_arrec"_s, u"db_cod"_s,  u"db_unid"_s,   u"db_trib"_s,   u"db_ano"_s,
                                u"db_strib"_s, u"pa_parc"_s, u"pa_vrparc"_s, u"pa_dtvenc"_s, u"pa_dtemi"_s};

// A collection table with the given fields (all of kAllFields unless some are left out).
QByteArray table(const std::vector<QStringList>& records, const QStringList& leftOut = {})
{
    std::vector<lookup::DbfFieldSpec> fields;
    QList<int> kept;
    for (int i = 0; i < kAllFields.size(); ++i) {
        if (leftOut.contains(kAllFields[i]))
            continue;
        kept << i;
        const QByteArray name = kAllFields[i].toUpper().toLatin1();
        if (i == 7)
            fields.push_back({name, 'N', 12, 2});
        else if (i >= 8)
            fields.push_back({name, 'D', 8, 0});
        else if (i == 4)
            fields.push_back({name, 'N', 4, 0});
        else
            fields.push_back({name, 'C', 14, 0});
    }
    std::vector<QStringList> rows;
    for (const QStringList& r : records) {
        QStringList row;
        for (int i : kept)
            row << r.value(i);
        rows.push_back(row);
    }
    return lookup::DbfWriter(fields).table(rows);
}

const QStringList kFound = {u"20110000123"_s, u"000123"_s, u"01.02.003"_s, u"IPTU"_s,     u"2011"_s,
                            u"0"_s,           u"1"_s,      u"1234.56"_s,   u"20110310"_s, u"20110225"_s};
const QStringList kExpectedBoxes = {u"000123"_s, u"01.02.003"_s, u"IPTU"_s,       u"2011"_s,      u"0"_s,
                                    u"1"_s,      u"1.234,56"_s,  u"10/03/2011"_s, u"25/02/2011"_s};

QStringList boxTexts(const app::TfrmPrincipal& w)
{
    QStringList texts;
    for (QLineEdit* box : w.displayBoxes())
        texts << box->text();
    return texts;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

    // Types the number and presses Enter twice: once to leave the box, once on BtnBuscar.
    static void search(app::TfrmPrincipal& w, const QString& number)
    {
        w.EdtNossoNro->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.EdtNossoNro, number);
        QTest::keyClick(w.EdtNossoNro, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), w.BtnBuscar);
        QTest::keyClick(w.BtnBuscar, Qt::Key_Return);
    }

    static bool writeTable(WindowFixture& f, const QByteArray& bytes)
    {
        return lookup::DbfWriter::writeFile(f.tablePath(), bytes);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil)); }

    void foundFillsTheNineBoxesAndEnablesPrinting()
    {
        WindowFixture f;
        QVERIFY(writeTable(f, table({kFound, kFound})));
        QVERIFY(f.showAndSettle());
        search(*f.window, u"20110000123"_s);
        QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.value(0).text));
        QCOMPARE(boxTexts(*f.window), kExpectedBoxes);
        QVERIFY(f.window->BtnImprimir->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.window->BtnBuscar);

        // Pressing again without returning to the box repeats the same search.
        QTest::keyClick(f.window->BtnBuscar, Qt::Key_Return);
        QCOMPARE(boxTexts(*f.window), kExpectedBoxes);
        QVERIFY(f.messages.isEmpty());
    }

    void notFoundTellsAndResetsTheEntry()
    {
        WindowFixture f;
        QVERIFY(writeTable(f, table({kFound})));
        QVERIFY(f.showAndSettle());
        search(*f.window, u"20110000123"_s);
        QVERIFY(f.window->BtnImprimir->isEnabled());

        // Leading zeros are not part of the normal form, so "0020110000124" searches 20110000124.
        search(*f.window, u"0020110000124"_s);
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].caption, u"Atenção"_s);
        QCOMPARE(f.messages[0].text, u"Nosso número não encontrado."_s);
        QCOMPARE(QApplication::focusWidget(), f.window->EdtNossoNro);
        QCOMPARE(f.window->EdtNossoNro->text(), QString());
        QCOMPARE(boxTexts(*f.window), QStringList(9));
        QVERIFY(!f.window->BtnImprimir->isEnabled());
    }

    void failureMidwayKeepsWhatWasWritten_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("filled");
        QTest::addColumn<QString>("shown");

        QStringList blankIssue = kFound;
        blankIssue[9].clear();
        QStringList blankAmount = kFound;
        blankAmount[7].clear();
        QTest::newRow("blank issue date after eight boxes")
            << table({blankIssue}) << 8 << u"Could not convert variant of type (Null) into type (String)"_s;
        QTest::newRow("blank amount after six boxes")
            << table({blankAmount}) << 6 << u"Could not convert variant of type (Null) into type (Double)"_s;
        QTest::newRow("table without pa_vrparc")
            << table({kFound}, {u"pa_vrparc"_s}) << 6 << u"t1: Field 'pa_vrparc' not found."_s;
    }

    void failureMidwayKeepsWhatWasWritten()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, filled);
        QFETCH(QString, shown);

        WindowFixture f;
        QVERIFY(writeTable(f, bytes));
        QVERIFY(f.showAndSettle());
        f.window->EdtNossoNro->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(f.window->EdtNossoNro, u"20110000123"_s);
        QTest::keyClick(f.window->EdtNossoNro, Qt::Key_Return);
        // What the failing search must leave alone.
        for (QLineEdit* box : f.window->displayBoxes())
            box->setText(u"antes"_s);
        QTest::keyClick(f.window->BtnBuscar, Qt::Key_Return);

        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.messages[0].text, shown);
        QCOMPARE(f.messages[0].caption, app::runningApplicationTitle());
        const QStringList texts = boxTexts(*f.window);
        QCOMPARE(texts.mid(0, filled), kExpectedBoxes.mid(0, filled));
        QCOMPARE(texts.mid(filled), QStringList(9 - filled, u"antes"_s));
        QVERIFY(!f.window->BtnImprimir->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.window->BtnBuscar);
    }

    void tableDeletedAfterStartupThenRestored()
    {
        WindowFixture f;
        const QByteArray bytes = table({kFound});
        QVERIFY(writeTable(f, bytes));
        QVERIFY(f.showAndSettle());
        QVERIFY(QFile::remove(f.tablePath()));

        search(*f.window, u"20110000123"_s);
        QCOMPARE(f.messages.size(), 1);
        QVERIFY2(f.messages[0].text.contains(f.tablePath()), qPrintable(f.messages[0].text));
        QVERIFY(!f.window->table().isOpen());

        QVERIFY(writeTable(f, bytes));
        f.messages.clear();
        QTest::keyClick(f.window->BtnBuscar, Qt::Key_Return);
        QVERIFY(f.messages.isEmpty());
        QCOMPARE(boxTexts(*f.window), QStringList(kExpectedBoxes.mid(0, 9)));
    }

    // From the number to a PDF: the preview opens over the window, the export writes the
    // texts the window shows, apostrophes included.
    void printButtonExportsWhatTheWindowShows()
    {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext is not installed");
        WindowFixture f;
        QStringList record = kFound;
        record[3] = u"D'ÁVILA"_s;
        QVERIFY(writeTable(f, table({record})));
        QVERIFY(f.showAndSettle());
        search(*f.window, u"20110000123"_s);
        QVERIFY(f.window->BtnImprimir->isEnabled());

        report::testing::FakeEnvironment env;
        const QString pdf = f.workDir.filePath(u"sheet.pdf"_s);
        env.dialogs->saveAnswer = pdf;
        f.window->reportSession() = env.session();

        bool exported = false;
        QTimer driver; // polls until the modal preview stands over the window
        connect(&driver, &QTimer::timeout, this, [&] {
            auto* preview = qobject_cast<report::PreviewWindow*>(QApplication::activeModalWidget());
            if (!preview || !preview->hasBuilt() || preview->isBuilding())
                return;
            driver.stop();
            QCOMPARE(preview->windowTitle(), u"Visualizar"_s);
            preview->action(u"actionExportPdf"_s)->trigger();
            exported = QFile::exists(pdf);
            preview->reject();
        });
        driver.start(20);
        f.window->BtnImprimir->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.window->BtnImprimir, Qt::Key_Return);
        QVERIFY2(f.messages.isEmpty(), qPrintable(f.messages.value(0).text));
        QVERIFY2(exported, "the preview did not export");

        const QString text = report::testing::pdfText(pdf);
        for (const QString& shown : {u"20110000123"_s, u"000123"_s, u"D'ÁVILA"_s, u"1.234,56"_s,
                                     u"10/03/2011"_s, u"25/02/2011"_s, u"Pág: 1/1"_s})
            QVERIFY2(text.contains(shown), qPrintable(shown + u" missing from:\n"_s + text));
        QVERIFY(f.messages.isEmpty());
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
