// The table component over generated tables: the search's outcomes and failures, and a
// file that changes, vanishes or is damaged between searches.
#include "common/failure.h"
#include "lookup/collectiontable.h"
#include "lookup/dbfwriter.h"
#include "lookup/searchcondition.h"
#include "lookup/valuetext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

namespace {

const QStringList kShownFields = {u"db_cod"_s,   u"db_unid"_s,  u"db_trib"_s,   u"db_ano"_s,   u"db_strib"_s,
                                  u"pa_parc"_s,  u"pa_vrparc"_s, u"pa_dtvenc"_s, u"pa_dtemi"_s};

std::vector<DbfFieldSpec> arrecFields(char keyType = 'C', int keyLength = 15, bool withAmount = true)
{
    std::vector<DbfFieldSpec> f = {{"PA_ARREC", keyType, keyLength, 0}, {"DB_COD", 'N', 8, 0},
                                   {"DB_UNID", 'C', 6, 0},   {"DB_TRIB", 'N', 3, 0},
                                   {"DB_ANO", 'N', 4, 0},    {"DB_STRIB", 'N', 3, 0},
                                   {"PA_PARC", 'N', 3, 0}};
    if (withAmount)
        f.push_back({"PA_VRPARC", 'N', 12, 2});
    f.push_back({"PA_DTVENC", 'D', 8, 0});
    f.push_back({"PA_DTEMI", 'D', 8, 0});
    f.push_back({"DB_NOME", 'C', 30, 0});
    return f;
}

QStringList row(const QString& key, const QString& code, const QString& amount = u"1234.5"_s,
                const QString& issued = u"20110302"_s)
{
    return {key, code, u"São"_s, u"12"_s, u"2011"_s, u"0"_s, u"3"_s, amount, u"20110315"_s, issued,
            u"José da Conceição"_s};
}

QStringList rowWithoutAmount(const QString& key)
{
    QStringList r = row(key, u"1"_s);
    r.removeAt(7);
    return r;
}

// What the search does with the table, step by step, stopping at the first failure:
// the texts of the boxes filled, then the failure's message (empty when all nine were filled),
// or "not found".
struct Outcome
{
    QStringList boxes;
    QString failure;
    qint64 count = -1;
};

Outcome search(CollectionTable& t, const QString& number, const QLocale& locale = QLocale(u"pt_BR"_s))
{
    Outcome o;
    try {
        t.close();
        t.setFiltered(false);
        t.setFilter(searchConditionText(u"pa_arrec"_s, number));
        t.setFiltered(true);
        t.open();
        o.count = t.recordCount();
        if (o.count <= 0) {
            o.failure = u"not found"_s;
            return o;
        }
        for (const QString& field : kShownFields) {
            const FieldValue v = t.fieldByName(field);
            o.boxes << (field == u"pa_vrparc"_s ? formatAmount(valueToNumber(v, locale), locale)
                                                : valueToText(v, locale));
        }
    } catch (const tervano::Failure& f) {
        o.failure = f.message();
    }
    return o;
}

bool write(const QString& path, const QByteArray& bytes) { return DbfWriter::writeFile(path, bytes); }

} // namespace

class TestCollectionTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void foundFillsNineBoxes();
    void notFound_data();
    void notFound();
    void firstOfTwoMatches();
    void deletedRecordsAreSkipped();
    void fieldNamesInAnyCase();
    void blankIssueDateAfterEightBoxes();
    void blankAmountAfterSixBoxes();
    void missingAmountField();
    void missingKeyField();
    void characterAmount_data();
    void characterAmount();
    void numericKey_data();
    void numericKey();
    void englishSettings();
    void noConditionCountsEveryLiveRecord();
    void readingWhileClosed();
    void endOfFileByteInsideData();
    void fileDeletedAndRestored();
    void fileChangesBetweenSearches();
    void damagedFiles_data();
    void damagedFiles();
    void codePageFromCpg();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestCollectionTable::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(u"arrec.dbf"_s);
    QFile::remove(m_path);
    QFile::remove(m_dir.filePath(u"arrec.cpg"_s));
}

void TestCollectionTable::foundFillsNineBoxes()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"100"_s, u"7"_s), row(u"24100000000"_s, u"4711"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"24100000000"_s);
    QCOMPARE(o.failure, QString());
    QCOMPARE(o.count, 1);
    QCOMPARE(o.boxes, (QStringList{u"4711"_s, u"São"_s, u"12"_s, u"2011"_s, u"0"_s, u"3"_s, u"1.234,50"_s,
                                   u"15/03/2011"_s, u"02/03/2011"_s}));
    QVERIFY(t.isOpen());
    // The same search again shows the same record.
    QCOMPARE(search(t, u"24100000000"_s).boxes, o.boxes);
}

