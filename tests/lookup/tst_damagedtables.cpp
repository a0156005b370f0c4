// Damaged tables, built from a generated collection table by cutting and overwriting its
// bytes: what the search answers or the exact message it gives, the same message from the
// dump, and a table that another program changes between two searches.
#include "common/failure.h"
#include "lookup/arrecsample.h"
#include "lookup/collectiontable.h"
#include "lookup/dbfwriter.h"
#include "lookup/searchcondition.h"
#include "lookup/tabledump.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

namespace {

// Ten records of the sample table; the key of record i is arrecSampleNumber(i).
constexpr qint64 kRecords = 10;

QByteArray sampleTable()
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    writeArrecSample(out, ArrecSampleOptions{kRecords, false, 3});
    return bytes;
}

const DbfWriter& sampleWriter()
{
    static const DbfWriter writer = arrecSampleWriter(false);
    return writer;
}

int headerLength()
{
    return sampleWriter().headerLength();
}
int recordLength()
{
    return sampleWriter().recordLength();
}
int recordAt(int index)
{
    return headerLength() + index * recordLength();
}

// Offset of a field inside a record of the sample table.
int fieldOffset(const char* name)
{
    const QByteArray table = sampleTable();
    for (int at = 32, offset = 1; at + 32 <= headerLength(); at += 32) {
        if (qstrncmp(table.constData() + at, name, 11) == 0)
            return offset;
        offset += static_cast<quint8>(table[at + 16]);
    }
    return -1;
}

QByteArray with(QByteArray bytes, int at, QByteArrayView replacement)
{
    bytes.replace(at, replacement.size(), replacement.toByteArray());
    return bytes;
}

QByteArray withU16(QByteArray bytes, int at, quint16 value)
{
    qToLittleEndian<quint16>(value, bytes.data() + at);
    return bytes;
}

QByteArray withU32(QByteArray bytes, int at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
    return bytes;
}

// The search's answer: "<count> | DB_COD | PA_VRPARC | PA_DTVENC" or the failure's message
// with the table's path written as <table>.
QString searchText(const QString& path, const QString& key)
{
    CollectionTable t(u"t1"_s);
    t.setTablePath(path);
    t.setFilter(searchConditionText(u"pa_arrec"_s, key));
    t.setFiltered(true);
    try {
        t.open();
        QStringList parts{QString::number(t.recordCount())};
        for (const QString& field : {u"db_cod"_s, u"pa_vrparc"_s, u"pa_dtvenc"_s}) {
            const FieldValue v = t.fieldByName(field);
            switch (v.kind) {
            case FieldValue::Kind::Blank:
                parts << u"blank"_s;
                break;
            case FieldValue::Kind::Integer:
                parts << QString::number(v.integer);
                break;
            case FieldValue::Kind::Real:
                parts << QString::number(v.real);
                break;
            case FieldValue::Kind::Date:
                parts << v.date.toString(Qt::ISODate);
                break;
            default:
                parts << v.text;
                break;
            }
        }
        return parts.join(u" | "_s);
    } catch (const tervano::Failure& failure) {
        QString message = failure.message();
        return message.replace(QDir::toNativeSeparators(path), u"<table>"_s);
    }
}

} // namespace

class TestDamagedTables : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void damaged_data();
    void damaged();
    void dumpGivesTheSameMessage_data() { damaged_data(); }
    void dumpGivesTheSameMessage();
    void shortDBase2TableReadsItsFields();
    void changedBetweenSearches();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestDamagedTables::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(u"arrec.dbf"_s);
    QFile::remove(m_path);
}

