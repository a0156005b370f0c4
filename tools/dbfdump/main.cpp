// dbfdump TABLE: prints what the collection table reader sees in a dBase table, as JSON.
#include "common/failure.h"
#include "lookup/tabledump.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fputs("usage: dbfdump TABLE.dbf\n", stderr);
        return 2;
    }
    try {
        const QByteArray json = QJsonDocument(tervano::lookup::dumpTable(args[1])).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, json.size(), stdout);
        return 0;
    } catch (const tervano::Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
}
