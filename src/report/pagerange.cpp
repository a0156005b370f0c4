#include "report/pagerange.h"

#include <QStringList>

#include <set>

using namespace Qt::StringLiterals;

namespace tervano::report {

std::optional<std::vector<int>> parsePageRange(const QString& text, int pageCount)
{
    std::set<int> pages;
    const QStringList parts = text.split(u',', Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return std::nullopt;
    for (const QString& raw : parts) {
        const QString part = raw.trimmed();
        const qsizetype dash = part.indexOf(u'-');
        bool okFirst = false;
        bool okLast = false;
        int first = 0;
        int last = 0;
        if (dash < 0) {
            first = last = part.toInt(&okFirst);
            okLast = okFirst;
        } else {
            first = part.left(dash).trimmed().toInt(&okFirst);
            const QString tail = part.mid(dash + 1).trimmed();
            // "3-" runs to the last page
            if (tail.isEmpty()) {
                last = pageCount;
                okLast = true;
            } else {
                last = tail.toInt(&okLast);
            }
        }
        if (!okFirst || !okLast || first < 1 || last < first)
            return std::nullopt;
        for (int p = first; p <= std::min(last, pageCount); ++p)
            pages.insert(p);
    }
    if (pages.empty())
        return std::nullopt;
    return std::vector<int>(pages.begin(), pages.end());
}

} // namespace tervano::report