void TestDamagedTables::damaged_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("answer");

    const QByteArray good = sampleTable();
    const QString third = arrecSampleNumber(3);
    const QString last = arrecSampleNumber(kRecords - 1);
    const QString found3 = u"1 | 1000 | 27.92 | 2009-04-10"_s;
    const int size = int(good.size());
    const QString danificada = u"A tabela \"<table>\" está danificada: "_s;

    QTest::newRow("intact") << good << third << found3;
    QTest::newRow("empty file") << QByteArray() << third << danificada + u"o arquivo está vazio"_s;
    QTest::newRow("7 bytes") << good.left(7) << third
                             << danificada + u"o arquivo é curto demais para uma tabela dBase (7 bytes)"_s;
    QTest::newRow("31 bytes") << good.left(31) << third
                              << danificada + u"o arquivo é curto demais para uma tabela dBase (31 bytes)"_s;
    QTest::newRow("cut inside the field descriptors")
        << good.left(100) << third
        << danificada + u"o cabeçalho declara %1 bytes, mas o arquivo tem só 100"_s.arg(headerLength());
    QTest::newRow("cut before the terminator")
        << good.left(headerLength() - 1) << third
        << danificada + u"o cabeçalho declara %1 bytes, mas o arquivo tem só %2"_s.arg(headerLength())
                            .arg(headerLength() - 1);
    QTest::newRow("header only") << good.left(headerLength()) << third << u"0 | blank | blank | blank"_s;
    QTest::newRow("header length 0") << withU16(good, 8, 0) << third
                                     << danificada + u"o cabeçalho declara um tamanho impossível (0 bytes)"_s;
    QTest::newRow("header length 31")
        << withU16(good, 8, 31) << third
        << danificada + u"o cabeçalho declara um tamanho impossível (31 bytes)"_s;
    QTest::newRow("header length 65535")
        << withU16(good, 8, 65535) << third
        << danificada + u"o cabeçalho declara 65535 bytes, mas o arquivo tem só %1"_s.arg(size);
    QTest::newRow("record length 0") << withU16(good, 10, 0) << third
                                     << danificada + u"o tamanho de registro declarado é zero"_s;
    QTest::newRow("record length shorter than the fields")
        << withU16(good, 10, 20) << third
        << danificada + u"os campos somam %1 bytes, mais que o registro de 20 bytes"_s.arg(recordLength());
    QTest::newRow("field length 255")
        << with(good, 32 + 16, "\xff") << third
        << danificada +
               u"os campos somam %1 bytes, mais que o registro de %2 bytes"_s.arg(recordLength() + 255 - 17)
                   .arg(recordLength());
    QTest::newRow("record count 0") << withU32(good, 4, 0) << third << u"0 | blank | blank | blank"_s;
    QTest::newRow("record count beyond the file") << withU32(good, 4, 0xFFFFFFFF) << third << found3;
    QTest::newRow("last record cut") << good.left(recordAt(int(kRecords) - 1) + 5) << last
                                     << u"0 | blank | blank | blank"_s;
    QTest::newRow("cut inside an earlier record")
        << good.left(recordAt(3) + 40) << third << u"0 | blank | blank | blank"_s;
    QTest::newRow("end-of-file byte missing") << good.left(size - 1) << third << found3;
    QTest::newRow("record flagged deleted")
        << with(good, recordAt(3), "*") << third << u"0 | blank | blank | blank"_s;
    QTest::newRow("unknown record flag") << with(good, recordAt(3), "?") << third << found3;
    QTest::newRow("letters in a numeric field") << with(good, recordAt(3) + fieldOffset("DB_COD"), "12ab5678")
                                                << third << u"1 | blank | 27.92 | 2009-04-10"_s;
    QTest::newRow("NULs in a numeric field")
        << with(good, recordAt(3) + fieldOffset("PA_VRPARC"), QByteArray(12, '\0')) << third
        << u"1 | 1000 | blank | 2009-04-10"_s;
    QTest::newRow("impossible date") << with(good, recordAt(3) + fieldOffset("PA_DTVENC"), "20241341")
                                     << third << u"1 | 1000 | 27.92 | blank"_s;
    QTest::newRow("key field renamed")
        << with(good, 32, "XX") << third << u"t1: Field 'pa_arrec' not found"_s;
    QTest::newRow("key field turned to a date")
        << with(good, 32 + 11, "D") << third << u"Type mismatch in expression"_s;
}

void TestDamagedTables::damaged()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, key);
    QFETCH(QString, answer);
    QVERIFY(DbfWriter::writeFile(m_path, bytes));
    QCOMPARE(searchText(m_path, key), answer);
}

