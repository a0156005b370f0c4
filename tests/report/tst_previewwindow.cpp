// The preview window driven through its actions, with every dialog answered by a double.
#include "fakereportdialogs.h"
#include "previewtesting.h"

#include "report/previewwindow.h"
#include "report/showreport.h"

#include "common/messagebox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace Qt::StringLiterals;
using namespace tervano;
using namespace tervano::report;
using namespace tervano::report::testing;

namespace {
const QStringList kSample = {u"1234567"_s,     u"12345"_s,   u"0001"_s,       u"IPTU"_s,       u"2011"_s,
                             u"1"_s,           u"3"_s,       u"1.234,56"_s,   u"10/03/2011"_s, u"25/02/2011"_s};
}

class TestPreviewWindow : public QObject
{
    Q_OBJECT

    QList<MessageRequest> m_messages;
    MessageHandler m_previous;

private slots:
    void init()
    {
        m_messages.clear();
        m_previous = setMessageHandler([this](QWidget*, const MessageRequest& r) { m_messages << r; });
    }
    void cleanup() { setMessageHandler(m_previous); }

    void offersExactlyItsTools()
    {
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QCOMPARE(window.windowTitle(), u"Visualizar"_s);
        auto* bar = window.findChild<QToolBar*>(u"toolBar"_s);
        QVERIFY(bar);
        QCOMPARE(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QStringList tools;
        for (QAction* a : bar->actions()) {
            if (a->isSeparator())
                continue;
            if (auto* w = bar->widgetForAction(a); qobject_cast<QComboBox*>(w)) {
                tools << w->objectName();
                continue;
            }
            tools << a->objectName();
            QVERIFY2(!a->toolTip().isEmpty(), qPrintable(a->objectName()));
        }
        QCOMPARE(tools, (QStringList{u"actionPrint"_s, u"actionExportPdf"_s, u"actionZoomIn"_s, u"zoomBox"_s,
                                     u"actionZoomOut"_s, u"actionFullScreen"_s, u"actionPageSetup"_s,
                                     u"actionClose"_s}));
        QCOMPARE(window.action(u"actionPrint"_s)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(window.zoom(), 1.0);
        QCOMPARE(window.zoomBox()->currentText(), u"100%"_s);
    }

    void buildsInsideItsLoopThenShowsPageOneOfOne()
    {
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QCOMPARE(window.closeText(), u"Fechar"_s);
        window.show();
        QCoreApplication::processEvents(); // the build's first step: the window is up
        QCOMPARE(window.closeText(), u"Cancelar"_s);
        QVERIFY(window.isBuilding());
        QTRY_VERIFY(window.hasBuilt());
        QCOMPARE(window.closeText(), u"Fechar"_s);
        QCOMPARE(window.statusText(), u"Página 1 de 1"_s);
        QCOMPARE(window.prepared().pages.size(), size_t(1));
        QVERIFY(m_messages.isEmpty());
        QVERIFY(window.isVisible());
        window.action(u"actionClose"_s)->trigger();
        QVERIFY(!window.isVisible());
    }

    void cancelStopsTheBuildAndKeepsTheWindow_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("close button") << false;
        QTest::newRow("Esc") << true;
    }
    void cancelStopsTheBuildAndKeepsTheWindow()
    {
        QFETCH(bool, byEsc);
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        window.show();
        QCoreApplication::processEvents();
        QVERIFY(window.isBuilding());
        if (byEsc)
            QTest::keyClick(&window, Qt::Key_Escape);
        else
            window.action(u"actionClose"_s)->trigger();
        QVERIFY(window.isVisible()); // stopping the build does not close
        QTRY_VERIFY(!window.isBuilding());
        QVERIFY(!window.hasBuilt());
        QCOMPARE(window.closeText(), u"Fechar"_s);
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
    }

    void zoomToolsAndList()
    {
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        window.resize(1000, 800);
        QVERIFY(showBuilt(window));
        QAction* in = window.action(u"actionZoomIn"_s);
        QAction* out = window.action(u"actionZoomOut"_s);
        in->trigger();
        QCOMPARE(window.zoom(), 1.25);
        for (int i = 0; i < 10; ++i)
            out->trigger();
        QCOMPARE(window.zoom(), 0.25);
        QCOMPARE(window.zoomBox()->currentText(), u"25%"_s);
        QComboBox* box = window.zoomBox();
        box->setCurrentIndex(box->findText(u"200%"_s));
        emit box->activated(box->currentIndex());
        QCOMPARE(window.zoom(), 2.0);
        box->setCurrentIndex(box->findText(u"Largura da página"_s));
        emit box->activated(box->currentIndex());
        const double widthZoom = window.zoom();
        QVERIFY(widthZoom > 0.25 && widthZoom < 2.0);
        box->setCurrentIndex(box->findText(u"Página inteira"_s));
        emit box->activated(box->currentIndex());
        QVERIFY(window.zoom() < widthZoom); // 800 px high shows less than the width allows
        in->trigger(); // from a fitted zoom, the next 25 % step
        QCOMPARE(std::fmod(window.zoom(), 0.25), 0.0);
    }

    void fullScreenHidesToolbarAndStatusLine()
    {
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        auto* bar = window.findChild<QToolBar*>(u"toolBar"_s);
        window.action(u"actionFullScreen"_s)->trigger();
        QVERIFY(!bar->isVisible());
        QTest::keyClick(&window, Qt::Key_Escape); // Esc leaves full screen first
        QVERIFY(window.isVisible());
        QVERIFY(bar->isVisible());
    }

    void showReportIsModalMaximisedAndReturnsOnClose()
    {
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* window = qobject_cast<PreviewWindow*>(QApplication::activeModalWidget());
            QVERIFY(window);
            seen = true;
            QCOMPARE(window->windowTitle(), u"Visualizar"_s);
            QCOMPARE(window->windowModality(), Qt::ApplicationModal);
            QVERIFY(window->windowState() & Qt::WindowMaximized);
            QVERIFY(QTest::qWaitFor([&] { return window->hasBuilt(); }));
            window->action(u"actionClose"_s)->trigger();
        });
        showReport(nullptr, report, session);
        QVERIFY(seen);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // ---- print ----

