#include "app/profilefile.h"

#include "app/profiletext.h"
#include "common/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tervano::app {

namespace {
QByteArray readContent(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
} // namespace

QStringList ProfileFile::sectionKeys(const QString& section) const
{
    return profiletext::keys(readContent(m_path), section);
}

QString ProfileFile::readString(const QString& section, const QString& key, const QString& fallback) const
{
    return profiletext::value(readContent(m_path), section, key).value_or(fallback);
}

void ProfileFile::writeString(const QString& section, const QString& key, const QString& value)
{
    const auto unableToWrite = [this] { return Failure(QStringLiteral("Unable to write to ") + m_path); };

    QByteArray content;
    const QFileInfo info(m_path);
    if (info.exists()) {
        // A file that cannot be read in full would lose the user's lines; a read-only
        // file stays read-only.
        if (!info.isFile() || !info.isWritable())
            throw unableToWrite();
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            throw unableToWrite();
        content = file.readAll();
        if (file.error() != QFileDevice::NoError)
            throw unableToWrite();
    }

    QSaveFile out(m_path);
    const QByteArray updated = profiletext::withValue(content, section, key, value);
    // commit() replaces the file even when writing the last buffered bytes fails (a full
    // disk): flushing first reports that failure, and the unflushed copy is discarded.
    if (!out.open(QIODevice::WriteOnly) || out.write(updated) != updated.size() || !out.flush() ||
        !out.commit())
        throw unableToWrite();
}

} // namespace tervano::app
