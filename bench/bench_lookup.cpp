// bench_lookup [--dir D] [--sizes 100000,1000000,5000000] [--runs N]
//
// Times the search the window runs (open at the path, apply the condition, count, read the
// nine fields) against the floor: a plain loop that read()s the same file in 1 MiB blocks
// and compares the key bytes of every record. Warm cache: every file is read once first.
// Tables are generated once into D (default /tmp/tervano-bench) and kept between runs.
#include "lookup/arrecsample.h"
#include "lookup/collectiontable.h"
#include "lookup/searchcondition.h"
#include "lookup/valuetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <malloc.h>
#include <memory>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

namespace {

const char* const kShown[] = {"db_cod", "db_unid", "db_trib", "db_ano", "db_strib",
                              "pa_parc", "pa_vrparc", "pa_dtvenc", "pa_dtemi"};

qint64 ourSearch(const QString& path, const QString& key, const QLocale& locale)
{
    CollectionTable t(u"t1"_s);
    t.setTablePath(path);
    t.close();
    t.setFiltered(false);
    t.setFilter(searchConditionText(u"pa_arrec"_s, key));
    t.setFiltered(true);
    t.open();
    const qint64 count = t.recordCount();
    if (count > 0) {
        for (const char* field : kShown) {
            const FieldValue v = t.fieldByName(QString::fromLatin1(field));
            if (qstrcmp(field, "pa_vrparc") == 0)
                (void)formatAmount(valueToNumber(v, locale), locale);
            else
                (void)valueToText(v, locale);
        }
    }
    return count;
}

// The floor: what any full scan must at least do.
qint64 floorSearch(const QString& path, int headerLength, int recordLength, qint64 records, const QByteArray& key,
                   int keyOffset, int keyLength)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return -1;
    QByteArray padded = key.leftJustified(keyLength, ' ');
    const qint64 perBlock = (1 << 20) / recordLength;
    std::vector<char> buffer(perBlock * recordLength);
    ::lseek(fd, headerLength, SEEK_SET);
    qint64 matches = 0, left = records;
    while (left > 0) {
        const qint64 want = std::min(left, perBlock) * recordLength;
        const ssize_t got = ::read(fd, buffer.data(), want);
        if (got <= 0)
            break;
        const qint64 whole = got / recordLength;
        for (qint64 i = 0; i < whole; ++i) {
            const char* r = buffer.data() + i * recordLength;
            if (r[0] != '*' && std::memcmp(r + keyOffset, padded.constData(), keyLength) == 0)
                ++matches;
        }
        left -= whole;
    }
    ::close(fd);
    return matches;
}

double medianMs(int runs, const std::function<void()>& f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void warm(const QString& path)
{
    QFile f(path);
    if (f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        std::vector<char> b(1 << 20);
        while (f.read(b.data(), qint64(b.size())) > 0) {
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString dir = u"/tmp/tervano-bench"_s;
    QList<qint64> sizes = {100000, 1000000, 5000000};
    int runs = 9;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--dir"_s) {
            dir = args[i + 1];
        } else if (args[i] == u"--runs"_s) {
            runs = std::max(1, args[i + 1].toInt());
        } else if (args[i] == u"--sizes"_s) {
            sizes.clear();
            for (const QString& s : args[i + 1].split(u','))
                sizes << s.toLongLong();
        }
    }
    QDir().mkpath(dir);

    const DbfWriter writer = arrecSampleWriter(false);
    std::printf("%10s  %-8s  %10s  %10s  %6s\n", "records", "key", "floor ms", "ours ms", "ratio");
    for (const qint64 n : sizes) {
        const QString path = QDir(dir).filePath(u"arrec-%1.dbf"_s.arg(n));
        const qint64 expectedSize = writer.headerLength() + n * writer.recordLength() + 1;
        if (QFileInfo(path).size() != expectedSize) {
            QSaveFile out(path);
            ArrecSampleOptions options;
            options.records = n;
            if (!out.open(QIODevice::WriteOnly) || !writeArrecSample(out, options) || !out.commit()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
        warm(path);
        const struct
        {
            const char* label;
            QString key;
        } cases[] = {{"last", arrecSampleNumber(n - 1)}, {"missing", u"1"_s}};
        for (const auto& c : cases) {
            qint64 ours = 0, floor = 0;
            const QByteArray keyBytes = c.key.toLatin1();
            const double floorMs = medianMs(runs, [&] {
                floor = floorSearch(path, writer.headerLength(), writer.recordLength(), n, keyBytes, 1, 17);
            });
            const QLocale locale(u"pt_BR"_s); // the window's locale exists before any search
            ourSearch(path, c.key, locale);   // one untimed run: first-use costs are not the scan's
            const double oursMs = medianMs(runs, [&] { ours = ourSearch(path, c.key, locale); });
            if (ours != floor)
                std::fprintf(stderr, "count differs: ours %lld, floor %lld\n", (long long)ours, (long long)floor);
            std::printf("%10lld  %-8s  %10.2f  %10.2f  %6.2f\n", (long long)n, c.label, floorMs, oursMs,
                        oursMs / floorMs);
        }
    }
    const struct mallinfo2 heap = mallinfo2();
    std::printf("heap in use at the end: %.1f MB (arena %.1f MB, mmapped %.1f MB)\n",
                (heap.uordblks + heap.hblkhd) / 1048576.0, heap.arena / 1048576.0, heap.hblkhd / 1048576.0);
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM") || line.startsWith("VmRSS"))
                std::printf("%s\n", line.simplified().constData());
        }
    }
    return 0;
}
