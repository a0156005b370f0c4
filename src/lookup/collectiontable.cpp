#include "lookup/collectiontable.h"

#include "common/failure.h"
#include "lookup/codepage.h"
#include "lookup/dbfheader.h"
#include "lookup/fielddecoder.h"
#include "lookup/keymatcher.h"
#include "lookup/recordscanner.h"
#include "lookup/searchcondition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

struct CollectionTable::State
{
    QString name;
    QString path;
    QString filter;
    bool filtered = false;
    bool open = false;
    DbfHeader header;
    QByteArray codePage;
    qint64 matches = 0;
    QByteArray current; // the record the table stands on; empty when no record matched
};

CollectionTable::CollectionTable(QString componentName) : d(std::make_unique<State>())
{
    d->name = std::move(componentName);
}
CollectionTable::~CollectionTable() = default;
const QString& CollectionTable::name() const { return d->name; }

void CollectionTable::close()
{
    d->open = false;
    d->matches = 0;
    d->current.clear();
    d->header = DbfHeader();
}

bool CollectionTable::isOpen() const { return d->open; }
void CollectionTable::setTablePath(const QString& path) { d->path = path; }
const QString& CollectionTable::tablePath() const { return d->path; }
void CollectionTable::setFilter(const QString& expression) { d->filter = expression; }
void CollectionTable::setFiltered(bool filtered) { d->filtered = filtered; }

void CollectionTable::open()
{
    close();
    const QString shown = QDir::toNativeSeparators(d->path);
    auto unreadable = [&shown](const QString& why) {
        return Failure(u"Não foi possível abrir a tabela \"%1\": %2"_s.arg(shown, why));
    };
    const QFileInfo info(d->path);
    if (d->path.isEmpty() || !info.exists())
        throw unreadable(u"o arquivo não existe"_s);
    if (info.isDir())
        throw unreadable(u"o caminho é uma pasta, não um arquivo"_s);

    // Read-only and shared: never locks or writes; another program may be writing the file.
    QFile file(d->path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw unreadable(file.errorString());
    const qint64 fileSize = file.size();

    QByteArray head = file.read(kDbfFixedHeaderSize);
    const int headerLength = dbfHeaderLength(head);
    // The whole header, or as much of it as the file holds: a short dBase II table keeps
    // its descriptors in bytes below the fixed area's end.
    if (headerLength > head.size())
        head += file.read(headerLength - head.size());
    DbfHeader header;
    try {
        header = parseDbfHeader(head, fileSize);
    } catch (const DamagedTable& damaged) {
        throw Failure(u"A tabela \"%1\" está danificada: %2"_s.arg(shown, damaged.reason));
    }

    KeyMatcher matcher = KeyMatcher::all();
    const QByteArray codePage = codePageForTable(d->path, header.languageDriver).name;
    if (d->filtered && !d->filter.trimmed().isEmpty()) {
        const auto condition = parseSearchCondition(d->filter);
        if (!condition)
            throw Failure(u"%1: Invalid filter expression: %2"_s.arg(d->name, d->filter));
        const int field = header.fieldIndex(condition->field);
        if (field < 0)
            throw Failure(u"%1: Field '%2' not found"_s.arg(d->name, condition->field));
        matcher = KeyMatcher::forField(header, field, condition->literal, codePage);
    }

    const ScanResult result = scanRecords(file, header.headerLength, header.recordsToRead(fileSize),
                                          header.recordLength, matcher);
    d->header = std::move(header);
    d->codePage = codePage;
    d->matches = result.matches;
    d->current = result.firstMatch;
    d->open = true;
}

qint64 CollectionTable::recordCount() const { return d->open ? d->matches : -1; }

FieldValue CollectionTable::fieldByName(const QString& field) const
{
    if (!d->open)
        throw Failure(u"%1: Cannot perform this operation on a closed dataset"_s.arg(d->name));
    const int index = d->header.fieldIndex(field);
    if (index < 0)
        throw Failure(u"%1: Field '%2' not found"_s.arg(d->name, field));
    if (d->current.isEmpty())
        return FieldValue::blank();
    QStringDecoder decoder(d->codePage.constData(), QStringDecoder::Flag::Stateless);
    return decodeField(d->header, index, d->current, decoder);
}

} // namespace tervano::lookup
