#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace tervano::lookup {

// One field of the current record as the table hands it.
struct FieldValue
{
    // DateTime carries FoxPro date-time fields; it comes last so existing switches keep their meaning.
    enum class Kind { Blank, Text, Integer, Real, Date, Logical, DateTime };

    Kind kind = Kind::Blank;
    QString text;      // Kind::Text
    qint64 integer = 0; // Kind::Integer
    double real = 0;   // Kind::Real
    QDate date;        // Kind::Date
    bool logical = false; // Kind::Logical
    QDateTime dateTime;   // Kind::DateTime

    static FieldValue blank() { return {}; }
    static FieldValue fromText(QString t) { FieldValue v; v.kind = Kind::Text; v.text = std::move(t); return v; }
    static FieldValue fromInteger(qint64 i) { FieldValue v; v.kind = Kind::Integer; v.integer = i; return v; }
    static FieldValue fromReal(double r) { FieldValue v; v.kind = Kind::Real; v.real = r; return v; }
    static FieldValue fromDate(QDate d) { FieldValue v; v.kind = Kind::Date; v.date = d; return v; }
    static FieldValue fromLogical(bool b) { FieldValue v; v.kind = Kind::Logical; v.logical = b; return v; }
    static FieldValue fromDateTime(QDateTime t) { FieldValue v; v.kind = Kind::DateTime; v.dateTime = std::move(t); return v; }
};

} // namespace tervano::lookup