void TestCollectionTable::notFound_data()
{
    QTest::addColumn<QString>("number");
    QTest::newRow("absent number") << u"999"_s;
    QTest::newRow("empty entry searches 0") << u"0"_s;
    QTest::newRow("stored with leading zeros") << u"123"_s;
    QTest::newRow("a prefix of a stored number") << u"10"_s;
    QTest::newRow("quote in the key") << u"1'00"_s;
}

void TestCollectionTable::notFound()
{
    QFETCH(QString, number);
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"100"_s, u"1"_s), row(u"000123"_s, u"2"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, number);
    QCOMPARE(o.failure, u"not found"_s);
    QCOMPARE(o.count, 0);
    QVERIFY(t.isOpen());
    QCOMPARE(search(t, u"000123"_s).boxes.value(0), u"2"_s);
}

void TestCollectionTable::firstOfTwoMatches()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"5"_s, u"1"_s), row(u"7"_s, u"2"_s), row(u"7"_s, u"3"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    QCOMPARE(o.count, 2);
    QCOMPARE(o.boxes.value(0), u"2"_s);
}

void TestCollectionTable::deletedRecordsAreSkipped()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"1"_s), row(u"7"_s, u"2"_s)}, {true, false})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    QCOMPARE(o.count, 1);
    QCOMPARE(o.boxes.value(0), u"2"_s);
}

void TestCollectionTable::fieldNamesInAnyCase()
{
    std::vector<DbfFieldSpec> fields = arrecFields();
    for (DbfFieldSpec& f : fields)
        f.name = f.name.toLower();
    fields[1].name = "Db_Cod";
    DbfWriter w(fields);
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"42"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    QCOMPARE(search(t, u"7"_s).boxes.value(0), u"42"_s);
    QCOMPARE(valueToText(t.fieldByName(u"DB_NOME"_s), QLocale::c()), u"José da Conceição"_s);
}

void TestCollectionTable::blankIssueDateAfterEightBoxes()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"1"_s, u"10"_s, QString())})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    QCOMPARE(o.boxes.size(), 8);
    QCOMPARE(o.failure, u"Could not convert variant of type (Null) into type (String)"_s);
}

void TestCollectionTable::blankAmountAfterSixBoxes()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"1"_s, QString())})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    QCOMPARE(o.boxes.size(), 6);
    QCOMPARE(o.failure, u"Could not convert variant of type (Null) into type (Double)"_s);
}

