#pragma once

#include "lookup/keymatcher.h"

#include <QByteArray>
#include <QIODevice>

namespace tervano::lookup {

struct ScanResult
{
    qint64 matches = 0;
    QByteArray firstMatch; // the first matching record's bytes, empty when none
};

// Block size of the scan: large sequential reads, no mapping of the file.
constexpr qint64 kScanBlockBytes = 1 << 20;

// Visits `records` records of `recordLength` bytes from `dataStart`, skipping those flagged
// deleted ('*'), and counts those the matcher accepts. Reads whole blocks into one buffer;
// stops early, without failing, when the file ends sooner than expected (it shrank).
ScanResult scanRecords(QIODevice& file, qint64 dataStart, qint64 records, int recordLength,
                       const KeyMatcher& matcher);

} // namespace tervano::lookup
