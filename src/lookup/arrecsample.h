#pragma once

#include "lookup/dbfwriter.h"

#include <QIODevice>
#include <QString>

namespace tervano::lookup {

// A realistic collection table: cp1252 text, Portuguese names and addresses, the ten fields
// the lookup uses and a few more, about 194 bytes a record.
struct ArrecSampleOptions
{
    qint64 records = 300;
    bool numericKey = false;
    quint32 seed = 1;
};

DbfWriter arrecSampleWriter(bool numericKey);

// The nosso número of record `index` (0-based). Numbers run upwards in steps of 3, so the
// ones between are never present; every 97th record repeats the number before it.
QString arrecSampleNumber(qint64 index);

// Streams the whole table into `out` (header, records, end-of-file byte); false on a
// write error.
bool writeArrecSample(QIODevice& out, const ArrecSampleOptions& options);

} // namespace tervano::lookup
