// Printing through a real print server: a private cupsd (scripts/print-queue.sh) with
// the queues "Laser" (its default) and "Default", whose jobs land in files.
// Skips when the server cannot be started on this machine.
#include "fakereportdialogs.h"
#include "previewtesting.h"

#include "report/previewwindow.h"

#include "common/messagebox.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano;
using namespace tervano::report;
using namespace tervano::report::testing;

class TestPrintQueue : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_script = QStringLiteral(TERVANO_SOURCE_DIR "/scripts/print-queue.sh");
    bool m_started = false;

    QString outputOf(const QString& queue) const { return m_dir.filePath(u"out/"_s + queue); }

private slots:
    void initTestCase()
    {
        QProcess script;
        script.start(u"bash"_s, {m_script, u"start"_s, m_dir.path()});
        if (!script.waitForFinished(60000) || script.exitCode() != 0)
            QSKIP(qPrintable(u"no print server on this machine: "_s +
                             QString::fromLocal8Bit(script.readAllStandardError()).trimmed()));
        m_started = true;
        // Qt reaches the print server through libcups, which reads this once.
        qputenv("CUPS_SERVER", script.readAllStandardOutput().trimmed());
    }

    void cleanupTestCase()
    {
        if (m_started)
            QProcess::execute(u"bash"_s, {m_script, u"stop"_s, m_dir.path()});
    }

    void printsOnTheQueueNamedDefault()
    {
        QList<MessageRequest> messages;
        const auto previous = setMessageHandler([&](QWidget*, const MessageRequest& r) { messages << r; });
        FakeEnvironment env;
        ReportSession session = env.session();
        // the machine's own printer list, as in production
        const ReportServices real = ReportServices::production();
        session.services.printers = real.printers;
        QVERIFY(session.services.printers.names().contains(u"Default"_s));
        QCOMPARE(session.services.printers.defaultName(), u"Laser"_s);

        SheetReport report;
        setVariables(report, {u"7654321"_s, u"D'Ávila"_s, QString(), u"ISS"_s, u"2011"_s, u"0"_s, u"2"_s,
                              u"99,90"_s, u"01/04/2011"_s, u"02/03/2011"_s});
        PreviewWindow window(report, session);
        QVERIFY(showBuilt(window));
        env.dialogs->printAnswer = [](QPrinter&) { return true; };
        window.action(u"actionPrint"_s)->trigger();
        setMessageHandler(previous);

        QCOMPARE(messages.size(), 0);
        QCOMPARE(env.dialogs->printCalls.size(), 1);
        QCOMPARE(env.dialogs->printCalls.first().printerName, u"Default"_s);
        QCOMPARE(session.printerName, std::optional(u"Default"_s)); // kept for the run
        QVERIFY(QTest::qWaitFor([&] { return QFile::exists(outputOf(u"Default"_s)); }, 30000));
        QVERIFY(!QFile::exists(outputOf(u"Laser"_s)));
        QFile printed(outputOf(u"Default"_s));
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(5) == "%PDF-");
        if (sheetDrawsNothing())
            QSKIP("the sheet lays out nothing yet: the printed text cannot be checked");
        const QString text = pdfText(printed.fileName());
        QVERIFY2(text.contains(u"D'Ávila"_s), qPrintable(text));
        QVERIFY(text.contains(u"7654321"_s));
        QVERIFY(text.contains(u"Pág: 1/1"_s));
    }
};

QTEST_MAIN(TestPrintQueue)
#include "tst_printqueue.moc"
