// The profile (INI) layer fed arbitrary file contents: reading never fails, and writing a
// key back changes only that key's line (or adds lines), keeping every other byte in order.
#include "app/profiletext.h"
#include "fuzzcheck.h"

#include <QList>

using namespace Qt::StringLiterals;
using namespace tervano::app;

namespace {

// A name or value from the input's first bytes, in a plain alphabet the format can hold.
QString plainText(const uint8_t* data, size_t size, size_t at, size_t length)
{
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_.\\/:";
    QString text;
    for (size_t i = at; i < at + length && i < size; ++i)
        text += QLatin1Char(alphabet[data[i] % (sizeof alphabet - 1)]);
    return text.isEmpty() ? u"k"_s : text;
}

// Whether `inner` can be obtained from `outer` by deleting bytes (all of it, in order).
bool isSubsequence(const QByteArray& inner, const QByteArray& outer)
{
    qsizetype at = 0;
    for (char c : outer) {
        if (at < inner.size() && inner[at] == c)
            ++at;
    }
    return at == inner.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Byte 0: section name length, byte 1: key length, byte 2: value length; then the names'
    // bytes; the rest is the file.
    if (size < 3)
        return 0;
    const size_t sectionLength = 1 + data[0] % 8, keyLength = 1 + data[1] % 8, valueLength = data[2] % 16;
    size_t at = 3;
    const QString section = plainText(data, size, at, sectionLength);
    at += sectionLength;
    const QString key = plainText(data, size, at, keyLength);
    at += keyLength;
    const QString value = plainText(data, size, at, valueLength).left(valueLength);
    at += valueLength;
    const QByteArray content =
        at < size ? QByteArray(reinterpret_cast<const char*>(data) + at, qsizetype(size - at)) : QByteArray();

    const QStringList keysBefore = profiletext::keys(content, section);
    const std::optional<QString> before = profiletext::value(content, section, key);
    if (before)
        check(before->size() <= profiletext::maxValueLength, "values are cut to the longest length");

    const QByteArray written = profiletext::withValue(content, section, key, value);
    const std::optional<QString> after = profiletext::value(written, section, key);
    check(after.has_value(), "a written key is found");
    check(*after == value, "a written key reads back its value");

    // Every line other than the key's own stays, in order: the old content minus the old
    // entry's line is a subsequence of the new content, and nothing else was removed.
    if (!before) {
        check(isSubsequence(content, written), "adding a key keeps every byte in order");
    } else {
        const QList<QByteArray> old = content.split('\n'), now = written.split('\n');
        check(old.size() == now.size(), "replacing a key keeps the number of lines");
        qsizetype differing = 0;
        for (qsizetype i = 0; i < old.size(); ++i)
            differing += old[i] != now[i];
        check(differing <= 1, "replacing a key changes one line at most");
    }
    const QStringList keysAfter = profiletext::keys(written, section);
    check(keysAfter.size() == keysBefore.size() + (before ? 0 : 1), "one key more, or as many");

    // Writing the same value again changes nothing.
    check(profiletext::withValue(written, section, key, value) == written, "a second write is idempotent");
    return 0;
}
