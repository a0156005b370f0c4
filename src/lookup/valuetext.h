#pragma once

#include "lookup/fieldvalue.h"

#include <QLocale>
#include <QString>

namespace tervano::lookup {

// Field values as the window shows them, under the user's regional settings given as
// `locale`. Each throws tervano::Failure with the variant conversion message
// ("Could not convert variant of type (Null) into type (String)") where it cannot convert.

QString valueToText(const FieldValue& value, const QLocale& locale);
double valueToNumber(const FieldValue& value, const QLocale& locale);

// 15 significant digits, half away from zero, no trailing zeros, exponent form outside
// 0.0001 <= |x| < 1e15 (1,5E20, 1E-5).
QString formatGeneral(double value, const QLocale& locale);

// The amount format "#,#0.00": 0,00 / -0,13 / 1.234.567,89.
QString formatAmount(double value, const QLocale& locale);

} // namespace tervano::lookup
