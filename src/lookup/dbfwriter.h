#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <vector>

namespace tervano::lookup {

struct DbfFieldSpec
{
    QByteArray name;
    char type = 'C';
    int length = 10;
    int decimals = 0;
};

// A minimal dBase III writer for the sample-table tool, the tests and the benchmark: the
// application itself never writes a table. Values are given as the text they are stored as
// (numbers right-aligned by the writer, dates as yyyyMMdd, logicals as T/F); characters are
// converted into the table's code page.
class DbfWriter
{
public:
    explicit DbfWriter(std::vector<DbfFieldSpec> fields, quint8 languageDriver = 0x57,
                       QByteArray codePage = QByteArrayLiteral("windows-1252"), quint8 version = 0x03);

    int recordLength() const { return m_recordLength; }
    int headerLength() const { return 32 + 32 * static_cast<int>(m_fields.size()) + 1; }

    QByteArray header(quint32 recordCount) const;
    // Writes one record into `out` (recordLength() bytes); a missing value is stored blank.
    void encodeRecord(const QStringList& values, char* out, bool deleted = false) const;
    QByteArray record(const QStringList& values, bool deleted = false) const;

    // A whole table in memory: header, records, end-of-file byte.
    QByteArray table(const std::vector<QStringList>& records, const std::vector<bool>& deleted = {}) const;
    static bool writeFile(const QString& path, const QByteArray& bytes);

private:
    std::vector<DbfFieldSpec> m_fields;
    std::vector<int> m_offsets;
    int m_recordLength = 1;
    quint8 m_languageDriver;
    QByteArray m_codePage;
    quint8 m_version;
};

} // namespace tervano::lookup
