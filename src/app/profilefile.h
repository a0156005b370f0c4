#pragma once

#include <QString>
#include <QStringList>

namespace tervano::app {

// A profile (INI) file on disk. Each operation opens and closes the file, so every write
// has reached the file when it returns and nothing is pending.
class ProfileFile
{
public:
    explicit ProfileFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    // Key names of the section; empty when the file or the section is missing.
    QStringList sectionKeys(const QString& section) const;

    // The key's value (at most 2047 characters), or `fallback` when the file, the
    // section or the key is missing.
    QString readString(const QString& section, const QString& key, const QString& fallback) const;

    // Sets the key, creating the file, the section or the key as needed, leaving every
    // other byte as it was. The new content is written beside the file and then put in
    // its place, so an interrupted write leaves the old file whole.
    // Throws tervano::Failure "Unable to write to <path>" when the file cannot be written.
    void writeString(const QString& section, const QString& key, const QString& value);

private:
    QString m_path;
};

} // namespace tervano::app
