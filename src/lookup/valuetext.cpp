#include "lookup/valuetext.h"

#include "common/failure.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace tervano::lookup {

namespace {

Failure conversionFailure(const QString& from, const QString& to)
{
    return Failure(u"Could not convert variant of type (%1) into type (%2)"_s.arg(from, to));
}

// The decimal digits of |value| rounded to `significant` digits, and the power of ten of
// the first one. Rounding is half away from zero on the value's exact decimal expansion.
struct Digits
{
    QByteArray digits;
    int exponent = 0;
};

Digits significantDigits(double value, int significant, bool halfAwayFromZero)
{
    char buffer[128];
    // printf gives the exact expansion; 40 digits leave room for a clean half-away rounding.
    const int precision = halfAwayFromZero ? 40 : significant - 1;
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, std::fabs(value));
    const QByteArray text(buffer);
    const qsizetype e = text.indexOf('e');
    QByteArray all = text.left(e);
    all.remove(1, 1); // the point
    int exponent = text.mid(e + 1).toInt();
    if (halfAwayFromZero) {
        const bool up = all.size() > significant && all[significant] >= '5';
        all.truncate(significant);
        if (up) {
            int i = significant - 1;
            while (i >= 0 && all[i] == '9')
                all[i--] = '0';
            if (i < 0) {
                all.prepend('1');
                all.chop(1);
                ++exponent;
            } else {
                ++all[i];
            }
        }
    }
    return {all, exponent};
}

QString decimalPoint(const QLocale& locale) { return locale.decimalPoint(); }

} // namespace

QString formatGeneral(double value, const QLocale& locale)
{
    if (std::isnan(value))
        return u"NAN"_s;
    if (std::isinf(value))
        return value > 0 ? u"INF"_s : u"-INF"_s;
    if (value == 0)
        return u"0"_s;
    Digits d = significantDigits(value, 15, true);
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.chop(1);
    const QString sign = value < 0 ? u"-"_s : QString();
    const QString point = decimalPoint(locale);
    const QString digits = QString::fromLatin1(d.digits);
    if (d.exponent >= -4 && d.exponent < 15) {
        QString out;
        if (d.exponent < 0) {
            out = u"0"_s + point + QString(-d.exponent - 1, u'0') + digits;
        } else if (digits.size() <= d.exponent + 1) {
            out = digits + QString(d.exponent + 1 - digits.size(), u'0');
        } else {
            out = digits.left(d.exponent + 1) + point + digits.mid(d.exponent + 1);
        }
        return sign + out;
    }
    QString mantissa = digits.left(1);
    if (digits.size() > 1)
        mantissa += point + digits.mid(1);
    return sign + mantissa + u'E' + (d.exponent < 0 ? u"-"_s : QString()) + QString::number(std::abs(d.exponent));
}

QString formatAmount(double value, const QLocale& locale)
{
    if (!std::isfinite(value) || std::fabs(value) >= 1e18)
        return formatGeneral(value, locale);
    if (value == 0)
        return u"0"_s + decimalPoint(locale) + u"00"_s;
    // First 18 significant digits, the 18th rounded to nearest.
    const Digits d = significantDigits(value, 18, false);
    auto digitAt = [&d](int power) -> int { // the digit standing for 10^power
        const int i = d.exponent - power;
        return i >= 0 && i < d.digits.size() ? d.digits[i] - '0' : 0;
    };
    // Whole digits down to hundredths, then halves away from zero on the thousandths.
    const int top = std::max(d.exponent, 0);
    QByteArray kept;
    for (int power = top; power >= -2; --power)
        kept += char('0' + digitAt(power));
    if (digitAt(-3) >= 5) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i < 0)
            kept.prepend('1');
        else
            ++kept[i];
    }
    if (kept.count('0') == kept.size())
        return u"0"_s + decimalPoint(locale) + u"00"_s;
    QByteArray whole = kept.left(kept.size() - 2);
    while (whole.size() > 1 && whole.front() == '0')
        whole.remove(0, 1);
    const QString group = locale.groupSeparator();
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += group;
        grouped += QLatin1Char(whole[i]);
    }
    return (value < 0 ? u"-"_s : QString()) + grouped + decimalPoint(locale) + QString::fromLatin1(kept.right(2));
}

QString valueToText(const FieldValue& value, const QLocale& locale)
{
    switch (value.kind) {
    case FieldValue::Kind::Text: return value.text;
    case FieldValue::Kind::Integer: return QString::number(value.integer);
    case FieldValue::Kind::Real: return formatGeneral(value.real, locale);
    case FieldValue::Kind::Date: return locale.toString(value.date, QLocale::ShortFormat);
    case FieldValue::Kind::Logical: return value.logical ? u"True"_s : u"False"_s;
    case FieldValue::Kind::DateTime: {
        // The short date, then the time when there is one.
        QString text = locale.toString(value.dateTime.date(), QLocale::ShortFormat);
        if (value.dateTime.time() != QTime(0, 0))
            text += u' ' + locale.toString(value.dateTime.time(), u"HH:mm:ss"_s);
        return text;
    }
    case FieldValue::Kind::Blank: break;
    }
    throw conversionFailure(u"Null"_s, u"String"_s);
}

double valueToNumber(const FieldValue& value, const QLocale& locale)
{
    switch (value.kind) {
    case FieldValue::Kind::Integer: return static_cast<double>(value.integer);
    case FieldValue::Kind::Real: return value.real;
    case FieldValue::Kind::Logical: return value.logical ? -1.0 : 0.0;
    case FieldValue::Kind::Date: return static_cast<double>(QDate(1899, 12, 30).daysTo(value.date));
    case FieldValue::Kind::DateTime: {
        const QDateTime t = value.dateTime;
        return static_cast<double>(QDate(1899, 12, 30).daysTo(t.date())) + t.time().msecsSinceStartOfDay() / 86400000.0;
    }
    case FieldValue::Kind::Text: {
        bool ok = false;
        QString t = value.text.trimmed();
        const double d = locale.toDouble(t, &ok);
        if (ok)
            return d;
        throw conversionFailure(u"String"_s, u"Double"_s);
    }
    case FieldValue::Kind::Blank: break;
    }
    throw conversionFailure(u"Null"_s, u"Double"_s);
}

} // namespace tervano::lookup
