#include "report/textplacement.h"
#include "report/winansi.h"

#include <QList>
#include <QStringView>

namespace tervano::report {

namespace {

// Helvetica: advance widths of WinAnsi codes 32..255, in 1/1000 em.
constexpr unsigned short kHelveticaWidths[224] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584, 278,
    556, 278, 222, 556, 333, 1000, 556, 556, 333, 1000, 667, 333, 1000, 278, 611, 278,
    278, 222, 222, 333, 333, 350, 556, 1000, 333, 1000, 500, 333, 944, 278, 500, 667,
    278, 333, 556, 556, 556, 556, 260, 556, 333, 737, 370, 556, 584, 278, 737, 333,
    400, 584, 333, 333, 333, 556, 537, 278, 333, 333, 365, 556, 834, 834, 834, 611,
    667, 667, 667, 667, 667, 667, 1000, 722, 667, 667, 667, 667, 278, 278, 278, 278,
    722, 722, 778, 778, 778, 778, 778, 584, 778, 722, 722, 722, 722, 667, 667, 611,
    556, 556, 556, 556, 556, 556, 889, 500, 556, 556, 556, 556, 278, 278, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 584, 611, 556, 556, 556, 556, 500, 556, 500,
};

// Helvetica-Bold: advance widths of WinAnsi codes 32..255, in 1/1000 em.
constexpr unsigned short kHelveticaBoldWidths[224] = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584, 278,
    556, 278, 278, 556, 500, 1000, 556, 556, 333, 1000, 667, 333, 1000, 278, 611, 278,
    278, 278, 278, 500, 500, 350, 556, 1000, 333, 1000, 556, 333, 944, 278, 500, 667,
    278, 333, 556, 556, 556, 556, 280, 556, 333, 737, 370, 556, 584, 278, 737, 333,
    400, 584, 333, 333, 333, 611, 556, 278, 333, 333, 365, 556, 834, 834, 834, 611,
    722, 722, 722, 722, 722, 722, 1000, 722, 667, 667, 667, 667, 278, 278, 278, 278,
    722, 722, 778, 778, 778, 778, 778, 584, 778, 722, 722, 722, 722, 667, 667, 611,
    556, 556, 556, 556, 556, 556, 889, 556, 556, 556, 556, 556, 278, 278, 278, 278,
    611, 611, 611, 611, 611, 611, 611, 584, 611, 611, 611, 611, 611, 556, 611, 556,
};

// Arial's vertical metrics (Windows ascent and descent over the em).
constexpr double kAscentPerEm = 1854.0 / 2048.0;
constexpr double kDescentPerEm = 434.0 / 2048.0;

// A character WinAnsi cannot hold is exported as "?", so it is measured as one.
unsigned short advance(char32_t ch, bool bold)
{
    unsigned char code = winAnsiCode(ch);
    if (code == 0)
        code = '?';
    return bold ? kHelveticaBoldWidths[code - 32] : kHelveticaWidths[code - 32];
}

} // namespace

double textWidth(const QString& text, const FontSpec& font)
{
    long total = 0;
    for (const char32_t ch : QStringView(text).toUcs4())
        total += advance(ch, font.bold);
    return total * font.emHeight / 1000.0;
}

double fontAscent(const FontSpec& font) { return font.emHeight * kAscentPerEm; }

double fontLineHeight(const FontSpec& font) { return font.emHeight * (kAscentPerEm + kDescentPerEm); }

QString withTotalPages(const QString& text, int totalPages)
{
    QString result = text;
    result.replace(QStringLiteral("[TotalPages#]"), QString::number(totalPages), Qt::CaseInsensitive);
    return result;
}

PlacedText placeText(const PageText& line, int totalPages)
{
    PlacedText placed;
    placed.text = withTotalPages(line.text, totalPages);
    const double width = textWidth(placed.text, line.font);
    switch (line.align) {
    case HAlign::Left:
        placed.x = line.lineBox.left();
        break;
    case HAlign::Center:
        placed.x = line.lineBox.left() + (line.lineBox.width() - width) / 2;
        break;
    case HAlign::Right:
        placed.x = line.lineBox.right() - width;
        break;
    }
    placed.baseline = line.lineBox.top() + fontAscent(line.font);
    return placed;
}

} // namespace tervano::report