void TestCollectionTable::missingAmountField()
{
    DbfWriter w(arrecFields('C', 15, false));
    QVERIFY(write(m_path, w.table({rowWithoutAmount(u"7"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    QCOMPARE(o.boxes.size(), 6);
    QCOMPARE(o.failure, u"t1: Field 'pa_vrparc' not found"_s);
    QVERIFY(t.isOpen()); // a missing shown field leaves the table open
}

void TestCollectionTable::missingKeyField()
{
    DbfWriter w({{"NUMERO", 'C', 10, 0}});
    QVERIFY(write(m_path, w.table({{u"7"_s}})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    QCOMPARE(search(t, u"7"_s).failure, u"t1: Field 'pa_arrec' not found"_s);
    QVERIFY(!t.isOpen());
    CollectionTable other(u"tabela"_s);
    other.setTablePath(m_path);
    QCOMPARE(search(other, u"7"_s).failure, u"tabela: Field 'pa_arrec' not found"_s);
}

void TestCollectionTable::characterAmount_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("number in the user's format") << u"12,5"_s << u"12,50"_s;
    QTest::newRow("with thousands") << u"1.234,567"_s << u"1.234,57"_s;
    QTest::newRow("not a number") << u"abc"_s << u"Could not convert variant of type (String) into type (Double)"_s;
    QTest::newRow("blank") << QString() << u"Could not convert variant of type (Null) into type (Double)"_s;
}

void TestCollectionTable::characterAmount()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    std::vector<DbfFieldSpec> fields = arrecFields();
    fields[7] = {"PA_VRPARC", 'C', 12, 0};
    DbfWriter w(fields);
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"1"_s, stored)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    QCOMPARE(o.failure.isEmpty() ? o.boxes.value(6) : o.failure, shown);
}

void TestCollectionTable::numericKey_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("result"); // the code shown, or the failure
    QTest::newRow("wide numeric found") << 17 << u"24100000000"_s << u"24100000000"_s << u"1"_s;
    QTest::newRow("wide numeric absent") << 17 << u"24100000000"_s << u"24100000001"_s << u"not found"_s;
    QTest::newRow("64-bit key in a wide field") << 19 << u"9223372036854775807"_s << u"9223372036854775807"_s
                                                << u"1"_s;
    QTest::newRow("32-bit field found") << 9 << u"-123"_s << u"-123"_s << u"1"_s;
    QTest::newRow("32-bit field, key too large") << 9 << u"1"_s << u"2147483648"_s
                                                 << u"'2147483648' is not a valid integer value"_s;
    QTest::newRow("16-bit field found") << 4 << u"32"_s << u"32"_s << u"1"_s;
    QTest::newRow("16-bit field, key out of range") << 4 << u"1"_s << u"40000"_s << u"Constant out of range"_s;
    QTest::newRow("16-bit field, key beyond 32 bits") << 4 << u"1"_s << u"-99999999999"_s
                                                      << u"'-99999999999' is not a valid integer value"_s;
    QTest::newRow("zero searched") << 9 << u"0"_s << u"0"_s << u"1"_s;
}

void TestCollectionTable::numericKey()
{
    QFETCH(int, length);
    QFETCH(QString, stored);
    QFETCH(QString, number);
    QFETCH(QString, result);
    DbfWriter w(arrecFields('N', length));
    QVERIFY(write(m_path, w.table({row(stored, u"1"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, number);
    QCOMPARE(o.failure.isEmpty() ? o.boxes.value(0) : o.failure, result);
    if (result.contains(u"valid"_s) || result.contains(u"range"_s))
        QVERIFY(!t.isOpen());
}

void TestCollectionTable::englishSettings()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"1"_s, u"1234567.891"_s)})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const QLocale us(u"en_US"_s);
    const Outcome o = search(t, u"7"_s, us);
    QCOMPARE(o.boxes.value(6), u"1,234,567.89"_s);
    QCOMPARE(o.boxes.value(7), us.toString(QDate(2011, 3, 15), QLocale::ShortFormat));
}

void TestCollectionTable::noConditionCountsEveryLiveRecord()
{
    DbfWriter w(arrecFields());
    QVERIFY(write(m_path, w.table({row(u"1"_s, u"1"_s), row(u"2"_s, u"2"_s), row(u"3"_s, u"3"_s)},
                                  {false, true, false})));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    t.setFilter(u"pa_arrec = '2'"_s);
    t.setFiltered(false);
    t.open();
    QCOMPARE(t.recordCount(), 2);
    t.setFiltered(true);
    t.setFilter(u"pa_arrec = 2 and 1"_s);
    QVERIFY_THROWS_EXCEPTION(tervano::Failure, t.open());
    QVERIFY(!t.isOpen());
    QCOMPARE(t.recordCount(), -1);
}

void TestCollectionTable::readingWhileClosed()
{
    CollectionTable t(u"t1"_s);
    t.close();
    t.close(); // closing twice does nothing
    QVERIFY_THROWS_EXCEPTION(tervano::Failure, t.fieldByName(u"db_cod"_s));
}

void TestCollectionTable::endOfFileByteInsideData()
{
    DbfWriter w(arrecFields());
    QByteArray bytes = w.table({row(u"1"_s, u"1"_s), row(u"2"_s, u"2"_s)});
    bytes[w.headerLength() + w.recordLength() - 1] = 0x1A; // last byte of the first record
    QVERIFY(write(m_path, bytes));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    QCOMPARE(search(t, u"2"_s).boxes.value(0), u"2"_s);
}

void TestCollectionTable::fileDeletedAndRestored()
{
    DbfWriter w(arrecFields());
    const QByteArray good = w.table({row(u"7"_s, u"1"_s)});
    QVERIFY(write(m_path, good));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    QCOMPARE(search(t, u"7"_s).count, 1);
    QVERIFY(QFile::remove(m_path));
    // The record already found stays readable: the table keeps its copy.
    QCOMPARE(valueToText(t.fieldByName(u"db_cod"_s), QLocale::c()), u"1"_s);
    const Outcome gone = search(t, u"7"_s);
    QVERIFY2(gone.failure.contains(QDir::toNativeSeparators(m_path)), qPrintable(gone.failure));
    QVERIFY(!t.isOpen());
    QVERIFY(write(m_path, good));
    QCOMPARE(search(t, u"7"_s).count, 1);
}

void TestCollectionTable::fileChangesBetweenSearches()
{
    DbfWriter w(arrecFields());
    std::vector<QStringList> rows;
    for (int i = 0; i < 10; ++i)
        rows.push_back(row(QString::number(i), QString::number(100 + i)));
    QVERIFY(write(m_path, w.table(rows)));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    QCOMPARE(search(t, u"9"_s).boxes.value(0), u"109"_s);

    // Replaced by another table.
    QVERIFY(write(m_path, w.table({row(u"9"_s, u"555"_s)})));
    QCOMPARE(search(t, u"9"_s).boxes.value(0), u"555"_s);

    // Appended by another program: the new record counts once the header says so.
    QByteArray bytes = w.table(rows);
    bytes.chop(1);
    bytes += w.record(row(u"77"_s, u"777"_s));
    QVERIFY(write(m_path, bytes));
    QCOMPARE(search(t, u"77"_s).count, 0);
    qToLittleEndian<quint32>(11, bytes.data() + 4);
    QVERIFY(write(m_path, bytes));
    QCOMPARE(search(t, u"77"_s).boxes.value(0), u"777"_s);

    // Truncated in the middle of a record: the records really there are read.
    bytes.truncate(w.headerLength() + 5 * w.recordLength() + 20);
    QVERIFY(write(m_path, bytes));
    QCOMPARE(search(t, u"4"_s).boxes.value(0), u"104"_s);
    QCOMPARE(search(t, u"5"_s).count, 0);

    // Cut inside the header: a clear failure, then good again.
    bytes.truncate(40);
    QVERIFY(write(m_path, bytes));
    QVERIFY(search(t, u"4"_s).failure.contains(u"danificada"_s));
    QVERIFY(write(m_path, w.table(rows)));
    QCOMPARE(search(t, u"4"_s).boxes.value(0), u"104"_s);
}

void TestCollectionTable::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("kind");
    DbfWriter w(arrecFields());
    const QByteArray good = w.table({row(u"7"_s, u"1"_s)});
    QTest::newRow("0-byte file") << QByteArray() << u"file"_s;
    QTest::newRow("a few bytes") << good.left(7) << u"file"_s;
    QTest::newRow("header cut") << good.left(w.headerLength() - 40) << u"file"_s;
    QByteArray longer = good;
    qToLittleEndian<quint16>(60000, longer.data() + 8);
    QTest::newRow("header length beyond the file") << longer << u"file"_s;
    QByteArray shortRecord = good;
    qToLittleEndian<quint16>(20, shortRecord.data() + 10);
    QTest::newRow("fields beyond the record") << shortRecord << u"file"_s;
    QByteArray zero = good;
    qToLittleEndian<quint16>(0, zero.data() + 10);
    QTest::newRow("record length zero") << zero << u"file"_s;
    QByteArray noTerminator = good;
    noTerminator[w.headerLength() - 1] = 'X';
    QTest::newRow("terminator overwritten") << noTerminator << u"readable"_s;
    QTest::newRow("a directory") << QByteArray() << u"dir"_s;
    QTest::newRow("missing") << QByteArray() << u"missing"_s;
}

void TestCollectionTable::damagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, kind);
    if (kind == u"dir"_s)
        QVERIFY(QDir(m_dir.path()).mkpath(u"arrec.dbf"_s));
    else if (kind != u"missing"_s)
        QVERIFY(write(m_path, bytes));
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    const Outcome o = search(t, u"7"_s);
    if (kind == u"readable"_s) {
        QCOMPARE(o.boxes.value(0), u"1"_s);
    } else {
        QVERIFY2(o.failure.contains(QDir::toNativeSeparators(m_path)), qPrintable(o.failure));
        QVERIFY(!t.isOpen());
    }
    if (kind == u"dir"_s)
        QVERIFY(QDir(m_dir.path()).rmdir(u"arrec.dbf"_s));
}

void TestCollectionTable::codePageFromCpg()
{
    // The same bytes read as cp850 when a .cpg says so: 0xC6 is "ã" there.
    DbfWriter w(arrecFields(), 0x57, "IBM850");
    QVERIFY(write(m_path, w.table({row(u"7"_s, u"1"_s)})));
    QFile cpg(m_dir.filePath(u"arrec.cpg"_s));
    QVERIFY(cpg.open(QIODevice::WriteOnly));
    cpg.write("850");
    cpg.close();
    CollectionTable t(u"t1"_s);
    t.setTablePath(m_path);
    QCOMPARE(search(t, u"7"_s).boxes.value(1), u"São"_s);
    QVERIFY(QFile::remove(cpg.fileName()));
    QCOMPARE(search(t, u"7"_s).boxes.value(1), u"S\u00c6o"_s); // cp1252 from the language driver
}

QTEST_GUILESS_MAIN(TestCollectionTable)
#include "tst_collectiontable.moc"
