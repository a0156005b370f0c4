#pragma once
// Whole-file reads and writes for tests that set up and inspect files on disk.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tervano::testing {

// The file's bytes; empty when it cannot be read.
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file's bytes; false when it cannot be written.
inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace tervano::testing
