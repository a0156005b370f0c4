#include "report/fieldfill.h"

namespace tervano::report {

namespace {

// Index of the "]" closing the "[" at `open`, or -1. Nested pairs and apostrophe strings
// inside the expression are skipped.
qsizetype matchingBracket(const QString& text, qsizetype open)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype i = open; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\'') {
            inString = !inString;
        } else if (!inString && c == u'[') {
            ++depth;
        } else if (!inString && c == u']') {
            if (--depth == 0)
                return i;
        }
    }
    return -1;
}

} // namespace

QString fillFields(const QString& text, const std::function<QString(const QString& expression)>& evaluate)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'[', pos);
        if (open < 0)
            break;
        const qsizetype close = matchingBracket(text, open);
        if (close < 0)
            break;
        result += QStringView(text).mid(pos, open - pos);
        result += evaluate(text.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
    result += QStringView(text).mid(pos);
    return result;
}

} // namespace tervano::report
