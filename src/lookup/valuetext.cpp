// Placeholder until the value formats land.
#include "lookup/valuetext.h"

#include "common/failure.h"

namespace tervano::lookup {

QString valueToText(const FieldValue& value, const QLocale&) { return value.text; }
double valueToNumber(const FieldValue& value, const QLocale&) { return value.real; }
QString formatGeneral(double value, const QLocale& locale) { return locale.toString(value); }
QString formatAmount(double value, const QLocale& locale) { return locale.toString(value, 'f', 2); }

} // namespace tervano::lookup