void TestDamagedTables::dumpGivesTheSameMessage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, answer);
    QVERIFY(DbfWriter::writeFile(m_path, bytes));
    try {
        dumpTable(m_path);
        QVERIFY2(!answer.contains(u"danificada"_s), qPrintable(answer));
    } catch (const tervano::Failure& failure) {
        QString message = failure.message();
        QCOMPARE(message.replace(QDir::toNativeSeparators(m_path), u"<table>"_s), answer);
    }
}

// A dBase II table shorter than its fixed descriptor area: the table component reads the
// same fields as the dump, not only those within the first 32 bytes.
void TestDamagedTables::shortDBase2TableReadsItsFields()
{
    QByteArray bytes(8 + 3 * 16 + 1, '\0');
    bytes[0] = 0x02;
    bytes[1] = 1;             // one record
    bytes[6] = 1 + 5 + 3 + 4; // record length
    bytes.replace(8, 8, "PA_ARREC");
    bytes[8 + 11] = 'C';
    bytes[8 + 12] = 5;
    bytes.replace(24, 6, "DB_COD");
    bytes[24 + 11] = 'N';
    bytes[24 + 12] = 3;
    bytes.replace(40, 6, "DB_ANO");
    bytes[40 + 11] = 'N';
    bytes[40 + 12] = 4;
    bytes[56] = 0x0D;
    bytes += " 12345 422024\x1A";
    QVERIFY(DbfWriter::writeFile(m_path, bytes));

    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    t.setFilter(u"pa_arrec = '12345'"_s);
    t.setFiltered(true);
    t.open();
    QCOMPARE(t.recordCount(), 1);
    QCOMPARE(t.fieldByName(u"db_ano"_s).integer, 2024);
    QCOMPARE(dumpTable(m_path).value(u"fields"_s).toArray().size(), 3);
}

// Another program appends, truncates and replaces the table between searches: each search
// answers for the file as it is then.
void TestDamagedTables::changedBetweenSearches()
{
    const QByteArray good = sampleTable();
    const QString third = arrecSampleNumber(3);
    QVERIFY(DbfWriter::writeFile(m_path, good));
    QCOMPARE(searchText(m_path, third), u"1 | 1000 | 27.92 | 2009-04-10"_s);

    // Appended without the header's count: the new record is not read yet.
    QByteArray appended = good.left(good.size() - 1) + good.mid(recordAt(3), recordLength()) + '\x1A';
    QVERIFY(DbfWriter::writeFile(m_path, appended));
    QCOMPARE(searchText(m_path, third), u"1 | 1000 | 27.92 | 2009-04-10"_s);
    QVERIFY(DbfWriter::writeFile(m_path, withU32(appended, 4, kRecords + 1)));
    QCOMPARE(searchText(m_path, third), u"2 | 1000 | 27.92 | 2009-04-10"_s);

    // Truncated to nothing, then to the header alone.
    QVERIFY(DbfWriter::writeFile(m_path, QByteArray()));
    QCOMPARE(searchText(m_path, third), u"A tabela \"<table>\" está danificada: o arquivo está vazio"_s);
    QVERIFY(DbfWriter::writeFile(m_path, good.left(headerLength())));
    QCOMPARE(searchText(m_path, third), u"0 | blank | blank | blank"_s);

    // Replaced by another file through a rename, as a program that saves safely does.
    const QString other = m_dir.filePath(u"new.dbf"_s);
    QVERIFY(DbfWriter::writeFile(other, good));
    QVERIFY(QFile::remove(m_path));
    QVERIFY(QFile::rename(other, m_path));
    QCOMPARE(searchText(m_path, third), u"1 | 1000 | 27.92 | 2009-04-10"_s);

    // Removed: the reader's message.
    QVERIFY(QFile::remove(m_path));
    QCOMPARE(searchText(m_path, third),
             u"Não foi possível abrir a tabela \"<table>\": o arquivo não existe"_s);
}

QTEST_GUILESS_MAIN(TestDamagedTables)
#include "tst_damagedtables.moc"
