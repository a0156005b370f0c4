// gen-arrec OUT.dbf [--records N] [--numeric-key] [--seed S]
// Writes a realistic sample collection table and prints a few numbers it holds.
#include "lookup/arrecsample.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSaveFile>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace tervano::lookup;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(u"Writes a sample collection table (arrec.dbf)."_s);
    parser.addHelpOption();
    parser.addPositionalArgument(u"OUT.dbf"_s, u"the table to write"_s);
    const QCommandLineOption records(u"records"_s, u"number of records (default 300)"_s, u"N"_s, u"300"_s);
    const QCommandLineOption numeric(u"numeric-key"_s, u"store pa_arrec as a numeric field"_s);
    const QCommandLineOption seed(u"seed"_s, u"random seed (default 1)"_s, u"S"_s, u"1"_s);
    parser.addOptions({records, numeric, seed});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    ArrecSampleOptions options;
    bool ok = false;
    options.records = parser.value(records).toLongLong(&ok);
    if (!ok || options.records < 0 || options.records > 0xFFFFFFFFLL) {
        std::fputs("gen-arrec: --records must be a whole number from 0 to 4294967295\n", stderr);
        return 2;
    }
    options.seed = parser.value(seed).toUInt(&ok);
    if (!ok) {
        std::fputs("gen-arrec: --seed must be a whole number\n", stderr);
        return 2;
    }
    options.numericKey = parser.isSet(numeric);

    QSaveFile out(parser.positionalArguments().constFirst());
    if (!out.open(QIODevice::WriteOnly) || !writeArrecSample(out, options) || !out.flush() || !out.commit()) {
        std::fprintf(stderr, "gen-arrec: cannot write %s: %s\n", qPrintable(out.fileName()),
                     qPrintable(out.errorString()));
        return 1;
    }
    std::printf("%s: %lld records\n", qPrintable(out.fileName()), static_cast<long long>(options.records));
    if (options.records > 0) {
        std::printf("numbers found: %s (first record)", qPrintable(arrecSampleNumber(0)));
        if (options.records > 51)
            std::printf(", %s (two records, the first is shown)", qPrintable(arrecSampleNumber(50)));
        std::printf(", %s (last record)\n", qPrintable(arrecSampleNumber(options.records - 1)));
        std::printf("not found: %s\n", qPrintable(QString::number(arrecSampleNumber(0).toLongLong() + 1)));
    }
    return 0;
}
