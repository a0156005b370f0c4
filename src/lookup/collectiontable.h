#pragma once

#include "lookup/fieldvalue.h"

#include <QString>

#include <memory>

namespace tervano::lookup {

// The table component over the collection table (named "t1" in the window): exactly the
// operations the search needs. Every failure is thrown as tervano::Failure with the text
// the user sees in the application's error box.
class CollectionTable
{
public:
    explicit CollectionTable(QString componentName);
    ~CollectionTable();
    CollectionTable(const CollectionTable&) = delete;
    CollectionTable& operator=(const CollectionTable&) = delete;

    const QString& name() const;

    // Closing an already closed table does nothing.
    void close();
    bool isOpen() const;

    // Only while closed.
    void setTablePath(const QString& path);
    const QString& tablePath() const;

    // While closed these only record the settings; they take effect at open().
    void setFilter(const QString& expression); // e.g. "pa_arrec = '123'"
    void setFiltered(bool filtered);

    // Reads the file as it is now, applies the condition and stands on the first match.
    // Throws (table left closed) when the file cannot be read, is damaged, lacks the
    // condition's field, or the condition cannot be formed for the field's kind.
    void open();

    // Records satisfying the condition; -1 when unknown.
    qint64 recordCount() const;

    // A field of the current record by name (letter case ignored).
    // Throws "<name>: Field '<field>' not found" for a field the table lacks.
    FieldValue fieldByName(const QString& field) const;

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace tervano::lookup
