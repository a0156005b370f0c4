#pragma once

#include <QByteArray>
#include <QString>

namespace tervano::lookup {

// The code page a table's texts are stored in, as a name QStringDecoder/QStringEncoder know.
struct CodePage
{
    QByteArray name;
    QString source; // "cpg", "language driver 0x57", "default"
};

// Windows-1252: what the tables of this office use when they say nothing.
QByteArray defaultCodePageName();

// The usual language-driver byte table; empty when the byte names no known code page.
QByteArray codePageForLanguageDriver(quint8 languageDriver);

// Reads the contents of a .cpg file ("1252", "UTF-8", "ANSI 1252", "OEM 850", ...);
// empty when it names nothing we can decode.
QByteArray codePageFromCpgText(QByteArrayView text);

// .cpg beside the table (same base name, any letter case of the extension), else the
// language driver, else the default.
CodePage codePageForTable(const QString& tablePath, quint8 languageDriver);

} // namespace tervano::lookup
