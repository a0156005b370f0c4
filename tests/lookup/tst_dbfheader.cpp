// The header parser, code pages, field values and the condition, from bytes.
#include "common/failure.h"
#include "lookup/codepage.h"
#include "lookup/dbfheader.h"
#include "lookup/dbfwriter.h"
#include "lookup/fielddecoder.h"
#include "lookup/keymatcher.h"
#include "lookup/searchcondition.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

namespace {

QByteArray twoFieldTable()
{
    DbfWriter w({{"PA_ARREC", 'C', 10, 0}, {"VALOR", 'N', 8, 2}});
    return w.table({{u"123"_s, u"12.50"_s}, {u"456"_s, u""_s}});
}

void putU16(QByteArray& b, int at, quint16 v) { qToLittleEndian<quint16>(v, b.data() + at); }
void putU32(QByteArray& b, int at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }

} // namespace

class TestDbfHeader : public QObject
{
    Q_OBJECT

private slots:
    void parsesWrittenTable();
    void fieldNamesIgnoreCaseAndGarbageAfterNul();
    void recordsToRead_data();
    void recordsToRead();
    void damaged_data();
    void damaged();
    void noTerminatorStopsAtHeaderLength();
    void clipperLongCharacterField();
    void visualFoxProNullFlags();
    void languageDrivers_data();
    void languageDrivers();
    void cpgTexts_data();
    void cpgTexts();
    void values_data();
    void values();
    void numbersIgnoreTheUserLocale();
    void condition_data();
    void condition();
    void numericKeyRanges_data();
    void numericKeyRanges();
    void numericMatching_data();
    void numericMatching();
    void characterMatching_data();
    void characterMatching();
};

void TestDbfHeader::parsesWrittenTable()
{
    const QByteArray bytes = twoFieldTable();
    const DbfHeader h = parseDbfHeader(bytes, bytes.size());
    QCOMPARE(h.version, quint8(0x03));
    QCOMPARE(h.languageDriver, quint8(0x57));
    QCOMPARE(h.recordCount, 2u);
    QCOMPARE(h.headerLength, 32 + 64 + 1);
    QCOMPARE(h.recordLength, 19);
    QCOMPARE(h.fields.size(), size_t(2));
    QCOMPARE(h.fields[1].offset, 11);
    QCOMPARE(h.fields[1].decimals, 2);
    QCOMPARE(h.recordsToRead(bytes.size()), 2);
}

void TestDbfHeader::fieldNamesIgnoreCaseAndGarbageAfterNul()
{
    QByteArray bytes = twoFieldTable();
    bytes[32 + 9] = 'X'; // "PA_ARREC\0X": what follows the NUL is not part of the name
    const DbfHeader h = parseDbfHeader(bytes, bytes.size());
    QCOMPARE(h.fieldIndex(u"pa_arrec"), 0);
    QCOMPARE(h.fieldIndex(u"Valor"), 1);
    QCOMPARE(h.fieldIndex(u"pa_vrparc"), -1);
}

void TestDbfHeader::recordsToRead_data()
{
    QTest::addColumn<int>("headerCount");
    QTest::addColumn<int>("chop");
    QTest::addColumn<int>("expected");
    QTest::newRow("as written") << 2 << 0 << 2;
    QTest::newRow("header counts fewer: being appended") << 1 << 0 << 1;
    QTest::newRow("header counts more than the file holds") << 9 << 0 << 2;
    QTest::newRow("trailing partial record ignored") << 2 << 10 << 1;
    QTest::newRow("no end-of-file byte") << 2 << 1 << 2;
    QTest::newRow("count zero") << 0 << 0 << 0;
}

void TestDbfHeader::recordsToRead()
{
    QFETCH(int, headerCount);
    QFETCH(int, chop);
    QFETCH(int, expected);
    QByteArray bytes = twoFieldTable();
    putU32(bytes, 4, quint32(headerCount));
    bytes.chop(chop);
    QCOMPARE(parseDbfHeader(bytes, bytes.size()).recordsToRead(bytes.size()), expected);
}

