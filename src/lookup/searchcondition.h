#pragma once

#include <QString>

#include <optional>

namespace tervano::lookup {

// "field = 'literal'" with each quote inside the literal doubled.
struct SearchCondition
{
    QString field;
    QString literal;
};

// std::nullopt when the text is not such a condition.
std::optional<SearchCondition> parseSearchCondition(QStringView expression);

// The inverse: builds the condition text for a field and a literal.
QString searchConditionText(const QString& field, const QString& literal);

} // namespace tervano::lookup
