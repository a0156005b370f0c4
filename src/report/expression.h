#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace tervano::report {

// Why an expression could not be evaluated, as a line for the report error box.
struct ExpressionError
{
    QString message;
};

// Gives the text of a name (a variable or a built-in), or nothing when the name is unknown.
using NameResolver = std::function<std::optional<QString>(const QString& name)>;

// Evaluates a sheet expression to its text. The language is small: string literals in
// apostrophes (an apostrophe inside doubled), whole and decimal numbers, names (letters,
// digits, "_" and "#", resolved through `resolve`), parentheses and "+" (adds two numbers,
// joins anything else). An empty expression gives the empty text.
// Throws ExpressionError.
QString evaluateExpression(const QString& expression, const NameResolver& resolve);

} // namespace tervano::report
