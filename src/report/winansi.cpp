#include "report/winansi.h"

#include <QList>
#include <QStringView>

namespace tervano::report {

namespace {
// Codes 0x80..0x9F, where WinAnsi differs from Latin-1; 0 where the code is unassigned.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
} // namespace

unsigned char winAnsiCode(char32_t ch)
{
    if ((ch >= 0x20 && ch < 0x7F) || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<unsigned char>(ch);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] != 0 && kHighBlock[i] == ch)
            return static_cast<unsigned char>(0x80 + i);
    }
    return 0;
}

QByteArray toWinAnsi(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t ch : QStringView(text).toUcs4()) {
        const unsigned char code = winAnsiCode(ch);
        bytes.append(code ? static_cast<char>(code) : '?');
    }
    return bytes;
}

} // namespace tervano::report
