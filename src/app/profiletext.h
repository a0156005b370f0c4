#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The profile (INI) format read and edited as bytes, with no file access: sections open
// with a "[name]" line, entries are "key=value" lines, lines starting with ";" are
// comments. Section and key names match regardless of letter case; the first matching
// section and the first matching key win. Text is UTF-8 when the bytes are valid UTF-8,
// otherwise the 8-bit Latin-1 of older files.
namespace tervano::app::profiletext {

// Longest value returned by a read, in characters.
inline constexpr qsizetype maxValueLength = 2047;

// The key names of the section, in file order; empty when the section is missing.
QStringList keys(const QByteArray& content, const QString& section);

// The key's value: blanks around it removed, a pair of enclosing double or single quotes
// removed, cut to maxValueLength. Empty optional when the section or key is missing.
std::optional<QString> value(const QByteArray& content, const QString& section, const QString& key);

// The content with the key set to the value: an existing entry line is replaced, a new
// entry goes after the section's last non-blank line, a missing section is appended.
// Every other byte stays as it was; new lines end in CR LF.
QByteArray withValue(const QByteArray& content, const QString& section, const QString& key,
                     const QString& value);

} // namespace tervano::app::profiletext
