#include "lookup/keymatcher.h"

#include "common/failure.h"
#include "lookup/fielddecoder.h"

#include <QLocale>
#include <QStringEncoder>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

namespace {

bool isPad(char c) { return c == ' ' || c == '\0'; }

// "[-+]digits[.digits]" split into its normalised parts; false for anything else.
bool splitDecimal(const QString& text, bool* negative, QByteArray* integer, QByteArray* fraction)
{
    const QByteArray t = text.toLatin1();
    qsizetype at = 0;
    *negative = false;
    if (at < t.size() && (t[at] == '-' || t[at] == '+'))
        *negative = t[at++] == '-';
    const qsizetype intStart = at;
    while (at < t.size() && t[at] >= '0' && t[at] <= '9')
        ++at;
    QByteArray i = t.mid(intStart, at - intStart);
    QByteArray f;
    if (at < t.size() && t[at] == '.') {
        const qsizetype fracStart = ++at;
        while (at < t.size() && t[at] >= '0' && t[at] <= '9')
            ++at;
        f = t.mid(fracStart, at - fracStart);
    }
    if (at != t.size() || (i.isEmpty() && f.isEmpty()) || text.size() != t.size())
        return false;
    while (!i.isEmpty() && i.front() == '0')
        i.remove(0, 1);
    while (!f.isEmpty() && f.back() == '0')
        f.chop(1);
    if (i.isEmpty() && f.isEmpty())
        *negative = false;
    *integer = i;
    *fraction = f;
    return true;
}

double level7Double(const char* f)
{
    quint64 raw = qFromBigEndian<quint64>(f);
    raw = (raw & 0x8000000000000000ULL) ? (raw ^ 0x8000000000000000ULL) : ~raw;
    double d;
    std::memcpy(&d, &raw, sizeof d);
    return d;
}

} // namespace

NumberKind numberKindOf(const DbfField& field)
{
    switch (field.type) {
    case 'N':
        if (field.decimals != 0)
            return NumberKind::Float;
        if (field.length <= 4)
            return NumberKind::Int16;
        if (field.length <= 9)
            return NumberKind::Int32;
        return NumberKind::Float;
    case 'I': case '+':
        return NumberKind::Int32;
    default:
        return NumberKind::Float;
    }
}

KeyMatcher KeyMatcher::all() { return KeyMatcher(); }

KeyMatcher KeyMatcher::forField(const DbfHeader& header, int fieldIndex, const QString& key,
                                const QByteArray& codePage)
{
    const DbfField& field = header.fields[fieldIndex];
    KeyMatcher m;
    m.m_offset = field.offset;
    m.m_length = field.length;
    if (field.nullBit >= 0 && header.nullFlagsField >= 0) {
        m.m_nullByte = header.fields[header.nullFlagsField].offset + field.nullBit / 8;
        m.m_nullBit = field.nullBit;
    }
    const bool level7 = (header.version & 0x07) == 4;

    switch (field.type) {
    case 'C': case 'V': {
        QStringEncoder encoder(codePage.constData());
        m.m_key = encoder.encode(key);
        m.m_mode = Mode::Character;
        // A key the code page cannot hold, longer than the field, empty (blank fields hold no
        // value) or ending in a padding byte equals no stored value.
        if (encoder.hasError() || m.m_key.isEmpty() || m.m_key.size() > field.length || isPad(m.m_key.back()))
            m.m_mode = Mode::Never;
        return m;
    }
    case 'N': case 'F': case 'I': case '+': case 'B': case 'O': case 'Y':
        break;
    default:
        throw Failure(u"Type mismatch in expression"_s);
    }
    if (field.type == 'B' && isMemoPointer(header, field))
        throw Failure(u"Type mismatch in expression"_s);

    const NumberKind kind = numberKindOf(field);
    bool negative = false;
    QByteArray integer, fraction;
    const bool decimal = splitDecimal(key, &negative, &integer, &fraction);
    if (kind != NumberKind::Float) {
        bool ok = false;
        const qint32 v = decimal && fraction.isEmpty() ? key.toInt(&ok) : 0;
        if (!ok)
            throw Failure(u"'%1' is not a valid integer value"_s.arg(key));
        if (kind == NumberKind::Int16 && (v < -32768 || v > 32767))
            throw Failure(u"Constant out of range"_s);
        m.m_int = v;
        m.m_value = v;
    } else {
        bool ok = false;
        m.m_value = QLocale::c().toDouble(key, &ok);
        if (!ok)
            throw Failure(u"'%1' is not a valid floating point value"_s.arg(key));
    }

    switch (field.type) {
    case 'N': case 'F':
        m.m_mode = Mode::NumericText;
        m.m_byValue = !decimal;
        m.m_negative = negative;
        m.m_key = integer;
        m.m_fraction = fraction;
        break;
    case 'I': case '+':
        m.m_mode = level7 ? Mode::Level7Int : Mode::Int32;
        if (field.length < 4)
            m.m_mode = Mode::Never;
        break;
    case 'Y':
        m.m_mode = Mode::Currency;
        break;
    case 'O':
        m.m_mode = Mode::Level7Double;
        break;
    default:
        m.m_mode = Mode::Double;
        break;
    }
    if (m.m_mode != Mode::NumericText && m.m_mode != Mode::Never && field.length < 8 && m.m_mode != Mode::Int32
        && m.m_mode != Mode::Level7Int)
        m.m_mode = Mode::Never;
    return m;
}

