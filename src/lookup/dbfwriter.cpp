#include "lookup/dbfwriter.h"

#include <QDate>
#include <QFile>
#include <QStringEncoder>
#include <QtEndian>

#include <cstring>

namespace tervano::lookup {

DbfWriter::DbfWriter(std::vector<DbfFieldSpec> fields, quint8 languageDriver, QByteArray codePage, quint8 version)
    : m_fields(std::move(fields)), m_languageDriver(languageDriver), m_codePage(std::move(codePage)),
      m_version(version)
{
    for (const DbfFieldSpec& f : m_fields) {
        m_offsets.push_back(m_recordLength);
        m_recordLength += f.length;
    }
}

QByteArray DbfWriter::header(quint32 recordCount) const
{
    QByteArray h(headerLength(), '\0');
    char* p = h.data();
    p[0] = static_cast<char>(m_version);
    const QDate today = QDate::currentDate();
    p[1] = static_cast<char>(today.year() - 1900);
    p[2] = static_cast<char>(today.month());
    p[3] = static_cast<char>(today.day());
    qToLittleEndian<quint32>(recordCount, p + 4);
    qToLittleEndian<quint16>(static_cast<quint16>(headerLength()), p + 8);
    qToLittleEndian<quint16>(static_cast<quint16>(m_recordLength), p + 10);
    p[29] = static_cast<char>(m_languageDriver);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        char* d = p + 32 + 32 * i;
        const DbfFieldSpec& f = m_fields[i];
        std::memcpy(d, f.name.constData(), std::min<qsizetype>(f.name.size(), 10));
        d[11] = f.type;
        qToLittleEndian<quint32>(static_cast<quint32>(m_offsets[i]), d + 12);
        d[16] = static_cast<char>(f.length & 0xFF);
        d[17] = static_cast<char>(f.decimals);
    }
    h[h.size() - 1] = 0x0D;
    return h;
}

void DbfWriter::encodeRecord(const QStringList& values, char* out, bool deleted) const
{
    std::memset(out, ' ', m_recordLength);
    out[0] = deleted ? '*' : ' ';
    QStringEncoder encoder(m_codePage.constData());
    for (size_t i = 0; i < m_fields.size() && i < static_cast<size_t>(values.size()); ++i) {
        const DbfFieldSpec& f = m_fields[i];
        const QByteArray bytes = encoder.encode(values[int(i)]);
        const qsizetype n = std::min<qsizetype>(bytes.size(), f.length);
        char* at = out + m_offsets[i];
        if (f.type == 'N' || f.type == 'F')
            std::memcpy(at + f.length - n, bytes.constData(), n); // right-aligned
        else
            std::memcpy(at, bytes.constData(), n);
    }
}

QByteArray DbfWriter::record(const QStringList& values, bool deleted) const
{
    QByteArray r(m_recordLength, ' ');
    encodeRecord(values, r.data(), deleted);
    return r;
}

QByteArray DbfWriter::table(const std::vector<QStringList>& records, const std::vector<bool>& deleted) const
{
    QByteArray out = header(static_cast<quint32>(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        out += record(records[i], i < deleted.size() && deleted[i]);
    out += '\x1A';
    return out;
}

bool DbfWriter::writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace tervano::lookup
