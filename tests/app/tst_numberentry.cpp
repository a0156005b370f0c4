#include "app/numberentry.h"

#include <QTest>

using namespace tervano::app::numberentry;
using namespace Qt::StringLiterals;

class TestNumberEntry : public QObject
{
    Q_OBJECT
private slots:
    void keystroke_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selection");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("digit at start") << u"5"_s << u"123"_s << 0 << 0 << true;
        QTest::newRow("digit in the middle") << u"0"_s << u"123"_s << 2 << 0 << true;
        QTest::newRow("digit before a sign") << u"3"_s << u"-5"_s << 0 << 0 << true;
        QTest::newRow("minus at start") << u"-"_s << u"12"_s << 0 << 0 << true;
        QTest::newRow("minus after the first character") << u"-"_s << u"12"_s << 1 << 0 << false;
        QTest::newRow("second minus") << u"-"_s << u"-12"_s << 0 << 0 << false;
        QTest::newRow("minus over a selection") << u"-"_s << u"-12"_s << 0 << 3 << true;
        QTest::newRow("minus in front of plus") << u"-"_s << u"+12"_s << 0 << 0 << true;
        QTest::newRow("plus at start") << u"+"_s << u""_s << 0 << 0 << true;
        QTest::newRow("second plus") << u"+"_s << u"+1"_s << 0 << 0 << false;
        QTest::newRow("plus elsewhere") << u"+"_s << u"1"_s << 1 << 0 << false;
        QTest::newRow("letter") << u"a"_s << u""_s << 0 << 0 << false;
        QTest::newRow("space") << u" "_s << u"1"_s << 1 << 0 << false;
        QTest::newRow("comma") << u","_s << u"1"_s << 1 << 0 << false;
        QTest::newRow("full stop") << u"."_s << u"1"_s << 1 << 0 << false;
        QTest::newRow("accented") << u"é"_s << u""_s << 0 << 0 << false;
        QTest::newRow("non-ASCII digit") << u"٣"_s << u""_s << 0 << 0 << false;
        QTest::newRow("backspace passes") << u"\b"_s << u"1"_s << 1 << 0 << true;
        QTest::newRow("enter passes") << u"\r"_s << u""_s << 0 << 0 << true;
        QTest::newRow("ctrl+v passes") << QString(QChar(22)) << u""_s << 0 << 0 << true;
    }
    void keystroke()
    {
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(int, selection);
        QFETCH(bool, accepted);
        QCOMPARE(acceptsKeystroke(typed.front(), text, caret, selection), accepted);
    }

    void normal_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing") << u""_s << u"0"_s;
        QTest::newRow("leading zeros") << u"000123"_s << u"123"_s;
        QTest::newRow("plus sign") << u"+45"_s << u"45"_s;
        QTest::newRow("negative with zeros") << u"-0012"_s << u"-12"_s;
        QTest::newRow("minus alone") << u"-"_s << u"0"_s;
        QTest::newRow("plus alone") << u"+"_s << u"0"_s;
        QTest::newRow("minus zero") << u"-0"_s << u"0"_s;
        QTest::newRow("largest") << u"9223372036854775807"_s << u"9223372036854775807"_s;
        QTest::newRow("one past largest") << u"9223372036854775808"_s << u"0"_s;
        QTest::newRow("smallest") << u"-9223372036854775808"_s << u"-9223372036854775808"_s;
        QTest::newRow("one below smallest") << u"-9223372036854775809"_s << u"0"_s;
        QTest::newRow("twenty nines") << QString(20, u'9') << u"0"_s;
        QTest::newRow("thirty zeros then 42") << QString(30, u'0') + u"42"_s << u"42"_s;
        QTest::newRow("pasted 12ab34") << u"12ab34"_s << u"1234"_s;
        QTest::newRow("pasted abc") << u"abc"_s << u"0"_s;
        QTest::newRow("pasted x-5") << u"x-5"_s << u"5"_s;
        QTest::newRow("3 typed in front of -5") << u"3-5"_s << u"35"_s;
        QTest::newRow("minus typed in front of +12") << u"-+12"_s << u"-12"_s;
        QTest::newRow("spaces and separators") << u" 1.234,5 "_s << u"12345"_s;
        QTest::newRow("a thousand digits") << QString(1000, u'7') << u"0"_s;
    }
    void normal()
    {
        QFETCH(QString, entry);
        QFETCH(QString, shown);
        QCOMPARE(normalized(entry), shown);
    }

    void filterKeepsOnlyTheFirstSign()
    {
        QCOMPARE(filterText(u"-+12"_s), u"-12"_s);
        QCOMPARE(filterText(u"a-5"_s), u"5"_s);
        QCOMPARE(filterText(u"+"_s), u"+"_s);
    }
};

QTEST_APPLESS_MAIN(TestNumberEntry)
#include "tst_numberentry.moc"