void TestDbfHeader::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = twoFieldTable();
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("shorter than a header") << good.left(20);
    QByteArray longHeader = good;
    putU16(longHeader, 8, 5000);
    QTest::newRow("header longer than the file") << longHeader;
    QByteArray zeroRecord = good;
    putU16(zeroRecord, 10, 0);
    QTest::newRow("record length zero") << zeroRecord;
    QByteArray shortRecord = good;
    putU16(shortRecord, 10, 12);
    QTest::newRow("fields run past the record") << shortRecord;
    QByteArray tinyHeader = good;
    putU16(tinyHeader, 8, 10);
    QTest::newRow("header length below 32") << tinyHeader;
    QByteArray wideField = good;
    wideField[32 + 32 + 16] = char(200);
    QTest::newRow("a field far too wide") << wideField;
}

void TestDbfHeader::damaged()
{
    QFETCH(QByteArray, bytes);
    bool refused = false;
    try {
        parseDbfHeader(bytes, bytes.size());
    } catch (const DamagedTable& d) {
        refused = !d.reason.isEmpty();
    }
    QVERIFY(refused);
}

void TestDbfHeader::noTerminatorStopsAtHeaderLength()
{
    DbfWriter w({{"A", 'C', 3, 0}});
    QByteArray bytes = w.table({{u"abc"_s}});
    // Drop the terminator: the header now ends right after the one descriptor.
    bytes.remove(64, 1);
    putU16(bytes, 8, 64);
    const DbfHeader h = parseDbfHeader(bytes, bytes.size());
    QCOMPARE(h.fields.size(), size_t(1));
    QCOMPARE(h.recordsToRead(bytes.size()), 1);

    // A zero-length field reads as blank and takes no room.
    DbfWriter z({{"A", 'C', 0, 0}, {"B", 'C', 2, 0}});
    const QByteArray zb = z.table({{u""_s, u"xy"_s}});
    const DbfHeader zh = parseDbfHeader(zb, zb.size());
    QCOMPARE(zh.fields[1].offset, 1);
    QStringDecoder dec("windows-1252");
    const QByteArray record = zb.mid(zh.headerLength, zh.recordLength);
    QCOMPARE(decodeField(zh, 0, record, dec).kind, FieldValue::Kind::Blank);
    QCOMPARE(decodeField(zh, 1, record, dec).text, u"xy"_s);
}

void TestDbfHeader::clipperLongCharacterField()
{
    DbfWriter w({{"LONG", 'C', 300 & 0xFF, 0}});
    QByteArray bytes = w.header(0);
    bytes[32 + 17] = 1; // 44 + 256
    putU16(bytes, 10, 301);
    bytes += QByteArray(301, ' ');
    putU32(bytes, 4, 1);
    const DbfHeader h = parseDbfHeader(bytes, bytes.size());
    QCOMPARE(h.fields[0].length, 300);
}

void TestDbfHeader::visualFoxProNullFlags()
{
    // NAME C(4) nullable, _NullFlags 0(1): bit 0 marks NAME null.
    QByteArray b(32 + 64 + 1 + 263, '\0');
    b[0] = 0x30;
    putU32(b, 4, 2);
    putU16(b, 8, quint16(b.size()));
    putU16(b, 10, 1 + 4 + 1);
    std::memcpy(b.data() + 32, "NAME", 4);
    b[32 + 11] = 'C';
    b[32 + 12] = 99; // a wrong stored offset is ignored
    b[32 + 16] = 4;
    b[32 + 18] = 0x02;
    std::memcpy(b.data() + 64, "_NullFlags", 10);
    b[64 + 11] = '0';
    b[64 + 16] = 1;
    b[96] = 0x0D;
    b += QByteArray(" abcd\x00", 6);
    b += QByteArray("     \x01", 6);
    const DbfHeader h = parseDbfHeader(b, b.size());
    QVERIFY(h.visualFoxPro);
    QCOMPARE(h.fields[0].offset, 1);
    QCOMPARE(h.fields[0].nullBit, 0);
    QStringDecoder dec("windows-1252");
    QCOMPARE(decodeField(h, 0, b.mid(h.headerLength, 6), dec).text, u"abcd"_s);
    QCOMPARE(decodeField(h, 0, b.mid(h.headerLength + 6, 6), dec).kind, FieldValue::Kind::Blank);
}

