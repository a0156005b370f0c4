#include "lookup/fielddecoder.h"

#include <QtEndian>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>
#include <stdlib.h>

namespace tervano::lookup {

namespace {

bool isPad(char c) { return c == ' ' || c == '\0'; }

QByteArrayView trimPadding(QByteArrayView b)
{
    qsizetype begin = 0, end = b.size();
    while (end > 0 && isPad(b[end - 1]))
        --end;
    while (begin < end && isPad(b[begin]))
        ++begin;
    return b.sliced(begin, end - begin);
}

QByteArrayView trimRight(QByteArrayView b)
{
    qsizetype end = b.size();
    while (end > 0 && isPad(b[end - 1]))
        --end;
    return b.first(end);
}

// Julian day numbers as FoxPro date-time fields and dBase 7 timestamps store them.
QDateTime fromJulianAndMs(qint64 julianDay, qint64 ms)
{
    const QDate date = QDate::fromJulianDay(julianDay);
    if (!date.isValid() || ms < 0 || ms >= 86400000LL)
        return {};
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

FieldValue decodeDate(QByteArrayView b)
{
    const QByteArrayView t = trimPadding(b);
    if (t.size() < 8)
        return FieldValue::blank();
    int parts[3] = {0, 0, 0};
    const int widths[3] = {4, 2, 2};
    int at = 0;
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < widths[p]; ++i, ++at) {
            const char c = t[at];
            if (c < '0' || c > '9')
                return FieldValue::blank();
            parts[p] = parts[p] * 10 + (c - '0');
        }
    }
    const QDate d(parts[0], parts[1], parts[2]);
    return d.isValid() ? FieldValue::fromDate(d) : FieldValue::blank();
}

FieldValue decodeNumber(const DbfField& field, QByteArrayView b)
{
    double value = 0;
    qint64 whole = 0;
    bool isWhole = false;
    if (!parseNumericText(b, &value, &whole, &isWhole))
        return FieldValue::blank();
    if (isWhole && field.decimals == 0)
        return FieldValue::fromInteger(whole);
    return FieldValue::fromReal(value);
}

// dBase 7 stores numbers big-endian with the sign bit flipped, so that bytes sort as numbers.
qint64 level7Integer(QByteArrayView b)
{
    quint32 raw = qFromBigEndian<quint32>(b.data());
    return static_cast<qint32>(raw ^ 0x80000000u);
}

double level7Double(QByteArrayView b)
{
    quint64 raw = qFromBigEndian<quint64>(b.data());
    raw = (raw & 0x8000000000000000ULL) ? (raw ^ 0x8000000000000000ULL) : ~raw;
    double d;
    std::memcpy(&d, &raw, sizeof d);
    return d;
}

// Text bytes below 0x80 are ASCII in every code page the tables use; ICU's IBM pages would
// otherwise swap some control characters (0x1A, 0x1C, 0x7F).
QString decodeText(QStringDecoder& decoder, QByteArrayView bytes)
{
    QString text = decoder.decode(bytes);
    if (text.size() == bytes.size()) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (b < 0x80)
                text[i] = QChar(char16_t(b));
        }
    }
    return text;
}

} // namespace

QByteArrayView fieldBytes(const DbfField& field, QByteArrayView record)
{
    if (field.offset + field.length > record.size())
        return {};
    return record.sliced(field.offset, field.length);
}

bool isNullByFlags(const DbfHeader& header, const DbfField& field, QByteArrayView record)
{
    if (field.nullBit < 0 || header.nullFlagsField < 0)
        return false;
    const QByteArrayView flags = fieldBytes(header.fields[header.nullFlagsField], record);
    const int byte = field.nullBit / 8;
    if (byte >= flags.size())
        return false;
    return (static_cast<quint8>(flags[byte]) >> (field.nullBit % 8)) & 1;
}

bool isMemoPointer(const DbfHeader&, const DbfField& field)
{
    switch (field.type) {
    case 'M': case 'G': case 'P': case 'W':
        return true;
    case 'B':
        return field.length != 8; // a double in FoxPro tables, a binary memo elsewhere
    default:
        return false;
    }
}

