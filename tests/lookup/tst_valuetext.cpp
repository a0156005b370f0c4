#include "common/failure.h"
#include "lookup/valuetext.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

Q_DECLARE_METATYPE(tervano::lookup::FieldValue)

class TestValueText : public QObject
{
    Q_OBJECT

private slots:
    void amount_data();
    void amount();
    void general_data();
    void general();
    void valueToText_data();
    void valueToText();
    void blankAndBadConversions();
    void valueToNumber_data();
    void valueToNumber();
};

void TestValueText::amount_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QString br = u"pt_BR"_s, us = u"en_US"_s;
    QTest::newRow("zero") << br << 0.0 << u"0,00"_s;
    QTest::newRow("half") << br << 0.5 << u"0,50"_s;
    QTest::newRow("rounds down") << br << 12.3456 << u"12,35"_s;
    QTest::newRow("half away from zero") << br << 0.125 << u"0,13"_s;
    QTest::newRow("negative half away") << br << -0.125 << u"-0,13"_s;
    QTest::newRow("negative rounding to zero has no sign") << br << -0.004 << u"0,00"_s;
    QTest::newRow("negative zero") << br << -0.0 << u"0,00"_s;
    QTest::newRow("negative whole") << br << -5.0 << u"-5,00"_s;
    QTest::newRow("thousands") << br << 1000.0 << u"1.000,00"_s;
    QTest::newRow("millions") << br << 1234567.891 << u"1.234.567,89"_s;
    QTest::newRow("english millions") << us << 1234567.891 << u"1,234,567.89"_s;
    QTest::newRow("carry into a new group") << br << 999999.996 << u"1.000.000,00"_s;
    QTest::newRow("typical instalment") << br << 1776.33 << u"1.776,33"_s;
    QTest::newRow("2.675 stored below half") << br << 2.675 << u"2,67"_s;
    QTest::newRow("1e18 in general form") << br << 1e18 << u"1E18"_s;
    QTest::newRow("just below 1e18") << br << 999999999999999872.0 << u"999.999.999.999.999.872,00"_s;
}

void TestValueText::amount()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatAmount(value, QLocale(locale)), text);
}

void TestValueText::general_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    const QString br = u"pt_BR"_s, us = u"en_US"_s;
    QTest::newRow("whole") << br << 2011.0 << u"2011"_s;
    QTest::newRow("fraction") << br << 12.5 << u"12,5"_s;
    QTest::newRow("english fraction") << us << 12.5 << u"12.5"_s;
    QTest::newRow("smallest positional") << br << 0.0001 << u"0,0001"_s;
    QTest::newRow("below 0.0001") << br << 0.00001 << u"1E-5"_s;
    QTest::newRow("large") << br << 1.5e20 << u"1,5E20"_s;
    QTest::newRow("1e15 in exponent form") << br << 1e15 << u"1E15"_s;
    QTest::newRow("below 1e15 positional") << br << 999999999999999.0 << u"999999999999999"_s;
    QTest::newRow("15 significant digits") << br << 0.1 + 0.2 << u"0,3"_s;
    QTest::newRow("negative") << br << -1234.5678 << u"-1234,5678"_s;
    QTest::newRow("no thousands separator") << us << 1234567.25 << u"1234567.25"_s;
    QTest::newRow("zero") << br << 0.0 << u"0"_s;
    QTest::newRow("rounding carries") << br << 9.9999999999999995 << u"10"_s;
    QTest::newRow("half away at the 15th digit") << br << 1.00000000000005 << u"1,00000000000005"_s;
}

void TestValueText::general()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(formatGeneral(value, QLocale(locale)), text);
}

void TestValueText::valueToText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<FieldValue>("value");
    QTest::addColumn<QString>("text");
    const QString br = u"pt_BR"_s, us = u"en_US"_s;
    QTest::newRow("text as is") << br << FieldValue::fromText(u" ABC 12"_s) << u" ABC 12"_s;
    QTest::newRow("whole number") << br << FieldValue::fromInteger(2011) << u"2011"_s;
    QTest::newRow("negative whole number") << br << FieldValue::fromInteger(-42) << u"-42"_s;
    QTest::newRow("large whole number") << br << FieldValue::fromInteger(9223372036854775807LL)
                                        << u"9223372036854775807"_s;
    QTest::newRow("real") << br << FieldValue::fromReal(12.5) << u"12,5"_s;
    QTest::newRow("whole real") << br << FieldValue::fromReal(2011.0) << u"2011"_s;
    QTest::newRow("date pt_BR") << br << FieldValue::fromDate(QDate(2011, 3, 15)) << u"15/03/2011"_s;
    QTest::newRow("date en_US") << us << FieldValue::fromDate(QDate(2011, 3, 15))
                                << QLocale(us).toString(QDate(2011, 3, 15), QLocale::ShortFormat);
    QTest::newRow("logical") << br << FieldValue::fromLogical(true) << u"True"_s;
}

void TestValueText::valueToText()
{
    QFETCH(QString, locale);
    QFETCH(FieldValue, value);
    QFETCH(QString, text);
    QCOMPARE(tervano::lookup::valueToText(value, QLocale(locale)), text);
}

void TestValueText::blankAndBadConversions()
{
    const QLocale br(u"pt_BR"_s);
    auto message = [](auto call) -> QString {
        try {
            call();
        } catch (const tervano::Failure& f) {
            return f.message();
        }
        return u"<no failure>"_s;
    };
    QCOMPARE(message([&] { tervano::lookup::valueToText(FieldValue::blank(), br); }),
             u"Could not convert variant of type (Null) into type (String)"_s);
    QCOMPARE(message([&] { tervano::lookup::valueToNumber(FieldValue::blank(), br); }),
             u"Could not convert variant of type (Null) into type (Double)"_s);
    QCOMPARE(message([&] { tervano::lookup::valueToNumber(FieldValue::fromText(u"abc"_s), br); }),
             u"Could not convert variant of type (String) into type (Double)"_s);
}

void TestValueText::valueToNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<FieldValue>("value");
    QTest::addColumn<double>("number");
    QTest::newRow("integer") << u"pt_BR"_s << FieldValue::fromInteger(5) << 5.0;
    QTest::newRow("real") << u"pt_BR"_s << FieldValue::fromReal(-0.125) << -0.125;
    QTest::newRow("text in the user's format") << u"pt_BR"_s << FieldValue::fromText(u"1234,5"_s) << 1234.5;
    QTest::newRow("text with thousands") << u"pt_BR"_s << FieldValue::fromText(u"1.234,5"_s) << 1234.5;
    QTest::newRow("english text") << u"en_US"_s << FieldValue::fromText(u"1234.5"_s) << 1234.5;
}

void TestValueText::valueToNumber()
{
    QFETCH(QString, locale);
    QFETCH(FieldValue, value);
    QFETCH(double, number);
    QCOMPARE(tervano::lookup::valueToNumber(value, QLocale(locale)), number);
}

QTEST_GUILESS_MAIN(TestValueText)
#include "tst_valuetext.moc"
