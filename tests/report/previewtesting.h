#pragma once
// Helpers shared by the preview's widget tests.

#include "report/previewwindow.h"
#include "report/sheetreport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace tervano::report::testing {

// The ten variables in the order the print button sets them.
inline const QStringList& variableNames()
{
    static const QStringList names = {
        QStringLiteral("NossoNro"), QStringLiteral("Codigo"),     QStringLiteral("Unidade"),
        QStringLiteral("Tributo"),  QStringLiteral("Ano"),        QStringLiteral("SubTributo"),
        QStringLiteral("Parcela"),  QStringLiteral("Valor"),      QStringLiteral("DtVencto"),
        QStringLiteral("DtEmissao")};
    return names;
}

inline void setVariables(SheetReport& report, const QStringList& texts)
{
    for (int i = 0; i < variableNames().size(); ++i)
        report.setVariable(variableNames()[i], quoteLiteral(texts.value(i)));
}

// True while the sheet is still the placeholder that lays out nothing.
inline bool sheetDrawsNothing()
{
    const PreparedReport built = SheetReport().prepare(QDateTime::currentDateTime(), QLocale());
    return built.pages.empty() || built.pages.front().texts.empty();
}

// Shows the window and lets its loop build the sheet.
inline bool showBuilt(PreviewWindow& window)
{
    window.show();
    return QTest::qWaitFor([&] { return window.hasBuilt() && !window.isBuilding(); }, 5000);
}

// pdftotext -layout of a PDF file; empty when the tool is missing.
inline QString pdfText(const QString& path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000))
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace tervano::report::testing