void TestDbfHeader::languageDrivers_data()
{
    QTest::addColumn<int>("ldid");
    QTest::addColumn<QByteArray>("codePage");
    QTest::newRow("0x01") << 0x01 << QByteArray("IBM437");
    QTest::newRow("0x02") << 0x02 << QByteArray("IBM850");
    QTest::newRow("0x03") << 0x03 << QByteArray("windows-1252");
    QTest::newRow("0x24") << 0x24 << QByteArray("IBM860");
    QTest::newRow("0x25") << 0x25 << QByteArray("IBM850");
    QTest::newRow("0x37") << 0x37 << QByteArray("IBM850");
    QTest::newRow("0x57") << 0x57 << QByteArray("windows-1252");
    QTest::newRow("0x64") << 0x64 << QByteArray("IBM852");
    QTest::newRow("0x65") << 0x65 << QByteArray("IBM866");
    QTest::newRow("0xC8") << 0xC8 << QByteArray("windows-1250");
    QTest::newRow("0xC9") << 0xC9 << QByteArray("windows-1251");
    QTest::newRow("0x00 says nothing") << 0x00 << QByteArray();
}

void TestDbfHeader::languageDrivers()
{
    QFETCH(int, ldid);
    QFETCH(QByteArray, codePage);
    QCOMPARE(codePageForLanguageDriver(quint8(ldid)), codePage);
    if (ldid == 0)
        QCOMPARE(codePageForTable(u"/nonexistent/x.dbf"_s, 0).name, QByteArray("windows-1252"));
}

void TestDbfHeader::cpgTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("codePage");
    QTest::newRow("number") << QByteArray("1252") << QByteArray("windows-1252");
    QTest::newRow("ANSI") << QByteArray("ANSI 1251\r\n") << QByteArray("windows-1251");
    QTest::newRow("OEM") << QByteArray("OEM 850") << QByteArray("IBM850");
    QTest::newRow("utf-8") << QByteArray("UTF-8") << QByteArray("UTF-8");
    QTest::newRow("latin1") << QByteArray("88591") << QByteArray("ISO-8859-1");
    QTest::newRow("nonsense") << QByteArray("no such page") << QByteArray();
}

void TestDbfHeader::cpgTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, codePage);
    QCOMPARE(codePageFromCpgText(text), codePage);
}

