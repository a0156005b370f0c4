#include "app/apptitle.h"
#include "app/centring.h"
#include "app/errortext.h"

#include <QTest>

using namespace tervano::app;
using namespace Qt::StringLiterals;

class TestAppRules : public QObject
{
    Q_OBJECT
private slots:
    void title_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title");
        QTest::newRow("upper case with extension") << u"C:\\Apps\\REPORTER.EXE"_s << u"Reporter"_s;
        QTest::newRow("lower case stays lower") << u"/opt/lookup.exe"_s << u"lookup"_s;
        QTest::newRow("cut at the first dot") << u"/opt/Look.Up.exe"_s << u"Look"_s;
        QTest::newRow("no extension") << u"/usr/bin/tervano"_s << u"tervano"_s;
        QTest::newRow("mixed case after first") << u"TeRvAnO"_s << u"Tervano"_s;
        QTest::newRow("accented") << u"/x/ÁRVORE.exe"_s << u"Árvore"_s;
        QTest::newRow("name starting with a dot") << u"/x/.hidden"_s << QString();
    }
    void title()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QCOMPARE(applicationTitle(path), title);
    }

    void errorText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << u"Unable to write to /x/tervano.ini"_s << u"Unable to write to /x/tervano.ini."_s;
        QTest::newRow("accented letter") << u"Não há"_s << u"Não há."_s;
        QTest::newRow("digit") << u"Erro 42"_s << u"Erro 42."_s;
        QTest::newRow("slash") << u"a/"_s << u"a/."_s;
        QTest::newRow("colon") << u"Campo:"_s << u"Campo:."_s;
        QTest::newRow("question mark") << u"Por quê?"_s << u"Por quê?."_s;
        QTest::newRow("closing parenthesis") << u"(x)"_s << u"(x)"_s;
        QTest::newRow("full stop") << u"Fim."_s << u"Fim."_s;
        QTest::newRow("hyphen") << u"a-"_s << u"a-"_s;
        QTest::newRow("comma") << u"a,"_s << u"a,"_s;
        QTest::newRow("space") << u"a "_s << u"a "_s;
        QTest::newRow("exclamation mark") << u"Pare!"_s << u"Pare!"_s;
        QTest::newRow("line feed") << u"a\n"_s << u"a\n"_s;
        QTest::newRow("empty stays empty") << QString() << QString();
    }
    void errorText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void centring_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("centred") << QSize(1024, 768) << QSize(346, 472) << QPoint(339, 148);
        QTest::newRow("odd difference truncates") << QSize(1025, 769) << QSize(346, 472) << QPoint(339, 148);
        QTest::newRow("screen smaller than window") << QSize(300, 400) << QSize(346, 472) << QPoint(0, 0);
        QTest::newRow("narrow only") << QSize(300, 900) << QSize(346, 472) << QPoint(0, 214);
    }
    void centring()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(centredPosition(screen, window), topLeft);
    }

    void scale()
    {
        QCOMPARE(layoutScale(13, 13), 1.0);
        QCOMPARE(layoutScale(26, 13), 2.0);
        QCOMPARE(layoutScale(0, 13), 1.0); // a face that cannot be measured keeps the design size
    }
};

QTEST_APPLESS_MAIN(TestAppRules)
#include "tst_apprules.moc"
