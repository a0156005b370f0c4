#pragma once

#include "lookup/dbfheader.h"

#include <QByteArray>
#include <QString>

#include <cstring>

namespace tervano::lookup {

// How the search key is read for a numeric pa_arrec. N with no decimals is a small or a
// plain whole number by its width (up to 4 digits: 16-bit; 5 to 9: 32-bit), I is 32-bit;
// wider N, N with decimals, F, B, O and Y are read as floating point.
enum class NumberKind { Int16, Int32, Float };
NumberKind numberKindOf(const DbfField& field);

// Decides, from a record's raw bytes, whether it satisfies "field = key". Built once per
// search: the key is converted into the table's code page (character fields) or into its
// digits (numeric fields) beforehand, so matching a record neither allocates nor converts.
class KeyMatcher
{
public:
    // Every live record matches (no condition).
    static KeyMatcher all();
    // Throws tervano::Failure with the condition's error texts ("'%s' is not a valid
    // integer value", "Constant out of range", ...).
    static KeyMatcher forField(const DbfHeader& header, int fieldIndex, const QString& key,
                               const QByteArray& codePage);

    bool matches(const char* record) const
    {
        if (m_nullBit >= 0 && ((static_cast<unsigned char>(record[m_nullByte]) >> (m_nullBit % 8)) & 1))
            return false;
        const char* f = record + m_offset;
        switch (m_mode) {
        case Mode::All: return true;
        case Mode::Never: return false;
        case Mode::Character: return matchCharacter(f);
        case Mode::NumericText: return matchNumericText(f);
        case Mode::Int32: {
            qint32 v;
            std::memcpy(&v, f, 4); // little-endian hosts only, as the rest of the reader
            return v == m_int;
        }
        default: return matchBinaryNumber(f);
        }
    }

private:
    enum class Mode { All, Never, Character, NumericText, Int32, Double, Currency, Level7Int, Level7Double };

    bool matchCharacter(const char* f) const
    {
        if (std::memcmp(f, m_key.constData(), m_key.size()) != 0)
            return false;
        for (int i = static_cast<int>(m_key.size()); i < m_length; ++i) {
            if (f[i] != ' ' && f[i] != '\0')
                return false;
        }
        return true;
    }
    bool matchNumericText(const char* f) const;
    bool matchBinaryNumber(const char* f) const;

    Mode m_mode = Mode::All;
    int m_offset = 0;
    int m_length = 0;
    int m_nullByte = 0;
    int m_nullBit = -1;
    QByteArray m_key;        // Character: encoded key; NumericText: integer digits
    QByteArray m_fraction;   // NumericText: fraction digits without trailing zeros
    bool m_negative = false; // NumericText
    bool m_byValue = false;  // NumericText: compare as a double (key in exponent form)
    qint32 m_int = 0;
    double m_value = 0;
};

} // namespace tervano::lookup
