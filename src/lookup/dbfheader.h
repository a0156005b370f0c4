#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace tervano::lookup {

// The reason a table's bytes cannot be read; the caller adds the file's name.
struct DamagedTable
{
    QString reason;
};

struct DbfField
{
    QByteArray name; // raw bytes up to the first NUL
    char type = 'C';
    int offset = 0;  // from the start of the record (the flag byte is at 0)
    int length = 0;
    int decimals = 0;
    bool nullable = false; // Visual FoxPro: a bit in _NullFlags says the value is null
    int nullBit = -1;
    int varLengthBit = -1; // Visual FoxPro V/Q: a set bit means the last byte holds the length
};

struct DbfHeader
{
    quint8 version = 0;
    quint8 languageDriver = 0;
    quint32 recordCount = 0; // as the header says
    int headerLength = 0;    // where the first record starts
    int recordLength = 0;
    bool visualFoxPro = false;
    std::vector<DbfField> fields;
    int nullFlagsField = -1; // index of _NullFlags in fields, -1 when absent

    int fieldIndex(QStringView name) const; // letter case ignored; -1 when absent
    // Whole records the file holds that the header counts: a trailing partial record and
    // records beyond the header's count (maybe being appended right now) are not read.
    qint64 recordsToRead(qint64 fileSize) const;
};

// Bytes the header parser wants to see: at least this many from the start of the file.
constexpr int kDbfFixedHeaderSize = 32;

// The length of the whole header as the first 32 bytes tell it (0 when unknown).
int dbfHeaderLength(QByteArrayView firstBytes);

// Parses the header from the file's first bytes (the whole header, or the whole file when
// shorter). Throws DamagedTable when the layout cannot be trusted.
DbfHeader parseDbfHeader(QByteArrayView bytes, qint64 fileSize);

// Field layout rules shared by the parser and its tests.
bool isVisualFoxProVersion(quint8 version);

} // namespace tervano::lookup
