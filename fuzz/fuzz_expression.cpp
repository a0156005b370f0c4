// The sheet's expression evaluator and field filling fed arbitrary text: either a value
// or an ExpressionError, never a crash, and no runaway recursion on deep nesting.
#include "fuzzcheck.h"
#include "report/expression.h"
#include "report/fieldfill.h"

#include <QString>

using namespace Qt::StringLiterals;
using namespace tervano::report;

namespace {

std::optional<QString> resolve(const QString& name)
{
    if (name.compare(u"Date"_s, Qt::CaseInsensitive) == 0)
        return u"01/02/2024"_s;
    if (name == u"PA_VRPARC"_s)
        return u"1.234,56"_s;
    if (name == u"PA_ARREC"_s)
        return u"[PA_ARREC]"_s; // a value holding brackets is printed as it is
    if (name.startsWith(u'V'))
        return name.mid(1);
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        evaluateExpression(text, resolve);
    } catch (const ExpressionError& error) {
        check(!error.message.isEmpty(), "an error says why");
    }

    qsizetype evaluated = 0;
    const QString filled = fillFields(text, [&evaluated](const QString& expression) {
        ++evaluated;
        try {
            return evaluateExpression(expression, resolve);
        } catch (const ExpressionError& error) {
            return error.message;
        }
    });
    if (!text.contains(u'['))
        check(filled == text && evaluated == 0, "text without fields stays as it is");
    return 0;
}
