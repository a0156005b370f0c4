#include "lookup/dbfheader.h"

#include <QtEndian>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

namespace {

quint16 u16(QByteArrayView b, qsizetype at) { return qFromLittleEndian<quint16>(b.data() + at); }
quint32 u32(QByteArrayView b, qsizetype at) { return qFromLittleEndian<quint32>(b.data() + at); }
quint8 u8(QByteArrayView b, qsizetype at) { return static_cast<quint8>(b[at]); }

QByteArray nameUntilNul(QByteArrayView b, qsizetype at, qsizetype size)
{
    QByteArrayView name = b.sliced(at, size);
    const qsizetype nul = name.indexOf('\0');
    if (nul >= 0)
        name = name.first(nul);
    return name.trimmed().toByteArray();
}

struct Layout
{
    int firstDescriptor = 32;
    int descriptorSize = 32;
    int typeAt = 11, lengthAt = 16, decimalsAt = 17, flagsAt = 18;
    int nameSize = 11;
};

// dBase II keeps a shorter header: count and record length at other places, 16-byte
// descriptors, and the records after a fixed area of 32 descriptors.
DbfHeader parseDbase2(QByteArrayView bytes, qint64 fileSize)
{
    if (bytes.size() < 9)
        throw DamagedTable{u"o cabeçalho está incompleto"_s};
    DbfHeader h;
    h.version = 0x02;
    h.recordCount = u16(bytes, 1);
    h.recordLength = u16(bytes, 6);
    int at = 8;
    int offset = 1;
    while (at + 16 <= bytes.size() && u8(bytes, at) != 0x0D && h.fields.size() < 32) {
        DbfField f;
        f.name = nameUntilNul(bytes, at, 11);
        f.type = static_cast<char>(bytes[at + 11]);
        f.length = u8(bytes, at + 12);
        f.decimals = u8(bytes, at + 15);
        f.offset = offset;
        offset += f.length;
        h.fields.push_back(std::move(f));
        at += 16;
    }
    h.headerLength = 8 + 32 * 16 + 1;
    if (h.headerLength > fileSize)
        h.headerLength = at + 1;
    if (h.recordLength <= 0 || offset > h.recordLength)
        throw DamagedTable{u"os campos não cabem no tamanho do registro"_s};
    return h;
}

} // namespace

bool isVisualFoxProVersion(quint8 version) { return version == 0x30 || version == 0x31 || version == 0x32; }

int DbfHeader::fieldIndex(QStringView name) const
{
    for (size_t i = 0; i < fields.size(); ++i) {
        if (QLatin1StringView(fields[i].name).compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

qint64 DbfHeader::recordsToRead(qint64 fileSize) const
{
    if (recordLength <= 0 || fileSize <= headerLength)
        return 0;
    return std::min<qint64>(recordCount, (fileSize - headerLength) / recordLength);
}

int dbfHeaderLength(QByteArrayView firstBytes)
{
    if (firstBytes.size() < 12)
        return 0;
    if (u8(firstBytes, 0) == 0x02)
        return 8 + 32 * 16 + 1;
    return u16(firstBytes, 8);
}

DbfHeader parseDbfHeader(QByteArrayView bytes, qint64 fileSize)
{
    if (fileSize == 0)
        throw DamagedTable{u"o arquivo está vazio"_s};
    if (bytes.size() < kDbfFixedHeaderSize)
        throw DamagedTable{u"o arquivo é curto demais para uma tabela dBase (%1 bytes)"_s.arg(fileSize)};
    const quint8 version = u8(bytes, 0);
    if (version == 0x02)
        return parseDbase2(bytes, fileSize);

    DbfHeader h;
    h.version = version;
    h.recordCount = u32(bytes, 4);
    h.headerLength = u16(bytes, 8);
    h.recordLength = u16(bytes, 10);
    h.languageDriver = u8(bytes, 29);
    h.visualFoxPro = isVisualFoxProVersion(version);

    Layout layout;
    const bool level7 = (version & 0x07) == 4;
    if (level7) {
        layout = Layout{68, 48, 32, 33, 34, 35, 32};
    }
    if (h.headerLength < kDbfFixedHeaderSize)
        throw DamagedTable{u"o cabeçalho declara um tamanho impossível (%1 bytes)"_s.arg(h.headerLength)};
    if (h.headerLength > fileSize)
        throw DamagedTable{u"o cabeçalho declara %1 bytes, mas o arquivo tem só %2"_s.arg(h.headerLength).arg(fileSize)};
    if (h.recordLength <= 0)
        throw DamagedTable{u"o tamanho de registro declarado é zero"_s};

    const qsizetype end = std::min<qsizetype>(bytes.size(), h.headerLength);
    qsizetype at = layout.firstDescriptor;
    while (at + layout.descriptorSize <= end && u8(bytes, at) != 0x0D) {
        DbfField f;
        f.name = nameUntilNul(bytes, at, layout.nameSize);
        f.type = static_cast<char>(bytes[at + layout.typeAt]);
        f.length = u8(bytes, at + layout.lengthAt);
        f.decimals = u8(bytes, at + layout.decimalsAt);
        if (h.visualFoxPro)
            f.nullable = (u8(bytes, at + layout.flagsAt) & 0x02) != 0;
        h.fields.push_back(std::move(f));
        at += layout.descriptorSize;
    }

    // Offsets come from the lengths: many FoxPro tables store wrong offsets in their
    // descriptors. Clipper stores long character fields' length partly in the decimals byte.
    auto layOut = [&h](bool clipperLengths) {
        int offset = 1;
        for (DbfField& f : h.fields) {
            int length = f.length;
            if (clipperLengths && f.type == 'C')
                length += 256 * f.decimals;
            offset += length;
        }
        return offset;
    };
    const bool clipper = layOut(false) != h.recordLength && layOut(true) == h.recordLength;
    int offset = 1;
    for (DbfField& f : h.fields) {
        if (clipper && f.type == 'C') {
            f.length += 256 * f.decimals;
            f.decimals = 0;
        }
        f.offset = offset;
        offset += f.length;
    }
    if (offset > h.recordLength)
        throw DamagedTable{u"os campos somam %1 bytes, mais que o registro de %2 bytes"_s.arg(offset).arg(
            h.recordLength)};

    if (h.visualFoxPro) {
        int bit = 0;
        for (size_t i = 0; i < h.fields.size(); ++i) {
            DbfField& f = h.fields[i];
            if (f.type == '0') {
                h.nullFlagsField = static_cast<int>(i);
                continue;
            }
            if (f.type == 'V' || f.type == 'Q')
                f.varLengthBit = bit++;
            if (f.nullable)
                f.nullBit = bit++;
        }
        if (h.nullFlagsField >= 0 && h.fields[h.nullFlagsField].length * 8 < bit)
            throw DamagedTable{u"o campo _NullFlags é curto demais"_s};
        if (h.nullFlagsField < 0) {
            for (DbfField& f : h.fields)
                f.nullBit = f.varLengthBit = -1;
        }
    }
    return h;
}

} // namespace tervano::lookup
