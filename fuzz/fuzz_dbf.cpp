// The collection table reader fed arbitrary table bytes: header, condition, scan, every
// field of the first match, then the same file through the table component and the dump.
// Failures thrown as text are expected; crashes, leaks, hangs and disagreeing counts are not.
#include "common/failure.h"
#include "fuzzcheck.h"
#include "lookup/codepage.h"
#include "lookup/collectiontable.h"
#include "lookup/dbfheader.h"
#include "lookup/fielddecoder.h"
#include "lookup/keymatcher.h"
#include "lookup/recordscanner.h"
#include "lookup/searchcondition.h"
#include "lookup/tabledump.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <optional>

using namespace Qt::StringLiterals;
using namespace tervano;
using namespace tervano::lookup;

namespace {

// The key the search uses: the key field of the first live record as text, so that the
// scan both matches and rejects records; "1" when there is no such record.
QString keyFromFirstRecord(const DbfHeader& header, int field, QByteArrayView bytes, QStringDecoder& decoder)
{
    const qint64 records = header.recordsToRead(bytes.size());
    for (qint64 i = 0; i < records && i < 8; ++i) {
        const QByteArrayView record =
            bytes.sliced(header.headerLength + i * header.recordLength, header.recordLength);
        if (record[0] == '*')
            continue;
        const FieldValue v = decodeField(header, field, record, decoder);
        switch (v.kind) {
        case FieldValue::Kind::Text:
            return v.text;
        case FieldValue::Kind::Integer:
            return QString::number(v.integer);
        case FieldValue::Kind::Real:
            return QString::number(v.real, 'g', 17);
        default:
            return u"1"_s;
        }
    }
    return u"1"_s;
}

struct Search
{
    std::optional<qint64> matches; // empty when the condition could not be formed
    QString condition;
};

// The search from bytes alone, without the file layer.
Search searchBytes(QByteArrayView bytes, const DbfHeader& header)
{
    Search search;
    // As the table component chooses it when no .cpg lies beside the table.
    QByteArray codePageName = codePageForLanguageDriver(header.languageDriver);
    if (codePageName.isEmpty() || !QStringDecoder(codePageName.constData()).isValid())
        codePageName = defaultCodePageName();
    QStringDecoder decoder(codePageName.constData(), QStringDecoder::Flag::Stateless);

    int field = header.fieldIndex(u"pa_arrec");
    if (field < 0 && !header.fields.empty())
        field = 0;
    KeyMatcher matcher = KeyMatcher::all();
    if (field >= 0) {
        const QString key = keyFromFirstRecord(header, field, bytes, decoder);
        const QString name = QString::fromLatin1(header.fields[field].name);
        search.condition = searchConditionText(name, key);
        try {
            matcher = KeyMatcher::forField(header, field, key, codePageName);
        } catch (const Failure&) {
            return search;
        }
    }
    QByteArray copy = bytes.toByteArray();
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const ScanResult result = scanRecords(buffer, header.headerLength, header.recordsToRead(bytes.size()),
                                          header.recordLength, matcher);
    check(result.matches >= 0 && result.matches <= header.recordsToRead(bytes.size()),
          "match count in range");
    check(result.matches == 0 || result.firstMatch.size() == header.recordLength,
          "first match is one record");
    for (int f = 0; f < static_cast<int>(header.fields.size()); ++f)
        decodeField(header, f, result.firstMatch, decoder);
    search.matches = result.matches;
    return search;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir(u"/dev/shm/tervano-fuzz-XXXXXX"_s);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    std::optional<DbfHeader> header;
    try {
        header = parseDbfHeader(bytes, bytes.size());
    } catch (const DamagedTable& damaged) {
        check(!damaged.reason.isEmpty(), "a damaged table says why");
    }
    Search search;
    if (header) {
        check(header->recordLength > 0, "record length positive");
        for (const DbfField& f : header->fields)
            check(f.offset >= 1 && f.length >= 0 && f.offset + f.length <= header->recordLength,
                  "field inside record");
        search = searchBytes(bytes, *header);
    }

    // The same bytes as a file, through the component the window uses and the dump.
    const QString path = dir.isValid() ? dir.filePath(u"arrec.dbf"_s) : u"arrec.dbf"_s;
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(bytes.data(), bytes.size());
    }
    CollectionTable table(u"t1"_s);
    table.setTablePath(path);
    table.setFilter(search.condition);
    table.setFiltered(!search.condition.isEmpty());
    try {
        table.open();
        check(header.has_value(), "a table the parser rejects does not open");
        check(search.matches.has_value(), "a condition refused from bytes is refused from the file");
        check(table.recordCount() == *search.matches, "file and bytes agree on the count");
        for (const DbfField& f : header->fields) {
            try {
                table.fieldByName(QString::fromLatin1(f.name));
            } catch (const Failure&) {
            }
        }
    } catch (const Failure& failure) {
        check(!failure.message().isEmpty(), "a failure says why");
    }
    try {
        const QJsonObject dump = dumpTable(path);
        check(header.has_value(), "a table the parser rejects is not dumped");
        check(dump.value(u"live_record_count"_s).toInteger() +
                      dump.value(u"deleted_record_count"_s).toInteger() ==
                  header->recordsToRead(bytes.size()),
              "the dump holds every record read");
    } catch (const Failure&) {
        check(!header.has_value(), "the dump fails only where the parser does");
    }
    return 0;
}