bool KeyMatcher::matchNumericText(const char* f) const
{
    const char* p = f;
    const char* end = f + m_length;
    while (p < end && isPad(*p))
        ++p;
    if (p == end)
        return false; // blank: no value
    if (!m_byValue) {
        bool negative = false;
        if (*p == '-' || *p == '+')
            negative = *p++ == '-';
        bool digits = false;
        while (p < end && *p == '0') {
            ++p;
            digits = true;
        }
        const char* intStart = p;
        while (p < end && *p >= '0' && *p <= '9')
            ++p;
        const char* intEnd = p;
        const char* fracStart = p;
        const char* fracEnd = p;
        if (p < end && *p == '.') {
            fracStart = ++p;
            while (p < end && *p >= '0' && *p <= '9')
                ++p;
            fracEnd = p;
        }
        digits = digits || intEnd > intStart || fracEnd > fracStart;
        while (p < end && isPad(*p))
            ++p;
        if (p == end && digits) {
            while (fracEnd > fracStart && fracEnd[-1] == '0')
                --fracEnd;
            if (intEnd == intStart && fracEnd == fracStart)
                return m_key.isEmpty() && m_fraction.isEmpty(); // zero, whatever its sign
            return negative == m_negative && intEnd - intStart == m_key.size()
                && std::memcmp(intStart, m_key.constData(), m_key.size()) == 0
                && fracEnd - fracStart == m_fraction.size()
                && std::memcmp(fracStart, m_fraction.constData(), m_fraction.size()) == 0;
        }
    }
    // Exponent forms and odd contents: compare the values the reader would hand out.
    double value = 0;
    qint64 whole = 0;
    bool isWhole = false;
    if (!parseNumericText(QByteArrayView(f, m_length), &value, &whole, &isWhole))
        return false;
    return value == m_value;
}

bool KeyMatcher::matchBinaryNumber(const char* f) const
{
    switch (m_mode) {
    case Mode::Double:
        return qFromLittleEndian<double>(f) == m_value;
    case Mode::Currency:
        return static_cast<double>(qFromLittleEndian<qint64>(f)) / 10000.0 == m_value;
    case Mode::Level7Int:
        return static_cast<qint32>(qFromBigEndian<quint32>(f) ^ 0x80000000u) == m_int;
    case Mode::Level7Double:
        return level7Double(f) == m_value;
    default:
        return false;
    }
}

} // namespace tervano::lookup
