#include "../common/testfiles.h"
#include "app/startupcheck.h"
#include "common/failure.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tervano;
using namespace tervano::app;
using namespace Qt::StringLiterals;

using tervano::testing::readAll;
using tervano::testing::writeAll;

class TestStartupCheck : public QObject
{
    Q_OBJECT

    QTemporaryDir m_exe;
    QTemporaryDir m_cwd;
    StartupFolders folders() const { return {m_exe.path(), m_cwd.path()}; }
    QString ini() const { return m_exe.filePath(u"tervano.ini"_s); }
    QString table() const { return m_exe.filePath(u"arrec.dbf"_s); }

private slots:
    void init()
    {
        for (const QTemporaryDir* d : {&m_exe, &m_cwd})
            for (const QFileInfo& e : QDir(d->path()).entryInfoList(QDir::NoDotAndDotDot | QDir::AllEntries))
                e.isDir() ? void(QDir(e.filePath()).removeRecursively()) : void(QFile::remove(e.filePath()));
    }

    void firstRunWithTable()
    {
        QVERIFY(writeAll(table(), "x"));
        const DataFileCheck check = checkDataFile(folders());
        QVERIFY(check.found);
        QCOMPARE(check.dataPath, table());
        QCOMPARE(readAll(ini()), "[Path]\r\nArrec="_ba + table().toUtf8() + "\r\n");
    }

    void firstRunWithoutTableThenLaterRuns()
    {
        DataFileCheck check = checkDataFile(folders());
        QVERIFY(!check.found);
        QCOMPARE(check.dataPath, table());
        const QByteArray written = readAll(ini());
        QVERIFY(!written.isEmpty());
        check = checkDataFile(folders());
        QVERIFY(!check.found);
        QCOMPARE(readAll(ini()), written);
    }

    void otherSectionsKept()
    {
        const QByteArray mine = "; config\r\n[Impressora]\r\nNome = HP\r\n\r\n[Path]\r\nOutro=1\r\n"_ba;
        QVERIFY(writeAll(ini(), mine));
        QVERIFY(writeAll(table(), "x"));
        QVERIFY(checkDataFile(folders()).found);
        QCOMPARE(readAll(ini()),
                 "; config\r\n[Impressora]\r\nNome = HP\r\n\r\n[Path]\r\nOutro=1\r\nArrec="_ba + table().toUtf8() + "\r\n");
    }

    void otherLetterCaseFoundAndNothingWritten()
    {
        const QString elsewhere = m_cwd.filePath(u"tabela.dbf"_s);
        QVERIFY(writeAll(elsewhere, "x"));
        const QByteArray mine = "[path]\nARREC=" + elsewhere.toUtf8();
        QVERIFY(writeAll(ini(), mine));
        const DataFileCheck check = checkDataFile(folders());
        QVERIFY(check.found);
        QCOMPARE(check.dataPath, elsewhere);
        QCOMPARE(readAll(ini()), mine);
    }

    void emptyValue()
    {
        QVERIFY(writeAll(ini(), "[Path]\r\nArrec=\r\n"_ba));
        QVERIFY(writeAll(table(), "x"));
        const DataFileCheck check = checkDataFile(folders());
        QVERIFY(!check.found);
        QCOMPARE(check.dataPath, QString());
        QCOMPARE(readAll(ini()), "[Path]\r\nArrec=\r\n"_ba);
        QCOMPARE(missingDataFileMessage(check.dataPath),
                 u"Não foi encontrado o arquivo ''.\r\rLocalize o arquivo 'arrec.dbf' e adicione em 'tervano.ini'"_s);
    }

    void entryNamingAFolderCountsAsMissing()
    {
        QVERIFY(QDir(m_exe.path()).mkdir(u"pasta"_s));
        QVERIFY(writeAll(ini(), "[Path]\r\nArrec="_ba + m_exe.filePath(u"pasta"_s).toUtf8() + "\r\n"));
        QVERIFY(!checkDataFile(folders()).found);
    }

    void entryToMissingFileNeverRewritten()
    {
        const QByteArray mine = "[Path]\r\nArrec=/nao/existe.dbf\r\n"_ba;
        QVERIFY(writeAll(ini(), mine));
        QVERIFY(writeAll(table(), "x"));
        const DataFileCheck check = checkDataFile(folders());
        QVERIFY(!check.found);
        QCOMPARE(check.dataPath, u"/nao/existe.dbf"_s);
        QCOMPARE(readAll(ini()), mine);
    }

    void apostropheDoubledInTheMessage()
    {
        QCOMPARE(quotedPath(u"/d/O'Brien/arrec.dbf"_s), u"'/d/O''Brien/arrec.dbf'"_s);
        QCOMPARE(missingDataFileMessage(u"/d/O'Brien/arrec.dbf"_s),
                 u"Não foi encontrado o arquivo '/d/O''Brien/arrec.dbf'.\r\r"
                 u"Localize o arquivo 'arrec.dbf' e adicione em 'tervano.ini'"_s);
    }

    void relativePathFromTheWorkingDirectory()
    {
        QVERIFY(writeAll(ini(), "[Path]\r\nArrec=dados/arrec.dbf\r\n"_ba));
        QVERIFY(QDir(m_exe.path()).mkpath(u"dados"_s));
        writeAll(m_exe.filePath(u"dados/arrec.dbf"_s), "x"); // beside the executable: not looked at
        QVERIFY(!checkDataFile(folders()).found);
        QVERIFY(QDir(m_cwd.path()).mkpath(u"dados"_s));
        QVERIFY(writeAll(m_cwd.filePath(u"dados/arrec.dbf"_s), "x"));
        const DataFileCheck check = checkDataFile(folders());
        QVERIFY(check.found);
        QCOMPARE(check.dataPath, u"dados/arrec.dbf"_s);
    }

    void unwritableFolder()
    {
        const StartupFolders gone{m_exe.filePath(u"gone"_s), m_cwd.path()};
        try {
            checkDataFile(gone);
            QFAIL("the default entry cannot have been written");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), u"Unable to write to "_s + configurationPath(gone));
        }
    }

    void fileExistence()
    {
        QVERIFY(writeAll(m_cwd.filePath(u"a.dbf"_s), "x"));
        QVERIFY(dataFileExists(u"a.dbf"_s, m_cwd.path()));
        QVERIFY(dataFileExists(m_cwd.filePath(u"a.dbf"_s), u"/"_s));
        QVERIFY(!dataFileExists(QString(), m_cwd.path()));
        QVERIFY(!dataFileExists(u"."_s, m_cwd.path()));
    }
};

QTEST_GUILESS_MAIN(TestStartupCheck)
#include "tst_startupcheck.moc"
