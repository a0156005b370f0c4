#include "lookup/recordscanner.h"

#include <memory>

namespace tervano::lookup {

ScanResult scanRecords(QIODevice& file, qint64 dataStart, qint64 records, int recordLength,
                       const KeyMatcher& matcher)
{
    ScanResult result;
    if (records <= 0 || recordLength <= 0 || !file.seek(dataStart))
        return result;
    // A small table gets a buffer of its own size, not a whole block.
    const qint64 perBlock = std::min(records, std::max<qint64>(1, kScanBlockBytes / recordLength));
    const qint64 blockBytes = perBlock * recordLength;
    const auto buffer = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(blockBytes));

    qint64 left = records;
    while (left > 0) {
        const qint64 want = std::min(left, perBlock) * recordLength;
        qint64 got = 0;
        while (got < want) {
            const qint64 n = file.read(buffer.get() + got, want - got);
            if (n <= 0)
                break;
            got += n;
        }
        const qint64 whole = got / recordLength;
        const char* record = buffer.get();
        for (qint64 i = 0; i < whole; ++i, record += recordLength) {
            if (*record == '*' || !matcher.matches(record))
                continue;
            if (result.matches++ == 0)
                result.firstMatch = QByteArray(record, recordLength);
        }
        if (got < want)
            break;
        left -= whole;
    }
    return result;
}

} // namespace tervano::lookup
