#include "app/numberentry.h"

namespace tervano::app::numberentry {

namespace {
bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
} // namespace

bool acceptsKeystroke(QChar typed, const QString& text, qsizetype caret, qsizetype selectionLength)
{
    if (typed.unicode() < 32)
        return true;
    if (isAsciiDigit(typed))
        return true;
    if (typed == u'+' || typed == u'-')
        return caret == 0 && (!text.contains(typed) || selectionLength > 0);
    return false;
}

QString filterText(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isAsciiDigit(c) || (i == 0 && (c == u'+' || c == u'-')))
            kept.append(c);
    }
    return kept;
}

QString normalForm(const QString& filtered)
{
    static const QString zero = QStringLiteral("0");
    qsizetype i = 0;
    bool negative = false;
    if (!filtered.isEmpty() && (filtered.front() == u'+' || filtered.front() == u'-')) {
        negative = filtered.front() == u'-';
        ++i;
    }
    while (i < filtered.size() && filtered.at(i) == u'0')
        ++i;
    const QString digits = filtered.mid(i);
    if (digits.isEmpty())
        return zero;
    for (QChar c : digits)
        if (!isAsciiDigit(c))
            return zero;
    // Compared as text, so no digit string can overflow on the way.
    const QString limit = negative ? QStringLiteral("9223372036854775808") : QStringLiteral("9223372036854775807");
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit))
        return zero;
    return negative ? u'-' + digits : digits;
}

} // namespace tervano::app::numberentry
