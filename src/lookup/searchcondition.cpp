#include "lookup/searchcondition.h"

using namespace Qt::StringLiterals;

namespace tervano::lookup {

std::optional<SearchCondition> parseSearchCondition(QStringView e)
{
    qsizetype at = 0;
    auto skipSpaces = [&] {
        while (at < e.size() && e[at].isSpace())
            ++at;
    };
    skipSpaces();
    const qsizetype nameStart = at;
    while (at < e.size() && (e[at].isLetterOrNumber() || e[at] == u'_'))
        ++at;
    if (at == nameStart)
        return std::nullopt;
    SearchCondition c;
    c.field = e.sliced(nameStart, at - nameStart).toString();
    skipSpaces();
    if (at >= e.size() || e[at] != u'=')
        return std::nullopt;
    ++at;
    skipSpaces();
    if (at >= e.size() || e[at] != u'\'')
        return std::nullopt;
    ++at;
    for (;;) {
        if (at >= e.size())
            return std::nullopt; // the literal is never closed
        if (e[at] == u'\'') {
            if (at + 1 < e.size() && e[at + 1] == u'\'') {
                c.literal += u'\'';
                at += 2;
                continue;
            }
            ++at;
            break;
        }
        c.literal += e[at++];
    }
    skipSpaces();
    if (at != e.size())
        return std::nullopt;
    return c;
}

QString searchConditionText(const QString& field, const QString& literal)
{
    QString quoted = literal;
    quoted.replace(u"'"_s, u"''"_s);
    return field + u" = '"_s + quoted + u'\'';
}

} // namespace tervano::lookup
