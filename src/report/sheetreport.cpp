#include "report/sheetreport.h"

#include "report/bandplacement.h"
#include "report/expression.h"
#include "report/fieldfill.h"
#include "report/textlayout.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

const QString kTotalPagesField = u"[TotalPages#]"_s;

// The long time format without its time zone: the footer shows hours, minutes and seconds.
QString timeFormatWithoutZone(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result += c;
    }
    return result.trimmed();
}

// What a field can name while one page is built.
struct FieldContext
{
    QString date;
    QString time;
    int pageNumber = 1;
};

} // namespace

SheetReport::SheetReport() : m_template(identificationSheetTemplate())
{
    m_variables.push_back({u" Principal"_s, QString()});
    for (const QString& name : {u"NossoNro"_s, u"Codigo"_s, u"Unidade"_s, u"Tributo"_s, u"Ano"_s,
                                u"SubTributo"_s, u"Parcela"_s, u"Valor"_s, u"DtVencto"_s, u"DtEmissao"_s})
        m_variables.push_back({name, u""_s});
}

const SheetReport::Variable* SheetReport::findVariable(const QString& name) const
{
    for (const Variable& variable : m_variables) {
        if (variable.name.compare(name, Qt::CaseInsensitive) == 0)
            return &variable;
    }
    return nullptr;
}

void SheetReport::setVariable(const QString& name, const QString& expression)
{
    for (Variable& variable : m_variables) {
        if (variable.name.compare(name, Qt::CaseInsensitive) == 0) {
            variable.value = expression;
            return;
        }
    }
    m_variables.push_back({name, expression});
}

std::optional<QString> SheetReport::variable(const QString& name) const
{
    if (const Variable* found = findVariable(name))
        return found->value;
    return std::nullopt;
}

QStringList SheetReport::variableNames() const
{
    QStringList names;
    for (const Variable& variable : m_variables)
        names.append(variable.name);
    return names;
}

const PageSetup& SheetReport::pageSetup() const { return m_template.page; }

void SheetReport::setPageSetup(const PageSetup& setup) { m_template.page = setup; }

PreparedReport SheetReport::prepare(const QDateTime& buildStart, const QLocale& locale) const
{
    FieldContext context;
    context.date = locale.toString(buildStart.date(), locale.dateFormat(QLocale::ShortFormat));
    context.time = locale.toString(buildStart.time(), timeFormatWithoutZone(locale));

    // Names in a field: variables (their value evaluated in turn), then the built-ins.
    QSet<QString> evaluating; // guards against variables that name each other
    NameResolver resolve = [&](const QString& name) -> std::optional<QString> {
        if (const Variable* found = findVariable(name)) {
            if (found->value.contains(u"\r\n"_s))
                return found->value;
            const QString key = name.toCaseFolded();
            if (evaluating.contains(key))
                throw ExpressionError{u"a variável \"%1\" refere-se a si mesma"_s.arg(found->name)};
            evaluating.insert(key);
            try {
                const QString value = evaluateExpression(found->value, resolve);
                evaluating.remove(key);
                return value;
            } catch (...) {
                evaluating.remove(key);
                throw;
            }
        }
        if (name.compare(u"Date"_s, Qt::CaseInsensitive) == 0)
            return context.date;
        if (name.compare(u"Time"_s, Qt::CaseInsensitive) == 0)
            return context.time;
        if (name.compare(u"Page#"_s, Qt::CaseInsensitive) == 0)
            return QString::number(context.pageNumber);
        if (name.compare(u"TotalPages#"_s, Qt::CaseInsensitive) == 0)
            return kTotalPagesField; // the count exists only when the build is over
        return std::nullopt;
    };

    int pageCount = 0;
    const std::vector<BandPlacement> placements = placeBands(m_template, pageCount);
    PreparedReport report;
    report.pages.resize(pageCount, LaidOutPage{m_template.page, {}, {}});

    for (const BandPlacement& placement : placements) {
        LaidOutPage& page = report.pages[placement.page];
        context.pageNumber = placement.page + 1;
        const TemplateBand& band = *placement.band;
        for (const TemplateRule& rule : band.rules) {
            const QRectF at = rule.geometry.translated(0, placement.top);
            page.rules.push_back(PageRule{at.topLeft(), at.bottomRight(), 1});
        }
        for (const TemplateTextBox& box : band.textBoxes) {
            QString text;
            try {
                text = fillFields(box.text, [&](const QString& expression) {
                    try {
                        return evaluateExpression(expression, resolve);
                    } catch (const ExpressionError& error) {
                        throw BuildError{{u"%1: erro na expressão \"%2\": %3"_s.arg(box.name, expression,
                                                                                    error.message)}};
                    }
                });
            } catch (const ExpressionError& error) {
                throw BuildError{{u"%1: %2"_s.arg(box.name, error.message)}};
            }
            const QRectF at = box.geometry.translated(0, placement.top);
            for (PageText& line : layoutTextBox(at, box.font, box.align, text))
                page.texts.push_back(std::move(line));
        }
    }
    return report;
}

QString quoteLiteral(const QString& text)
{
    QString doubled = text;
    doubled.replace(u'\'', u"''"_s);
    return u'\'' + doubled + u'\'';
}

} // namespace tervano::report
