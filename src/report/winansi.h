#pragma once

#include <QByteArray>
#include <QString>

namespace tervano::report {

// The WinAnsi (Windows-1252) code of a character, or 0 when WinAnsi cannot hold it.
// Control characters count as not representable.
unsigned char winAnsiCode(char32_t ch);

// `text` in WinAnsi; every character WinAnsi cannot hold becomes one "?".
QByteArray toWinAnsi(const QString& text);

} // namespace tervano::report
