#include "lookup/tabledump.h"

#include "common/failure.h"
#include "lookup/codepage.h"
#include "lookup/dbfheader.h"
#include "lookup/fielddecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QStringDecoder>
#include <QtEndian>

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

namespace {

QString hexByte(quint8 b) { return u"0x%1"_s.arg(b, 2, 16, QLatin1Char('0')); }

QJsonValue hexValue(QByteArrayView bytes)
{
    return QJsonObject{{u"hex"_s, QString::fromLatin1(bytes.toByteArray().toHex())}};
}

// Currency: the exact decimal value, without trailing zeros ("32.38", "-20").
QString currencyText(qint64 scaled)
{
    const bool negative = scaled < 0;
    const quint64 magnitude = negative ? 0 - quint64(scaled) : quint64(scaled);
    QString text = QString::number(magnitude / 10000);
    QString fraction = u"%1"_s.arg(magnitude % 10000, 4, 10, QLatin1Char('0'));
    while (fraction.endsWith(u'0'))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += u'.' + fraction;
    return negative ? u'-' + text : text;
}

// Numeric text written as a whole number (no point, no exponent): shown as an integer.
bool isIntegerLiteral(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c == '.' || c == 'e' || c == 'E')
            return false;
    }
    return true;
}

QJsonValue jsonValue(const DbfHeader& header, int index, QByteArrayView record, QStringDecoder& decoder)
{
    const DbfField& field = header.fields[index];
    const QByteArrayView bytes = fieldBytes(field, record);
    switch (field.type) {
    case '0': case 'Q': case 'W':
        return hexValue(bytes);
    default:
        break;
    }
    if (isMemoPointer(header, field))
        return QJsonValue::Null;
    const FieldValue v = decodeField(header, index, record, decoder);
    switch (v.kind) {
    case FieldValue::Kind::Blank:
        if ((field.type == 'C' || field.type == 'V') && !isNullByFlags(header, field, record))
            return u""_s;
        return QJsonValue::Null;
    case FieldValue::Kind::Text: return v.text;
    case FieldValue::Kind::Integer:
    case FieldValue::Kind::Real:
        if (field.type == 'Y')
            return currencyText(qFromLittleEndian<qint64>(bytes.data()));
        if (field.type == 'F' || (field.type == 'N' && !isIntegerLiteral(bytes)))
            return shortestDoubleText(v.kind == FieldValue::Kind::Real ? v.real : double(v.integer));
        if (v.kind == FieldValue::Kind::Integer)
            return v.integer;
        if (field.type == 'N' && std::fabs(v.real) < 9e18)
            return static_cast<qint64>(v.real); // a whole number in a field with decimals
        return shortestDoubleText(v.real);
    case FieldValue::Kind::Date: return v.date.toString(Qt::ISODate);
    case FieldValue::Kind::Logical: return v.logical;
    case FieldValue::Kind::DateTime: {
        const QTime t = v.dateTime.time();
        QString text = v.dateTime.date().toString(Qt::ISODate) + u'T' + t.toString(u"HH:mm:ss"_s);
        if (t.msec() != 0)
            text += u".%1"_s.arg(t.msec() * 1000, 6, 10, QLatin1Char('0'));
        return text;
    }
    }
    return QJsonValue::Null;
}

} // namespace

QString shortestDoubleText(double value)
{
    if (std::isnan(value))
        return u"nan"_s;
    if (std::isinf(value))
        return value > 0 ? u"inf"_s : u"-inf"_s;
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const QByteArray sci(buffer, r.ptr - buffer);
    const qsizetype e = sci.indexOf('e');
    const int exponent = sci.mid(e + 1).toInt();
    QByteArray digits = sci.left(e);
    const bool negative = digits.startsWith('-');
    if (negative)
        digits.remove(0, 1);
    digits.replace(".", "");
    QByteArray out;
    if (exponent >= -4 && exponent < 16) {
        if (exponent < 0) {
            out = "0." + QByteArray(-exponent - 1, '0') + digits;
        } else if (digits.size() <= exponent + 1) {
            out = digits + QByteArray(exponent + 1 - digits.size(), '0') + ".0";
        } else {
            out = digits.left(exponent + 1) + '.' + digits.mid(exponent + 1);
        }
    } else {
        out = digits.left(1);
        if (digits.size() > 1)
            out += '.' + digits.mid(1);
        out += 'e';
        out += exponent < 0 ? '-' : '+';
        out += QByteArray::number(std::abs(exponent)).rightJustified(2, '0');
    }
    return QString::fromLatin1((negative ? "-" : "") + out);
}

QJsonObject dumpTable(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        throw Failure(u"Não foi possível abrir a tabela \"%1\": o arquivo não existe"_s.arg(shown));
    if (info.isDir())
        throw Failure(u"Não foi possível abrir a tabela \"%1\": o caminho é uma pasta, não um arquivo"_s.arg(shown));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(u"Não foi possível abrir a tabela \"%1\": %2"_s.arg(shown, file.errorString()));
    const QByteArray all = file.readAll();
    DbfHeader header;
    try {
        header = parseDbfHeader(all, all.size());
    } catch (const DamagedTable& damaged) {
        throw Failure(u"A tabela \"%1\" está danificada: %2"_s.arg(shown, damaged.reason));
    }
    const CodePage codePage = codePageForTable(path, header.languageDriver);
    QStringDecoder decoder(codePage.name.constData(), QStringDecoder::Flag::Stateless);

    const qint64 toRead = header.recordsToRead(all.size());
    const qint64 slotCount = all.size() > header.headerLength ? (all.size() - header.headerLength) / header.recordLength : 0;
    QJsonObject head{
        {u"version_byte"_s, hexByte(header.version)},
        {u"language_driver"_s, hexByte(header.languageDriver)},
        {u"header_length"_s, header.headerLength},
        {u"record_length"_s, header.recordLength},
        {u"record_count"_s, static_cast<qint64>(header.recordCount)},
        {u"file_size"_s, static_cast<qint64>(all.size())},
        {u"record_slots_in_file"_s, slotCount},
        {u"records_read"_s, toRead},
    };
    QJsonArray fields;
    for (const DbfField& f : header.fields) {
        fields.append(QJsonObject{{u"name"_s, QString(decoder.decode(f.name))},
                                  {u"type"_s, QString(QLatin1Char(f.type))},
                                  {u"length"_s, f.length},
                                  {u"decimals"_s, f.decimals}});
    }
    QJsonArray live, deleted;
    for (qint64 i = 0; i < toRead; ++i) {
        const QByteArrayView record(all.constData() + header.headerLength + i * header.recordLength,
                                    header.recordLength);
        QJsonObject values;
        for (int f = 0; f < static_cast<int>(header.fields.size()); ++f)
            values.insert(QString(decoder.decode(header.fields[f].name)), jsonValue(header, f, record, decoder));
        (record[0] == '*' ? deleted : live).append(values);
    }
    return QJsonObject{
        {u"reader"_s, u"tervano"_s},
        {u"file"_s, info.fileName()},
        {u"header"_s, head},
        {u"encoding"_s, QString::fromLatin1(codePage.name)},
        {u"encoding_source"_s, codePage.source},
        {u"fields"_s, fields},
        {u"records"_s, live},
        {u"deleted_records"_s, deleted},
        {u"live_record_count"_s, live.size()},
        {u"deleted_record_count"_s, deleted.size()},
    };
}

} // namespace tervano::lookup
