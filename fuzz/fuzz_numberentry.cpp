// The number entry box's character filter and normal form fed arbitrary text.
#include "app/numberentry.h"
#include "fuzzcheck.h"

#include <QString>

using namespace tervano::app;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QString filtered = numberentry::filterText(text);
    check(numberentry::filterText(filtered) == filtered, "the filter is idempotent");
    for (qsizetype i = 0; i < filtered.size(); ++i) {
        const QChar c = filtered.at(i);
        check((c >= u'0' && c <= u'9') || (i == 0 && (c == u'+' || c == u'-')),
              "only digits and a leading sign");
    }

    const QString normal = numberentry::normalForm(filtered);
    check(numberentry::normalized(text) == normal, "normalized is filter then normal form");
    check(numberentry::normalized(normal) == normal, "the normal form is idempotent");
    check(!normal.isEmpty() && !normal.contains(u'+'), "never empty, never '+'");
    bool ok = false;
    const qint64 value = normal.toLongLong(&ok);
    check(ok, "the normal form is a signed 64-bit number");
    check(QString::number(value) == normal, "no leading zeros, no '-0'");

    // Typing the text key by key keeps the box within what the filter keeps.
    QString typed;
    for (QChar c : text) {
        if (c.unicode() < 32)
            continue;
        if (numberentry::acceptsKeystroke(c, typed, typed.size(), 0))
            typed.append(c);
    }
    check(numberentry::filterText(typed) == typed, "typed text passes the filter");
    // Typing at the start over a selection, as after select-all.
    if (!text.isEmpty())
        numberentry::acceptsKeystroke(text.front(), text, 0, text.size());
    return 0;
}