    void noPrinterIsTold()
    {
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        window.action(u"actionPrint"_s)->trigger();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().caption, u"Erro"_s);
        QCOMPARE(m_messages.first().text, u"Nenhuma impressora instalada no sistema"_s);
        QVERIFY(env.dialogs->printCalls.isEmpty());
        QVERIFY(window.isVisible()); // the preview stays
    }

    void printDialogStartsFromOneCollatedCopyOfAllPages()
    {
        FakeEnvironment env;
        env.printers = {u"Laser"_s};
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        env.dialogs->printAnswer = [](QPrinter& printer) {
            printer.setCopyCount(3); // the dialog's changes never outlive the job
            return false;
        };
        window.action(u"actionPrint"_s)->trigger();
        window.action(u"actionPrint"_s)->trigger();
        QCOMPARE(env.dialogs->printCalls.size(), 2);
        for (const PrintDialogCall& call : env.dialogs->printCalls) {
            QCOMPARE(call.copies, 1);
            QVERIFY(call.collate);
            QCOMPARE(call.range, QPrinter::AllPages);
            QCOMPARE(call.pageCount, 1);
        }
        // Cancel printed nothing and chose no printer for the run
        QVERIFY(env.dialogs->progressTexts.isEmpty());
        QVERIFY(!session.printerName);
        QVERIFY(m_messages.isEmpty());
    }

    void printToFileDrawsThePage()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(u"impresso.pdf"_s);
        FakeEnvironment env;
        env.printers = {u"Laser"_s};
        ReportSession session = env.session();
        SheetReport report;
        setVariables(report, kSample);
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        env.dialogs->printAnswer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return true;
        };
        window.action(u"actionPrint"_s)->trigger();
        QVERIFY(m_messages.isEmpty());
        QCOMPARE(env.dialogs->progressTexts, QStringList{u"Imprimindo página 1"_s});
        QVERIFY(QFile::exists(out));
        if (sheetDrawsNothing())
            QSKIP("the sheet lays out nothing yet: the printed text cannot be checked");
        const QString text = pdfText(out);
        for (const QString& value : kSample)
            QVERIFY2(text.contains(value), qPrintable(value));
        QVERIFY(text.contains(u"Pág: 1/1"_s));
    }

    void cancelInTheProgressWindowStopsPrinting()
    {
        QTemporaryDir dir;
        FakeEnvironment env;
        env.printers = {u"Laser"_s};
        env.dialogs->cancelProgressAfter = 0;
        env.dialogs->printAnswer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath(u"x.pdf"_s));
            return true;
        };
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        window.action(u"actionPrint"_s)->trigger();
        QCOMPARE(env.dialogs->progressTexts.size(), 1);
        QVERIFY(m_messages.isEmpty());
    }

    void apostrophesAndEmptyTextsPrintExactly()
    {
        if (sheetDrawsNothing())
            QSKIP("the sheet lays out nothing yet");
        QTemporaryDir dir;
        const QString out = dir.filePath(u"impresso.pdf"_s);
        FakeEnvironment env;
        env.printers = {u"Laser"_s};
        env.dialogs->printAnswer = [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return true;
        };
        ReportSession session = env.session();
        SheetReport report;
        QStringList texts = kSample;
        texts[1] = u"D'Ávila ''dupla''"_s;
        texts[3] = QString();
        texts[4] = u"[Ano]"_s;
        setVariables(report, texts);
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        QVERIFY(m_messages.isEmpty());
        window.action(u"actionPrint"_s)->trigger();
        const QString text = pdfText(out);
        QVERIFY2(text.contains(u"D'Ávila ''dupla''"_s), qPrintable(text));
        QVERIFY(text.contains(u"[Ano]"_s));
        // the empty value's row shows its label only
        const auto lines = text.split(u'\n');
        const auto row = std::find_if(lines.begin(), lines.end(), [](const QString& l) { return l.contains(u"Tributo:"_s) && !l.contains(u"Sub"_s); });
        QVERIFY(row != lines.end());
        QCOMPARE(row->trimmed(), u"Tributo:"_s);
    }

    void twoPressesGiveTheSameSheetButForDateAndTime()
    {
        if (sheetDrawsNothing())
            QSKIP("the sheet lays out nothing yet");
        FakeEnvironment env;
        SheetReport report;
        setVariables(report, kSample);
        QStringList sheets[2];
        for (int press = 0; press < 2; ++press) {
            env.clock = env.clock.addSecs(press * 3725);
            ReportSession session = env.session();
            PreviewWindow window(report, session);
            QVERIFY(showBuilt(window));
            for (const PageText& t : window.prepared().pages.front().texts)
                sheets[press] << t.text;
        }
        QCOMPARE(sheets[0].size(), sheets[1].size());
        QStringList differing;
        for (int i = 0; i < sheets[0].size(); ++i)
            if (sheets[0][i] != sheets[1][i])
                differing << sheets[1][i];
        QCOMPARE(differing.size(), 1);
        QVERIFY2(differing.first().contains(u"18:00:08"_s), qPrintable(differing.first())); // 16:58:03 + 1 h 2 min 5 s
    }

    // ---- export ----

    void exportAsksOptionsThenFileAndKeepsChoices()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"boleto.pdf"_s);
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        setVariables(report, kSample);
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        env.dialogs->saveAnswer = path;
        env.dialogs->exportEdit = [](PdfExportChoices& c) { c.options.embeddedFonts = true; };
        window.action(u"actionExportPdf"_s)->trigger();

        QCOMPARE(env.dialogs->exportCalls.size(), 1);
        const PdfExportChoices first = env.dialogs->exportCalls.first();
        QCOMPARE(first.pageChoice, PageChoice::All);
        QVERIFY(first.options.compressed);
        QVERIFY(!first.options.embeddedFonts);
        QVERIFY(!first.options.printOptimized);
        QVERIFY(!first.options.outline);
        QVERIFY(!first.options.background);
        QVERIFY(!first.options.openAfterExport);
        QCOMPARE(env.dialogs->proposedNames, QStringList{u".pdf"_s});
        QCOMPARE(env.dialogs->progressTexts, QStringList{u"Exportando página 1"_s});

        if (sheetDrawsNothing()) {
            // the placeholder writer always fails
            QCOMPARE(m_messages.size(), 1);
            QCOMPARE(m_messages.first().text, u"Cannot create file "_s + path);
            QSKIP("the PDF writer is still the placeholder");
        }
        QVERIFY(m_messages.isEmpty());
        QVERIFY(QFile::exists(path));
        const QString text = pdfText(path);
        for (const QString& value : kSample)
            QVERIFY2(text.contains(value), qPrintable(value));
        QVERIFY(text.contains(u"Pág: 1/1"_s));
        QVERIFY(env.openedFiles.isEmpty());

        // the next export starts from the choices made and proposes the file just written
        env.dialogs->exportEdit = [](PdfExportChoices& c) { c.options.openAfterExport = true; };
        window.action(u"actionExportPdf"_s)->trigger();
        QVERIFY(env.dialogs->exportCalls.last().options.embeddedFonts);
        QCOMPARE(env.dialogs->proposedNames.last(), path);
        QCOMPARE(env.openedFiles, QStringList{path});
    }

    void exportToAnUnwritableFolderIsToldAndWritesNothing()
    {
        QTemporaryDir dir;
        // a folder that is a plain file: no one can create anything inside it
        const QString blocker = dir.filePath(u"arquivo"_s);
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString path = blocker + u"/boleto.pdf"_s;
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        env.dialogs->saveAnswer = path;
        window.action(u"actionExportPdf"_s)->trigger();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().caption, u"Erro"_s);
        QCOMPARE(m_messages.first().text, u"Cannot create file "_s + path);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{u"arquivo"_s});
        QVERIFY(session.lastPdfFile.isEmpty()); // nothing was written to propose next time
        QVERIFY(window.isVisible());
    }

    void cancelInEitherDialogWritesNothing_data()
    {
        QTest::addColumn<bool>("cancelOptions");
        QTest::newRow("export dialog") << true;
        QTest::newRow("save dialog") << false;
    }
    void cancelInEitherDialogWritesNothing()
    {
        QFETCH(bool, cancelOptions);
        QTemporaryDir dir;
        FakeEnvironment env;
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        env.dialogs->exportAccepted = !cancelOptions;
        env.dialogs->exportEdit = [](PdfExportChoices& c) { c.options.background = true; };
        env.dialogs->saveAnswer = std::nullopt;
        window.action(u"actionExportPdf"_s)->trigger();
        QCOMPARE(env.dialogs->proposedNames.size(), cancelOptions ? 0 : 1);
        QVERIFY(env.dialogs->progressTexts.isEmpty());
        QVERIFY(m_messages.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(session.lastPdfFile.isEmpty());
        // choices cancelled in the export dialog are not kept
        QCOMPARE(session.pdfChoices.options.background, !cancelOptions);
    }

    // ---- page settings ----

    void pageSettingsForTheBuiltPageOnly()
    {
        QTemporaryDir dir;
        const QString ini = dir.filePath(u"report-engine.ini"_s);
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Form.TfrxDesignerForm]\nUnits=1\n");
        file.close();
        FakeEnvironment env;
        ReportSession session = env.session(ini);
        SheetReport report;
        const PageSetup stored = report.pageSetup();
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        const int reads = env.clockReads;
        PageSetupChoice choice{stored, false};
        choice.setup.leftMm = 30;
        env.dialogs->pageSetupAnswer = choice;
        window.action(u"actionPageSetup"_s)->trigger();
        QCOMPARE(env.dialogs->pageSetupUnits, QList<MeasureUnit>{MeasureUnit::Inches});
        QCOMPARE(window.prepared().pages.front().setup.leftMm, 30.0);
        QCOMPARE(env.clockReads, reads); // no rebuild
        QCOMPARE(report.pageSetup().leftMm, stored.leftMm);
        QVERIFY(!session.allPagesSetup);
    }

    void pageSettingsForAllPagesLastTheRun()
    {
        FakeEnvironment env;
        PageSetup changed;
        {
            ReportSession session = env.session();
            SheetReport report;
            PreviewWindow window(report, session);
            QVERIFY(showBuilt(window));
            QCOMPARE(env.dialogs->pageSetupUnits.size(), 0);
            changed = report.pageSetup();
            changed.leftMm = 25;
            changed.topMm = 20;
            env.dialogs->pageSetupAnswer = PageSetupChoice{changed, true};
            const int reads = env.clockReads;
            window.action(u"actionPageSetup"_s)->trigger();
            QCOMPARE(env.dialogs->pageSetupUnits, QList<MeasureUnit>{MeasureUnit::Centimetres});
            QTRY_VERIFY(!window.isBuilding());
            QCOMPARE(env.clockReads, reads + 1); // rebuilt
            QCOMPARE(window.prepared().pages.front().setup.leftMm, 25.0);
            window.close();

            // the next sheet of the run keeps them
            PreviewWindow next(report, session);
            QVERIFY(showBuilt(next));
            QCOMPARE(next.prepared().pages.front().setup.leftMm, 25.0);
            QCOMPARE(next.prepared().pages.front().setup.topMm, 20.0);
            if (!sheetDrawsNothing()) {
                // the page's contents moved with the margins
                QVERIFY(!next.prepared().pages.front().texts.empty());
            }
        }
        if (sheetDrawsNothing())
            QSKIP("the placeholder sheet keeps its page for the whole process");
        // a fresh start: the stored settings are back
        ReportSession session = env.session();
        SheetReport report;
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        QCOMPARE(window.prepared().pages.front().setup.leftMm, 15.0);
        QCOMPARE(window.prepared().pages.front().setup.topMm, 10.0);
    }
};

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
