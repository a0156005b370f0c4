#include "report/textlayout.h"

#include "report/sheettemplate.h"
#include "report/textplacement.h"

#include <QRegularExpression>

namespace tervano::report {

namespace {

// Appends the lines of one paragraph (no line breaks inside). Widths add up character by
// character (no kerning), so the running width of the line is kept instead of re-measured.
void wrapParagraph(const QString& paragraph, const FontSpec& font, double width, QStringList& lines)
{
    QString line;
    double lineWidth = 0;
    bool afterBreak = false; // the line was started by a wrap: its leading spaces are dropped
    auto flush = [&] {
        qsizetype end = line.size();
        while (end > 0 && line.at(end - 1) == u' ')
            --end; // spaces at a break do not print
        lines.append(line.left(end));
        line.clear();
        lineWidth = 0;
        afterBreak = true;
    };
    qsizetype pos = 0;
    const qsizetype size = paragraph.size();
    while (pos < size) {
        qsizetype wordStart = pos;
        while (wordStart < size && paragraph.at(wordStart) == u' ')
            ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < size && paragraph.at(wordEnd) != u' ')
            ++wordEnd;
        QString pending = (line.isEmpty() && afterBreak) ? QString() : paragraph.mid(pos, wordStart - pos);
        const QString word = paragraph.mid(wordStart, wordEnd - wordStart);
        pos = wordEnd;

        const double pendingWidth = textWidth(pending, font);
        const double wordWidth = textWidth(word, font);
        if (lineWidth + pendingWidth + wordWidth <= width) {
            line += pending + word;
            lineWidth += pendingWidth + wordWidth;
            continue;
        }
        if (!line.isEmpty()) {
            flush();
            pending.clear();
            if (wordWidth <= width) {
                line = word;
                lineWidth = wordWidth;
                continue;
            }
        }
        // Too wide for a whole line: broken between characters.
        const QString rest = pending + word;
        for (qsizetype i = 0; i < rest.size(); ++i) {
            const double charWidth = textWidth(rest.mid(i, 1), font);
            if (!line.isEmpty() && lineWidth + charWidth > width)
                flush();
            line += rest.at(i);
            lineWidth += charWidth;
        }
    }
    if (!line.isEmpty() || !afterBreak)
        flush();
}

} // namespace

QStringList wrapText(const QString& text, const FontSpec& font, double width)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines;
    const QStringList paragraphs = text.split(lineBreak);
    for (const QString& paragraph : paragraphs)
        wrapParagraph(paragraph, font, width, lines);
    return lines;
}

std::vector<PageText> layoutTextBox(const QRectF& box, const FontSpec& font, HAlign align, const QString& text)
{
    std::vector<PageText> result;
    if (text.isEmpty())
        return result;
    const double areaWidth = box.width() - 2 * kInnerMarginX;
    const double lineHeight = fontLineHeight(font);
    const double fitTolerance = 1e-6;
    double top = box.top() + kInnerMarginY;
    for (const QString& line : wrapText(text, font, areaWidth)) {
        if (top + lineHeight > box.bottom() + fitTolerance)
            break; // clipped away: this line and all below it
        if (!line.isEmpty()) {
            result.push_back(PageText{line, font, align,
                                      QRectF(box.left() + kInnerMarginX, top, areaWidth, lineHeight), box});
        }
        top += lineHeight + kLineSpacing;
    }
    return result;
}

} // namespace tervano::report
