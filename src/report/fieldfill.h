#pragma once

#include <QString>

#include <functional>

namespace tervano::report {

// Fills the fields of a text box in one pass from left to right: each run from "[" to its
// matching "]" is replaced by `evaluate` of the text between them, and the scan goes on
// after the inserted text, so brackets inside a value are printed as they are.
// A "[" without its "]" stays as it is. Exceptions of `evaluate` pass through.
QString fillFields(const QString& text, const std::function<QString(const QString& expression)>& evaluate);

} // namespace tervano::report
