#include "../common/filesizelimit.h"
#include "../common/testfiles.h"
#include "app/profilefile.h"
#include "app/profiletext.h"
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

class TestProfileFile : public QObject
{
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("value"); // null: missing
        QTest::newRow("plain") << "[Path]\r\nArrec=C:\\dados\\arrec.dbf\r\n"_ba << u"C:\\dados\\arrec.dbf"_s;
        QTest::newRow("case of section and key") << "[path]\r\nARREC=x\r\n"_ba << u"x"_s;
        QTest::newRow("blanks around") << "  [ Path ]  \r\n  Arrec  =  x y  \r\n"_ba << u"x y"_s;
        QTest::newRow("double quotes") << "[Path]\r\nArrec=\"a b\"\r\n"_ba << u"a b"_s;
        QTest::newRow("single quotes") << "[Path]\r\nArrec='a b'\r\n"_ba << u"a b"_s;
        QTest::newRow("unpaired quotes kept") << "[Path]\r\nArrec=\"a b'\r\n"_ba << u"\"a b'"_s;
        QTest::newRow("empty value is present") << "[Path]\r\nArrec=\r\n"_ba << u""_s;
        QTest::newRow("first key wins") << "[Path]\r\nArrec=1\r\nArrec=2\r\n"_ba << u"1"_s;
        QTest::newRow("key in another section") << "[Other]\r\nArrec=1\r\n[Path]\r\nX=2\r\n"_ba << QString();
        QTest::newRow("no section") << "Arrec=1\r\n"_ba << QString();
        QTest::newRow("comment line") << "[Path]\r\n;Arrec=1\r\n"_ba << QString();
        QTest::newRow("LF only") << "[Path]\nArrec=lf\n"_ba << u"lf"_s;
        QTest::newRow("no final newline") << "[Path]\r\nArrec=end"_ba << u"end"_s;
        QTest::newRow("UTF-8 BOM") << "\xEF\xBB\xBF[Path]\r\nArrec=bom\r\n"_ba << u"bom"_s;
        QTest::newRow("UTF-8 text") << "[Path]\r\nArrec=/home/joão/arrec.dbf\r\n"_ba << u"/home/joão/arrec.dbf"_s;
        QTest::newRow("8-bit text") << "[Path]\r\nArrec=/home/jo\xE3o\r\n"_ba << u"/home/joão"_s;
        QTest::newRow("empty file") << QByteArray() << QString();
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, value);
        const auto read = profiletext::value(content, u"Path"_s, u"Arrec"_s);
        QCOMPARE(read.has_value(), !value.isNull());
        if (read)
            QCOMPARE(*read, value);
    }

    void valueIsCutAt2047()
    {
        const QByteArray content = "[Path]\r\nArrec=" + QByteArray(1024 * 1024, 'x') + "\r\n";
        QCOMPARE(profiletext::value(content, u"Path"_s, u"Arrec"_s)->size(), 2047);
        const QByteArray quoted = "[Path]\r\nArrec=\"" + QByteArray(3000, 'y') + "\"\r\n";
        QCOMPARE(*profiletext::value(quoted, u"Path"_s, u"Arrec"_s), QString(2047, u'y'));
    }

    void keys()
    {
        const QByteArray content = "; top\r\n[A]\r\nOne=1\r\n[Path]\r\nfirst=1\r\n; note\r\nARREC = 2\r\n\r\n[B]\r\nz=3\r\n"_ba;
        QCOMPARE(profiletext::keys(content, u"path"_s), (QStringList{u"first"_s, u"ARREC"_s}));
        QVERIFY(profiletext::keys(content, u"Missing"_s).isEmpty());
    }

    void write_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file") << QByteArray() << "[Path]\r\nArrec=v\r\n"_ba;
        QTest::newRow("other sections kept, section appended")
            << "; mine\r\n[Outra]\r\nchave = 1 \r\n"_ba << "; mine\r\n[Outra]\r\nchave = 1 \r\n[Path]\r\nArrec=v\r\n"_ba;
        QTest::newRow("section without the key")
            << "[Path]\r\nOther=1\r\n\r\n[Next]\r\nk=2\r\n"_ba << "[Path]\r\nOther=1\r\nArrec=v\r\n\r\n[Next]\r\nk=2\r\n"_ba;
        QTest::newRow("section of other case")
            << "[PATH]\r\n"_ba << "[PATH]\r\nArrec=v\r\n"_ba;
        QTest::newRow("no final newline") << "[X]\r\na=1"_ba << "[X]\r\na=1\r\n[Path]\r\nArrec=v\r\n"_ba;
        QTest::newRow("section at the end without newline") << "[Path]\r\nk=1"_ba << "[Path]\r\nk=1\r\nArrec=v\r\n"_ba;
        QTest::newRow("last line ends in CR alone") << "[Path]\r\nk=1\r"_ba
                                                    << "[Path]\r\nk=1\r\r\nArrec=v\r\n"_ba;
        QTest::newRow("LF-only lines kept") << "[X]\na=1\n"_ba << "[X]\na=1\n[Path]\r\nArrec=v\r\n"_ba;
        QTest::newRow("BOM kept") << "\xEF\xBB\xBF[Path]\r\n"_ba << "\xEF\xBB\xBF[Path]\r\nArrec=v\r\n"_ba;
        QTest::newRow("existing key replaced in place")
            << "[Path]\r\n  arrec = old ; x\r\nz=1\r\n"_ba << "[Path]\r\nArrec=v\r\nz=1\r\n"_ba;
        QTest::newRow("text cut inside a UTF-8 sequence is 8-bit text")
            << "[\xEF\xBB\xBFpath]\n0\xCD"_ba << "[\xEF\xBB\xBFpath]\n0\xCD\r\n[Path]\r\nArrec=v\r\n"_ba;
        QTest::newRow("binary garbage kept")
            << QByteArray("\x00\xFF\x01[\r\x80=", 8) << QByteArray("\x00\xFF\x01[\r\x80=", 8) + "\r\n[Path]\r\nArrec=v\r\n";
    }
    void write()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        const QByteArray written = profiletext::withValue(before, u"Path"_s, u"Arrec"_s, u"v"_s);
        QCOMPARE(written, after);
        QCOMPARE(*profiletext::value(written, u"Path"_s, u"Arrec"_s), u"v"_s);
    }

    void writeKeepsEightBitText()
    {
        const QByteArray before = "[X]\r\nnome=Jo\xE3o\r\n"_ba;
        const QByteArray written = profiletext::withValue(before, u"Path"_s, u"Arrec"_s, u"ação"_s);
        QCOMPARE(written, before + "[Path]\r\nArrec=a\xE7\xE3o\r\n"_ba);
    }

    void fileRoundTrip()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"tervano.ini"_s);
        ProfileFile file(path);
        QVERIFY(file.sectionKeys(u"Path"_s).isEmpty());
        QCOMPARE(file.readString(u"Path"_s, u"Arrec"_s, u"default"_s), u"default"_s);
        file.writeString(u"Path"_s, u"Arrec"_s, u"/a/arrec.dbf"_s);
        QCOMPARE(readAll(path), "[Path]\r\nArrec=/a/arrec.dbf\r\n"_ba);
        QCOMPARE(file.readString(u"path"_s, u"arrec"_s, QString()), u"/a/arrec.dbf"_s);
        // Written beside and renamed into place: nothing else is left in the folder.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"tervano.ini"_s});
    }

    void megabyteLineSurvivesAWrite()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"tervano.ini"_s);
        const QByteArray before = "[Big]\r\nk=" + QByteArray(1024 * 1024, 'z') + "\n[Path]\nOther=1";
        QVERIFY(writeAll(path, before));
        ProfileFile(path).writeString(u"Path"_s, u"Arrec"_s, u"v"_s);
        QCOMPARE(readAll(path), before + "\r\nArrec=v\r\n");
    }

    void unwritableFolderFails()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"missing-folder/tervano.ini"_s);
        try {
            ProfileFile(path).writeString(u"Path"_s, u"Arrec"_s, u"v"_s);
            QFAIL("the write should have failed");
        } catch (const Failure& failure) {
            QCOMPARE(failure.message(), u"Unable to write to "_s + path);
        }
    }

    void folderInPlaceOfTheFileFails()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"tervano.ini"_s));
        QVERIFY_THROWS_EXCEPTION(Failure, ProfileFile(dir.filePath(u"tervano.ini"_s))
                                              .writeString(u"Path"_s, u"Arrec"_s, u"v"_s));
    }

    void failedWriteLeavesTheOldFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"tervano.ini"_s);
        const QByteArray before = "[Path]\r\nArrec=/old/arrec.dbf\r\n; " + QByteArray(200, 'c') + "\r\n";
        QVERIFY(writeAll(path, before));
        {
            FileSizeLimit limit(64); // the new content is longer: its write stops part-way
            QVERIFY(limit.ok());
            try {
                ProfileFile(path).writeString(u"Path"_s, u"Arrec"_s, u"/new/arrec.dbf"_s);
                QFAIL("the write should have failed");
            } catch (const Failure& failure) {
                QCOMPARE(failure.message(), u"Unable to write to "_s + path);
            }
        }
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"tervano.ini"_s});
    }

    void readOnlyFileFailsAndStaysAsItWas()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"tervano.ini"_s);
        QVERIFY(writeAll(path, "[X]\r\n"_ba));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (QFileInfo(path).isWritable())
            QSKIP("running with rights that ignore file permissions");
        QVERIFY_THROWS_EXCEPTION(Failure, ProfileFile(path).writeString(u"Path"_s, u"Arrec"_s, u"v"_s));
        QCOMPARE(readAll(path), "[X]\r\n"_ba);
    }
};

QTEST_APPLESS_MAIN(TestProfileFile)
#include "tst_profilefile.moc"
