// The sheet's expressions, the one-pass field fill and the quoted literals.
#include "report/expression.h"
#include "report/fieldfill.h"
#include "report/sheetreport.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::report;

class TestExpression : public QObject
{
    Q_OBJECT

private:
    static std::optional<QString> names(const QString& name)
    {
        if (name.compare(u"Cidade"_s, Qt::CaseInsensitive) == 0)
            return u"Valdorinha"_s;
        if (name == u"Page#"_s)
            return u"1"_s;
        return std::nullopt;
    }

private slots:
    void evaluates_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("expected");
        QTest::newRow("literal") << u"'12345'"_s << u"12345"_s;
        QTest::newRow("empty literal") << u"''"_s << QString();
        QTest::newRow("doubled apostrophe") << u"'D''Ávila'"_s << u"D'Ávila"_s;
        QTest::newRow("only apostrophes") << u"''''''"_s << u"''"_s;
        QTest::newRow("brackets in literal") << u"'[Codigo]'"_s << u"[Codigo]"_s;
        QTest::newRow("empty expression") << QString() << QString();
        QTest::newRow("blank expression") << u"   "_s << QString();
        QTest::newRow("spaces around") << u"  'a b'  "_s << u"a b"_s;
        QTest::newRow("nested parentheses") << QString(150, u'(') + u"'x'"_s + QString(150, u')') << u"x"_s;
        QTest::newRow("name") << u"Cidade"_s << u"Valdorinha"_s;
        QTest::newRow("name ignores case") << u"CIDADE"_s << u"Valdorinha"_s;
        QTest::newRow("name with #") << u"Page#"_s << u"1"_s;
        QTest::newRow("joined texts") << u"'Pág ' + Page#"_s << u"Pág 1"_s;
        QTest::newRow("number") << u"42"_s << u"42"_s;
        QTest::newRow("added numbers") << u"1 + 2"_s << u"3"_s;
        QTest::newRow("decimal") << u"1.5"_s << u"1.5"_s;
        QTest::newRow("parentheses") << u"('a' + 'b')"_s << u"ab"_s;
    }
    void evaluates()
    {
        QFETCH(QString, expression);
        QFETCH(QString, expected);
        QCOMPARE(evaluateExpression(expression, &TestExpression::names), expected);
    }

    void rejects_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("unknown name") << u"NossoNro"_s << u"nome desconhecido \"NossoNro\""_s;
        QTest::newRow("bare text") << u"abc def"_s << u"nome desconhecido \"abc\""_s;
        QTest::newRow("unterminated") << u"'abc"_s << u"apóstrofo final"_s;
        QTest::newRow("trailing text") << u"'a' 'b'"_s << u"texto inesperado"_s;
        QTest::newRow("dangling plus") << u"'a' +"_s << u"expressão incompleta"_s;
        QTest::newRow("stray character") << u"@"_s << u"caractere inesperado \"@\""_s;
        QTest::newRow("open parenthesis") << u"('a'"_s << u"falta \")\""_s;
        QTest::newRow("nesting deeper than the bound")
            << QString(100000, u'(') + u"1"_s + QString(100000, u')') << u"parênteses aninhados demais"_s;
    }
    void rejects()
    {
        QFETCH(QString, expression);
        QFETCH(QString, messagePart);
        try {
            evaluateExpression(expression, &TestExpression::names);
            QFAIL("no error");
        } catch (const ExpressionError& error) {
            QVERIFY2(error.message.contains(messagePart), qPrintable(error.message));
        }
    }

    void quotedLiteralsRoundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("literal");
        QTest::newRow("plain") << u"1.234,56"_s << u"'1.234,56'"_s;
        QTest::newRow("empty") << QString() << u"''"_s;
        QTest::newRow("one apostrophe") << u"D'Ávila"_s << u"'D''Ávila'"_s;
        QTest::newRow("two apostrophes") << u"''"_s << u"''''''"_s;
        QTest::newRow("brackets") << u"[Valor] ]["_s << u"'[Valor] ]['"_s;
        QTest::newRow("plus and spaces") << u" a + b "_s << u"' a + b '"_s;
    }
    void quotedLiteralsRoundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QString, literal);
        QCOMPARE(quoteLiteral(text), literal);
        QCOMPARE(evaluateExpression(quoteLiteral(text), &TestExpression::names), text);
    }

    void fillsFieldsInOnePass_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no field") << u"NOSSO NÚMERO:"_s << u"NOSSO NÚMERO:"_s;
        QTest::newRow("one field") << u"[x]"_s << u"<x>"_s;
        QTest::newRow("two fields") << u"[a] - [b]"_s << u"<a> - <b>"_s;
        QTest::newRow("nested brackets") << u"[a[b]c]"_s << u"<a[b]c>"_s;
        QTest::newRow("bracket inside a string") << u"['a]b']"_s << u"<'a]b'>"_s;
        QTest::newRow("unmatched open") << u"Pág [Page#"_s << u"Pág [Page#"_s;
        QTest::newRow("lone close") << u"a]b"_s << u"a]b"_s;
        QTest::newRow("value brackets stay") << u"[v]!"_s << u"<v>!"_s;
    }
    void fillsFieldsInOnePass()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(fillFields(text, [](const QString& e) -> QString { return u'<' + e + u'>'; }), expected);
    }

    void insertedValueIsNotScannedAgain()
    {
        int calls = 0;
        const QString filled = fillFields(u"[x] e [y]"_s, [&](const QString&) {
            ++calls;
            return u"[Codigo]"_s;
        });
        QCOMPARE(filled, u"[Codigo] e [Codigo]"_s);
        QCOMPARE(calls, 2);
    }
};

QTEST_APPLESS_MAIN(TestExpression)
#include "tst_expression.moc"