void TestDbfHeader::values_data()
{
    QTest::addColumn<char>("type");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("shown"); // text, number or ISO date
    using K = FieldValue::Kind;
    QTest::newRow("C trimmed right") << 'C' << 0 << QByteArray(" ab  ") << int(K::Text) << u" ab"_s;
    QTest::newRow("C cp1252") << 'C' << 0 << QByteArray("S\xe3o ") << int(K::Text) << u"São"_s;
    QTest::newRow("C NUL padded") << 'C' << 0 << QByteArray("ab\0\0\0", 5) << int(K::Text) << u"ab"_s;
    QTest::newRow("C blank") << 'C' << 0 << QByteArray("     ") << int(K::Blank) << QString();
    QTest::newRow("N whole") << 'N' << 0 << QByteArray(" 2011") << int(K::Integer) << u"2011"_s;
    QTest::newRow("N negative") << 'N' << 0 << QByteArray("  -42") << int(K::Integer) << u"-42"_s;
    QTest::newRow("N decimals") << 'N' << 2 << QByteArray("12.50") << int(K::Real) << u"12.5"_s;
    QTest::newRow("N blank") << 'N' << 0 << QByteArray("     ") << int(K::Blank) << QString();
    QTest::newRow("N NULs") << 'N' << 0 << QByteArray(5, '\0') << int(K::Blank) << QString();
    QTest::newRow("N garbage") << 'N' << 0 << QByteArray("12a  ") << int(K::Blank) << QString();
    QTest::newRow("N trailing point") << 'N' << 0 << QByteArray("1234.") << int(K::Integer) << u"1234"_s;
    QTest::newRow("F exponent") << 'F' << 0 << QByteArray("1.5E3") << int(K::Real) << u"1500"_s;
    QTest::newRow("D") << 'D' << 0 << QByteArray("20110315") << int(K::Date) << u"2011-03-15"_s;
    QTest::newRow("D blank") << 'D' << 0 << QByteArray("        ") << int(K::Blank) << QString();
    QTest::newRow("D zeros") << 'D' << 0 << QByteArray("00000000") << int(K::Blank) << QString();
    QTest::newRow("D NULs") << 'D' << 0 << QByteArray(8, '\0') << int(K::Blank) << QString();
    QTest::newRow("D impossible") << 'D' << 0 << QByteArray("20110231") << int(K::Blank) << QString();
    QTest::newRow("D not a date") << 'D' << 0 << QByteArray("NotAYear") << int(K::Blank) << QString();
    QTest::newRow("L true") << 'L' << 0 << QByteArray("T") << int(K::Logical) << u"1"_s;
    QTest::newRow("L no") << 'L' << 0 << QByteArray("n") << int(K::Logical) << u"0"_s;
    QTest::newRow("L unknown") << 'L' << 0 << QByteArray("?") << int(K::Blank) << QString();
    QTest::newRow("I") << 'I' << 0 << QByteArray("\xfe\xff\xff\xff", 4) << int(K::Integer) << u"-2"_s;
    QTest::newRow("Y") << 'Y' << 4 << QByteArray("\x10\x27\0\0\0\0\0\0", 8) << int(K::Real) << u"1"_s;
    QTest::newRow("B double") << 'B' << 0 << QByteArray("\0\0\0\0\0\0\xf8\x3f", 8) << int(K::Real) << u"1.5"_s;
    QTest::newRow("@ timestamp beyond any date")
        << '@' << 0 << QByteArray("\xfe\x37\xe4\x3c\x88\x00\x75\x9c", 8) << int(K::Blank) << QString();
    QTest::newRow("@ timestamp NaN") << '@' << 0 << QByteArray("\xff\xf8\0\0\0\0\0\0", 8) << int(K::Blank)
                                     << QString();
    QTest::newRow("M pointer") << 'M' << 0 << QByteArray("        12") << int(K::Blank) << QString();
    QTest::newRow("unknown type as text") << 'X' << 0 << QByteArray("xyz ") << int(K::Text) << u"xyz"_s;
}

void TestDbfHeader::values()
{
    QFETCH(char, type);
    QFETCH(int, decimals);
    QFETCH(QByteArray, stored);
    QFETCH(int, kind);
    QFETCH(QString, shown);
    DbfHeader h;
    h.fields.push_back(DbfField{"F", type, 1, int(stored.size()), decimals});
    h.recordLength = 1 + int(stored.size());
    QStringDecoder dec("windows-1252");
    const QByteArray record = ' ' + stored;
    const FieldValue v = decodeField(h, 0, record, dec);
    QCOMPARE(int(v.kind), kind);
    switch (v.kind) {
    case FieldValue::Kind::Text: QCOMPARE(v.text, shown); break;
    case FieldValue::Kind::Integer: QCOMPARE(QString::number(v.integer), shown); break;
    case FieldValue::Kind::Real: QCOMPARE(QString::number(v.real), shown); break;
    case FieldValue::Kind::Date: QCOMPARE(v.date.toString(Qt::ISODate), shown); break;
    case FieldValue::Kind::Logical: QCOMPARE(QString::number(v.logical), shown); break;
    default: break;
    }
}

