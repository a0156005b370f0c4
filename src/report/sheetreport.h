#pragma once

#include "report/laidoutpage.h"
#include "report/sheettemplate.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tervano::report {

// Raised by a build: the lines for the report error box.
struct BuildError
{
    QStringList lines;
};

// The identification sheet's report (frxReport1): its template, its variables and its build.
class SheetReport
{
public:
    SheetReport(); // the stored template, every variable an empty text

    // Finds the variable (letter case ignored), adds it when missing, replaces its value.
    // Values are expression texts: a box text goes in as a quoted literal (see quoteLiteral).
    void setVariable(const QString& name, const QString& expression);
    std::optional<QString> variable(const QString& name) const;

    // The template's page: "apply to all pages" writes here for the rest of the run.
    const PageSetup& pageSetup() const;
    void setPageSetup(const PageSetup& setup);

    // One-pass build at `buildStart` (date and time taken once), formats from `locale`.
    // Throws BuildError when an expression cannot be evaluated.
    PreparedReport prepare(const QDateTime& buildStart, const QLocale& locale) const;

    // The variable names in their order (" Principal" heading first).
    QStringList variableNames() const;
    const SheetTemplate& sheetTemplate() const { return m_template; }

private:
    struct Variable
    {
        QString name;
        QString value; // an expression text; null for the category heading
    };
    const Variable* findVariable(const QString& name) const;

    SheetTemplate m_template;
    std::vector<Variable> m_variables;
};

// 'text' with every apostrophe doubled: evaluating it gives back exactly `text`.
QString quoteLiteral(const QString& text);

} // namespace tervano::report