bool parseNumericText(QByteArrayView bytes, double* value, qint64* whole, bool* isWhole)
{
    const QByteArrayView t = trimPadding(bytes);
    if (t.isEmpty() || t.size() > 64)
        return false;
    char buffer[72];
    std::memcpy(buffer, t.data(), t.size());
    buffer[t.size()] = '\0';
    // Only plain decimal notation and an exponent; "1234." is a whole number.
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char c = buffer[i];
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return false;
    }
    // The C locale's decimal point, whatever the user's locale says ("12.50" stays 12.5
    // under pt_BR, whose decimal separator is the comma).
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    char* end = nullptr;
    const double d = strtod_l(buffer, &end, cLocale);
    if (end != buffer + t.size() || !std::isfinite(d))
        return false;
    *value = d;
    *isWhole = false;
    char* intEnd = nullptr;
    errno = 0;
    const long long i = std::strtoll(buffer, &intEnd, 10);
    if (errno == 0 && intEnd != buffer) {
        const char* rest = intEnd;
        if (*rest == '.')
            ++rest;
        while (*rest == '0')
            ++rest;
        if (*rest == '\0') {
            *whole = i;
            *isWhole = true;
        }
    }
    return true;
}

FieldValue decodeField(const DbfHeader& header, int fieldIndex, QByteArrayView record, QStringDecoder& decoder)
{
    const DbfField& field = header.fields[fieldIndex];
    const QByteArrayView b = fieldBytes(field, record);
    if (b.isEmpty() || isNullByFlags(header, field, record))
        return FieldValue::blank();
    const bool level7 = (header.version & 0x07) == 4;
    switch (field.type) {
    case 'C': {
        const QByteArrayView t = trimRight(b);
        if (t.isEmpty())
            return FieldValue::blank();
        return FieldValue::fromText(decodeText(decoder, t));
    }
    case 'V': {
        QByteArrayView t = b;
        if (field.varLengthBit >= 0 && header.nullFlagsField >= 0) {
            const QByteArrayView flags = fieldBytes(header.fields[header.nullFlagsField], record);
            const int byte = field.varLengthBit / 8;
            if (byte < flags.size() && ((static_cast<quint8>(flags[byte]) >> (field.varLengthBit % 8)) & 1))
                t = b.first(std::min<qsizetype>(static_cast<quint8>(b.back()), b.size() - 1));
        }
        t = trimRight(t);
        if (t.isEmpty())
            return FieldValue::blank();
        return FieldValue::fromText(decodeText(decoder, t));
    }
    case 'N': case 'F':
        return decodeNumber(field, b);
    case 'D':
        return decodeDate(b);
    case 'L':
        switch (b[0]) {
        case 'T': case 't': case 'Y': case 'y': return FieldValue::fromLogical(true);
        case 'F': case 'f': case 'N': case 'n': return FieldValue::fromLogical(false);
        default: return FieldValue::blank();
        }
    case 'I': case '+':
        if (b.size() < 4)
            return FieldValue::blank();
        if (level7)
            return FieldValue::fromInteger(level7Integer(b));
        return FieldValue::fromInteger(qFromLittleEndian<qint32>(b.data()));
    case 'O':
        if (b.size() < 8)
            return FieldValue::blank();
        return FieldValue::fromReal(level7Double(b));
    case 'B':
        if (isMemoPointer(header, field) || b.size() < 8)
            return FieldValue::blank();
        return FieldValue::fromReal(qFromLittleEndian<double>(b.data()));
    case 'Y':
        if (b.size() < 8)
            return FieldValue::blank();
        return FieldValue::fromReal(static_cast<double>(qFromLittleEndian<qint64>(b.data())) / 10000.0);
    case 'T': case '@': {
        if (b.size() < 8)
            return FieldValue::blank();
        qint64 day, ms;
        if (field.type == '@') {
            // dBase 7: milliseconds since 1 Jan 4713 BC as a flipped big-endian double.
            const double total = level7Double(b);
            if (total == 0)
                return FieldValue::blank();
            // Beyond any date QDate holds (and NaN): no value, and no overflowing conversion.
            if (!(std::fabs(total) < 1e17))
                return FieldValue::blank();
            day = static_cast<qint64>(total / 86400000.0);
            ms = static_cast<qint64>(std::llround(total - day * 86400000.0));
        } else {
            day = qFromLittleEndian<qint32>(b.data());
            ms = qFromLittleEndian<qint32>(b.data() + 4);
            if (day == 0 && ms == 0)
                return FieldValue::blank();
        }
        const QDateTime t = fromJulianAndMs(day, ms);
        return t.isValid() ? FieldValue::fromDateTime(t) : FieldValue::blank();
    }
    case 'M': case 'G': case 'P': case 'W': case 'Q': case '0':
        return FieldValue::blank();
    default: {
        const QByteArrayView t = trimRight(b);
        if (t.isEmpty())
            return FieldValue::blank();
        return FieldValue::fromText(decodeText(decoder, t));
    }
    }
}

} // namespace tervano::lookup
