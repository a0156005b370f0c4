// Writes the seed tables of fuzz_dbf into the folder given as the argument: small sample
// collection tables (character and numeric key), a table of every field type, and the
// same bytes relabelled as other dBase versions, so the fuzzer starts from every layout.
#include "lookup/arrecsample.h"
#include "lookup/dbfwriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

namespace {

bool save(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    return DbfWriter::writeFile(dir.filePath(name), bytes);
}

QByteArray sample(bool numericKey, qint64 records)
{
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    writeArrecSample(out, ArrecSampleOptions{records, numericKey, 7});
    return bytes;
}

void setBinary(QByteArray& table, int headerLength, int recordLength, int record, int offset,
               QByteArrayView bytes)
{
    table.replace(headerLength + record * recordLength + offset, bytes.size(), bytes.toByteArray());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(u"."_s))
        return 1;
    bool ok = save(dir, u"arrec-text.dbf"_s, sample(false, 4)) &&
              save(dir, u"arrec-numeric.dbf"_s, sample(true, 4)) &&
              save(dir, u"arrec-empty.dbf"_s, sample(false, 0));

    // Every type the reader knows, stored as dBase III, Visual FoxPro and dBase 7 headers
    // would label it; binary fields get real binary values.
    const std::vector<DbfFieldSpec> fields = {
        {"PA_ARREC", 'C', 10, 0},  {"NUM", 'N', 9, 0}, {"DEC", 'N', 12, 2}, {"FLT", 'F', 10, 3},
        {"DAT", 'D', 8, 0},        {"LOG", 'L', 1, 0}, {"INT", 'I', 4, 0},  {"DBL", 'B', 8, 0},
        {"CUR", 'Y', 8, 0},        {"DTM", 'T', 8, 0}, {"VAR", 'V', 6, 0},  {"MEM", 'M', 10, 0},
        {"_NullFlags", '0', 1, 0},
    };
    for (const auto& [version, name] :
         {std::pair{quint8(0x03), u"types-dbase3.dbf"_s}, std::pair{quint8(0x30), u"types-foxpro.dbf"_s},
          std::pair{quint8(0x8B), u"types-dbase4-memo.dbf"_s}}) {
        const DbfWriter writer(fields, 0x57, "windows-1252", version);
        QByteArray table = writer.table({{u"123"_s, u"42"_s, u"-3.25"_s, u"1.5e3"_s, u"20240131"_s, u"T"_s},
                                         {u"Ação"_s, u"-7"_s, u""_s, u"0.001"_s, u"00000000"_s, u"?"_s},
                                         {u"123"_s, u"1"_s, u"9.99"_s, u""_s, u"20240230"_s, u"n"_s}},
                                        {false, false, true});
        const int h = writer.headerLength(), r = writer.recordLength();
        const int intAt = 1 + 10 + 9 + 12 + 10 + 8 + 1;
        setBinary(table, h, r, 0, intAt, QByteArrayView("\x2A\x00\x00\x00", 4));
        setBinary(table, h, r, 0, intAt + 4, QByteArrayView("\x00\x00\x00\x00\x00\x00\xF0\x3F", 8));
        setBinary(table, h, r, 0, intAt + 12, QByteArrayView("\x10\x27\x00\x00\x00\x00\x00\x00", 8));
        setBinary(table, h, r, 0, intAt + 20, QByteArrayView("\x8C\x83\x25\x00\x80\xEE\x36\x00", 8));
        setBinary(table, h, r, 1, r - 1, QByteArrayView("\x03", 1));
        ok = ok && save(dir, name, table);
    }

    // dBase II: 16-byte descriptors, the records after a fixed area.
    QByteArray dbase2(8 + 32 * 16 + 1, '\0');
    dbase2[0] = 0x02;
    dbase2[1] = 2;         // records
    dbase2[6] = 1 + 5 + 3; // record length
    dbase2.replace(8, 5, "PA_ARREC", 5);
    dbase2[8 + 11] = 'C';
    dbase2[8 + 12] = 5;
    dbase2.replace(24, 3, "NUM", 3);
    dbase2[24 + 11] = 'N';
    dbase2[24 + 12] = 3;
    dbase2[40] = 0x0D;
    dbase2 += " 12345 42 abc  -1\x1A";
    ok = ok && save(dir, u"dbase2.dbf"_s, dbase2);
    return ok ? 0 : 1;
}
