#pragma once

#include <QJsonObject>
#include <QString>

namespace tervano::lookup {

// A whole table as JSON: header numbers, fields, live and deleted records, the code page.
// Values: text as strings (blank text as ""), whole numbers as integers, other numbers as the
// shortest text of the double ("39.0"), currency with 4 decimals, dates as YYYY-MM-DD,
// date-times in ISO form, logicals as true/false, blank numbers/dates/logicals and values
// marked null by _NullFlags as null, raw bytes (_NullFlags, binary fields) as {"hex": ...};
// memo fields as null (their text lives in another file and is not read).
// Throws tervano::Failure with the reader's message when the table cannot be read.
QJsonObject dumpTable(const QString& path);

// Python's repr of a double: shortest round-trip digits, ".0" on whole values, exponent
// form outside 1e-4 <= |x| < 1e16.
QString shortestDoubleText(double value);

} // namespace tervano::lookup
