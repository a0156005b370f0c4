// Placeholder until the dBase reader lands: keeps the settings, cannot open yet.
#include "lookup/collectiontable.h"

#include "common/failure.h"

namespace tervano::lookup {

struct CollectionTable::State
{
    QString name;
    QString path;
    QString filter;
    bool filtered = false;
    bool open = false;
};

CollectionTable::CollectionTable(QString componentName) : d(std::make_unique<State>())
{
    d->name = std::move(componentName);
}
CollectionTable::~CollectionTable() = default;
const QString& CollectionTable::name() const { return d->name; }
void CollectionTable::close() { d->open = false; }
bool CollectionTable::isOpen() const { return d->open; }
void CollectionTable::setTablePath(const QString& path) { d->path = path; }
const QString& CollectionTable::tablePath() const { return d->path; }
void CollectionTable::setFilter(const QString& expression) { d->filter = expression; }
void CollectionTable::setFiltered(bool filtered) { d->filtered = filtered; }
void CollectionTable::open() { throw Failure(QStringLiteral("Table reader not available")); }
qint64 CollectionTable::recordCount() const { return -1; }
FieldValue CollectionTable::fieldByName(const QString& field) const
{
    throw Failure(d->name + QStringLiteral(": Field '") + field + QStringLiteral("' not found"));
}

} // namespace tervano::lookup
