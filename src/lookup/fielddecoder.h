#pragma once

#include "lookup/dbfheader.h"
#include "lookup/fieldvalue.h"

#include <QByteArrayView>
#include <QStringDecoder>

namespace tervano::lookup {

// Turns a field's stored bytes into the value the table hands out.
//
// Blank (no value): character, numeric, float and date fields holding only blanks or NULs;
// date fields holding zeros or no valid date; numbers that do not parse; logical fields
// holding a blank or "?"; fields whose Visual FoxPro null flag is set; memo, general and
// binary fields (their contents are not read).
//
// Kinds: N/F with no decimals whose text is a whole number → Integer, otherwise Real;
// I and + → Integer; B (8 bytes), O, Y → Real; D → Date; T, @ → DateTime; L → Logical;
// C, V and any unknown type → Text with the right-hand blanks and NULs removed.
FieldValue decodeField(const DbfHeader& header, int fieldIndex, QByteArrayView record, QStringDecoder& decoder);

// The field's bytes inside a record (empty when the record is shorter than the layout).
QByteArrayView fieldBytes(const DbfField& field, QByteArrayView record);

// True when the record's _NullFlags marks the field null.
bool isNullByFlags(const DbfHeader& header, const DbfField& field, QByteArrayView record);

// Memo-like fields whose stored bytes are a pointer into another file.
bool isMemoPointer(const DbfHeader& header, const DbfField& field);

// Numeric text of an N/F field, trimmed of blanks and NULs, parsed without allocating.
// Returns false for blank or unparseable text.
bool parseNumericText(QByteArrayView bytes, double* value, qint64* whole, bool* isWhole);

} // namespace tervano::lookup