// Qt applications take the user's locale for the C library; under pt_BR its decimal
// separator is the comma, and the stored "12.50" must still read as 12.5.
void TestDbfHeader::numbersIgnoreTheUserLocale()
{
    QTemporaryDir locales;
    const char* const name = "pt_BR.UTF-8";
    if (!setlocale(LC_NUMERIC, name)) {
        // Not installed: compile it into a folder of our own when the tools are there.
        if (QProcess::execute(u"localedef"_s, {u"-i"_s, u"pt_BR"_s, u"-f"_s, u"UTF-8"_s,
                                               locales.filePath(QString::fromLatin1(name))}) != 0)
            QSKIP("no pt_BR locale and no localedef to build one");
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        if (!setlocale(LC_NUMERIC, name))
            QSKIP("the pt_BR locale could not be loaded");
    }
    const auto restore = qScopeGuard([] {
        setlocale(LC_NUMERIC, "C");
        qunsetenv("LOCPATH");
    });
    QCOMPARE(*localeconv()->decimal_point, ',');

    DbfHeader h;
    h.fields.push_back(DbfField{"F", 'N', 1, 8, 2});
    h.recordLength = 9;
    QStringDecoder dec("windows-1252");
    const FieldValue v = decodeField(h, 0, QByteArray("    12.50"), dec);
    QCOMPARE(int(v.kind), int(FieldValue::Kind::Real));
    QCOMPARE(v.real, 12.5);
}

void TestDbfHeader::condition_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("literal");
    QTest::newRow("plain") << u"pa_arrec = '123'"_s << true << u"pa_arrec"_s << u"123"_s;
    QTest::newRow("doubled quote") << u"pa_arrec = 'a''b'"_s << true << u"pa_arrec"_s << u"a'b"_s;
    QTest::newRow("empty literal") << u"pa_arrec = ''"_s << true << u"pa_arrec"_s << QString();
    QTest::newRow("no spaces") << u"X='1'"_s << true << u"X"_s << u"1"_s;
    QTest::newRow("unclosed") << u"pa_arrec = '12"_s << false << QString() << QString();
    QTest::newRow("trailing text") << u"pa_arrec = '1' or 1"_s << false << QString() << QString();
    QTest::newRow("no field") << u"= '1'"_s << false << QString() << QString();
}

void TestDbfHeader::condition()
{
    QFETCH(QString, expression);
    QFETCH(bool, valid);
    QFETCH(QString, field);
    QFETCH(QString, literal);
    const auto c = parseSearchCondition(expression);
    QCOMPARE(c.has_value(), valid);
    if (c) {
        QCOMPARE(c->field, field);
        QCOMPARE(c->literal, literal);
        QCOMPARE(parseSearchCondition(searchConditionText(field, literal))->literal, literal);
    }
}

void TestDbfHeader::numericKeyRanges_data()
{
    QTest::addColumn<char>("type");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("failure");
    QTest::newRow("N4 in range") << 'N' << 4 << 0 << u"-32768"_s << QString();
    QTest::newRow("N4 above 16 bits") << 'N' << 4 << 0 << u"32768"_s << u"Constant out of range"_s;
    QTest::newRow("N4 beyond 32 bits") << 'N' << 4 << 0 << u"2147483648"_s
                                       << u"'2147483648' is not a valid integer value"_s;
    QTest::newRow("N9 32-bit max") << 'N' << 9 << 0 << u"2147483647"_s << QString();
    QTest::newRow("N9 beyond 32 bits") << 'N' << 9 << 0 << u"-2147483649"_s
                                       << u"'-2147483649' is not a valid integer value"_s;
    QTest::newRow("I beyond 32 bits") << 'I' << 4 << 0 << u"99999999999"_s
                                      << u"'99999999999' is not a valid integer value"_s;
    QTest::newRow("N10 is wide") << 'N' << 10 << 0 << u"9223372036854775807"_s << QString();
    QTest::newRow("N with decimals is wide") << 'N' << 4 << 1 << u"99999999999"_s << QString();
    QTest::newRow("not a number") << 'N' << 12 << 0 << u"abc"_s << u"'abc' is not a valid floating point value"_s;
    QTest::newRow("date field") << 'D' << 8 << 0 << u"1"_s << u"Type mismatch in expression"_s;
}

