#include "lookup/arrecsample.h"

#include <QDate>
#include <QRandomGenerator>

#include <memory>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

namespace {

const char16_t* const kFirstNames[] = {u"José", u"Maria", u"João", u"Ana", u"Antônio", u"Francisca", u"Luís",
                                      u"Conceição", u"Sebastião", u"Luíza", u"Raimundo", u"Fátima"};
const char16_t* const kSurnames[] = {u"da Silva", u"dos Santos", u"Araújo", u"Gonçalves", u"Magalhães", u"Simões",
                                    u"Conceição", u"Brandão", u"Falcão", u"Assunção", u"Guimarães", u"Lourenço"};
const char16_t* const kStreets[] = {u"Rua São João", u"Avenida Getúlio Vargas", u"Rua Tiradentes",
                                   u"Travessa Conceição", u"Rua Marechal Deodoro", u"Praça da Matriz",
                                   u"Rua Dom Pedro II", u"Avenida Brasília"};
const char16_t* const kDistricts[] = {u"Centro", u"São José", u"Jardim América", u"Vila Operária",
                                     u"Boa Vista", u"Santa Luzia"};

template <size_t N>
QString pick(const char16_t* const (&list)[N], QRandomGenerator& random)
{
    return QString::fromUtf16(list[random.bounded(static_cast<quint32>(N))]);
}

} // namespace

DbfWriter arrecSampleWriter(bool numericKey)
{
    std::vector<DbfFieldSpec> fields = {
        numericKey ? DbfFieldSpec{"PA_ARREC", 'N', 17, 0} : DbfFieldSpec{"PA_ARREC", 'C', 17, 0},
        {"DB_COD", 'N', 8, 0},   {"DB_UNID", 'C', 7, 0},  {"DB_TRIB", 'N', 3, 0},   {"DB_ANO", 'N', 4, 0},
        {"DB_STRIB", 'N', 3, 0}, {"PA_PARC", 'N', 3, 0},  {"PA_VRPARC", 'N', 12, 2}, {"PA_DTVENC", 'D', 8, 0},
        {"PA_DTEMI", 'D', 8, 0}, {"DB_NOME", 'C', 40, 0}, {"DB_ENDER", 'C', 50, 0}, {"DB_BAIRRO", 'C', 20, 0},
        {"PA_PAGO", 'L', 1, 0},  {"PA_DTPAG", 'D', 8, 0}, {"DB_SITUAC", 'C', 1, 0},
    };
    return DbfWriter(std::move(fields), 0x57, QByteArrayLiteral("windows-1252"));
}

QString arrecSampleNumber(qint64 index)
{
    const qint64 slot = (index % 97 == 50) ? index - 1 : index;
    return QString::number(24100000000LL + 3 * slot);
}

bool writeArrecSample(QIODevice& out, const ArrecSampleOptions& options)
{
    const DbfWriter writer = arrecSampleWriter(options.numericKey);
    if (out.write(writer.header(static_cast<quint32>(options.records))) != writer.headerLength())
        return false;
    QRandomGenerator random(options.seed);
    const qint64 perBlock = std::max<qint64>(1, (1 << 20) / writer.recordLength());
    const auto block = std::make_unique<char[]>(perBlock * writer.recordLength());
    const QDate firstDue(2011, 1, 10);
    qint64 done = 0;
    while (done < options.records) {
        const qint64 n = std::min(perBlock, options.records - done);
        for (qint64 i = 0; i < n; ++i) {
            const qint64 index = done + i;
            const int year = 2009 + static_cast<int>(index / 50000 % 5);
            const int instalment = 1 + static_cast<int>(index % 12);
            const QDate due = firstDue.addYears(year - 2011).addMonths(instalment - 1);
            const QDate issued = QDate(year, 1, 2).addDays(random.bounded(20));
            const bool paid = random.bounded(3) == 0;
            const qint64 cents = 1500 + random.bounded(250000);
            QStringList values = {
                arrecSampleNumber(index),
                QString::number(1000 + index / 12 % 9000000),
                u"%1"_s.arg(1 + random.bounded(40), 3, 10, QLatin1Char('0')),
                QString::number(1 + random.bounded(12)),
                QString::number(year),
                QString::number(random.bounded(4)),
                QString::number(instalment),
                u"%1.%2"_s.arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0')),
                due.toString(u"yyyyMMdd"_s),
                issued.toString(u"yyyyMMdd"_s),
                pick(kFirstNames, random) + u' ' + pick(kSurnames, random),
                pick(kStreets, random) + u", " + QString::number(1 + random.bounded(2000)),
                pick(kDistricts, random),
                paid ? u"T"_s : u"F"_s,
                paid ? due.addDays(-random.bounded(10)).toString(u"yyyyMMdd"_s) : QString(),
                u"A"_s,
            };
            writer.encodeRecord(values, block.get() + i * writer.recordLength());
        }
        const qint64 bytes = n * writer.recordLength();
        if (out.write(block.get(), bytes) != bytes)
            return false;
        done += n;
    }
    return out.write("\x1A", 1) == 1;
}

} // namespace tervano::lookup
