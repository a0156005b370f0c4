#include "report/expression.h"

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

struct Value
{
    QString text;
    std::optional<double> number;
};

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}
bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'#';
}

class Parser
{
public:
    Parser(const QString& source, const NameResolver& resolve) : m_source(source), m_resolve(resolve) {}

    QString parseAll()
    {
        skipSpaces();
        if (atEnd())
            return QString();
        const Value value = parseSum();
        skipSpaces();
        if (!atEnd())
            fail(u"texto inesperado \"%1\" após a expressão"_s.arg(m_source.mid(m_pos)));
        return value.text;
    }

private:
    [[noreturn]] void fail(const QString& message) { throw ExpressionError{message}; }

    bool atEnd() const { return m_pos >= m_source.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_source.at(m_pos); }

    void skipSpaces()
    {
        while (!atEnd() && peek().isSpace())
            ++m_pos;
    }

    Value parseSum()
    {
        Value left = parseTerm();
        for (;;) {
            skipSpaces();
            if (peek() != u'+')
                return left;
            ++m_pos;
            const Value right = parseTerm();
            if (left.number && right.number) {
                const double sum = *left.number + *right.number;
                left = Value{QString::number(sum, 'g', 15), sum};
            } else {
                left = Value{left.text + right.text, std::nullopt};
            }
        }
    }

    Value parseTerm()
    {
        skipSpaces();
        if (atEnd())
            fail(u"expressão incompleta"_s);
        const QChar c = peek();
        if (c == u'\'')
            return Value{parseString(), std::nullopt};
        if (c.isDigit())
            return parseNumber();
        if (isNameStart(c))
            return Value{parseName(), std::nullopt};
        if (c == u'(') {
            // Each level is a call: a bound keeps a hostile text from exhausting the stack.
            if (++m_depth > kMaxNesting)
                fail(u"parênteses aninhados demais"_s);
            ++m_pos;
            const Value inner = parseSum();
            --m_depth;
            skipSpaces();
            if (peek() != u')')
                fail(u"falta \")\""_s);
            ++m_pos;
            return inner;
        }
        fail(u"caractere inesperado \"%1\""_s.arg(c));
    }

    QString parseString()
    {
        QString text;
        ++m_pos; // opening apostrophe
        for (;;) {
            if (atEnd())
                fail(u"texto sem o apóstrofo final"_s);
            const QChar c = m_source.at(m_pos++);
            if (c != u'\'') {
                text += c;
                continue;
            }
            if (peek() != u'\'')
                return text;
            text += c; // doubled apostrophe
            ++m_pos;
        }
    }

    Value parseNumber()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && peek().isDigit())
            ++m_pos;
        if (peek() == u'.' && m_pos + 1 < m_source.size() && m_source.at(m_pos + 1).isDigit()) {
            ++m_pos;
            while (!atEnd() && peek().isDigit())
                ++m_pos;
        }
        const QString digits = m_source.mid(start, m_pos - start);
        return Value{digits, digits.toDouble()};
    }

    QString parseName()
    {
        const qsizetype start = m_pos;
        while (!atEnd() && isNamePart(peek()))
            ++m_pos;
        const QString name = m_source.mid(start, m_pos - start);
        const std::optional<QString> value = m_resolve(name);
        if (!value)
            fail(u"nome desconhecido \"%1\""_s.arg(name));
        return *value;
    }

    const QString& m_source;
    const NameResolver& m_resolve;
    qsizetype m_pos = 0;
    int m_depth = 0;
    static constexpr int kMaxNesting = 200;
};

} // namespace

QString evaluateExpression(const QString& expression, const NameResolver& resolve)
{
    return Parser(expression, resolve).parseAll();
}

} // namespace tervano::report