void TestDbfHeader::numericKeyRanges()
{
    QFETCH(char, type);
    QFETCH(int, length);
    QFETCH(int, decimals);
    QFETCH(QString, key);
    QFETCH(QString, failure);
    DbfHeader h;
    h.fields.push_back(DbfField{"PA_ARREC", type, 1, length, decimals});
    h.recordLength = 1 + length;
    QString message;
    try {
        KeyMatcher::forField(h, 0, key, "windows-1252");
    } catch (const tervano::Failure& f) {
        message = f.message();
    }
    QCOMPARE(message, failure);
}

void TestDbfHeader::numericMatching_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("matches");
    QTest::newRow("right aligned") << QByteArray("        123") << 0 << u"123"_s << true;
    QTest::newRow("leading zeros stored") << QByteArray("00000000123") << 0 << u"123"_s << true;
    QTest::newRow("different") << QByteArray("        124") << 0 << u"123"_s << false;
    QTest::newRow("prefix only") << QByteArray("       1234") << 0 << u"123"_s << false;
    QTest::newRow("with decimals") << QByteArray("     123.00") << 2 << u"123"_s << true;
    QTest::newRow("with a fraction") << QByteArray("     123.50") << 2 << u"123"_s << false;
    QTest::newRow("negative") << QByteArray("       -123") << 0 << u"-123"_s << true;
    QTest::newRow("sign differs") << QByteArray("       -123") << 0 << u"123"_s << false;
    QTest::newRow("zero") << QByteArray("          0") << 0 << u"0"_s << true;
    QTest::newRow("blank is not zero") << QByteArray("           ") << 0 << u"0"_s << false;
    QTest::newRow("exponent form") << QByteArray("     1.23E2") << 0 << u"123"_s << true;
    QTest::newRow("NUL padded") << QByteArray("123\0\0\0\0\0\0\0\0", 11) << 0 << u"123"_s << true;
    QTest::newRow("garbage") << QByteArray("    12x3   ") << 0 << u"123"_s << false;
    QTest::newRow("large") << QByteArray("99999999999") << 0 << u"99999999999"_s << true;
}

void TestDbfHeader::numericMatching()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, decimals);
    QFETCH(QString, key);
    QFETCH(bool, matches);
    DbfHeader h;
    h.fields.push_back(DbfField{"PA_ARREC", 'N', 1, int(stored.size()), decimals});
    h.recordLength = 1 + int(stored.size());
    const QByteArray record = ' ' + stored;
    QCOMPARE(KeyMatcher::forField(h, 0, key, "windows-1252").matches(record.constData()), matches);
}

void TestDbfHeader::characterMatching_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("matches");
    QTest::newRow("padded") << QByteArray("123     ") << u"123"_s << true;
    QTest::newRow("full width") << QByteArray("12345678") << u"12345678"_s << true;
    QTest::newRow("key longer than field") << QByteArray("12345678") << u"123456789"_s << false;
    QTest::newRow("leading zeros are kept") << QByteArray("000123  ") << u"123"_s << false;
    QTest::newRow("leading blank kept") << QByteArray(" 123    ") << u"123"_s << false;
    QTest::newRow("prefix") << QByteArray("1234    ") << u"123"_s << false;
    QTest::newRow("case matters") << QByteArray("abc     ") << u"ABC"_s << false;
    QTest::newRow("NUL padding") << QByteArray("123\0\0\0\0\0", 8) << u"123"_s << true;
    QTest::newRow("cp1252 key") << QByteArray("S\xe3o     ") << u"São"_s << true;
    QTest::newRow("key outside the code page") << QByteArray("?       ") << u"\u4e2d"_s << false;
    QTest::newRow("empty key finds no blank") << QByteArray("        ") << QString() << false;
}

void TestDbfHeader::characterMatching()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, key);
    QFETCH(bool, matches);
    DbfHeader h;
    h.fields.push_back(DbfField{"PA_ARREC", 'C', 1, int(stored.size()), 0});
    h.recordLength = 1 + int(stored.size());
    const QByteArray record = ' ' + stored;
    QCOMPARE(KeyMatcher::forField(h, 0, key, "windows-1252").matches(record.constData()), matches);
}

QTEST_GUILESS_MAIN(TestDbfHeader)
#include "tst_dbfheader.moc"
