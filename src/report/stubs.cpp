// Placeholder until the sheet's layout and renderers land.
#include "report/pagepainter.h"
#include "report/pdfexport.h"
#include "report/sheetreport.h"
#include "report/textplacement.h"

#include "common/failure.h"

namespace tervano::report {

namespace {
PageSetup& templatePage()
{
    static PageSetup setup;
    return setup;
}
} // namespace

SheetReport::SheetReport() = default;
void SheetReport::setVariable(const QString&, const QString&) {}
std::optional<QString> SheetReport::variable(const QString&) const { return std::nullopt; }
const PageSetup& SheetReport::pageSetup() const { return templatePage(); }
void SheetReport::setPageSetup(const PageSetup& setup) { templatePage() = setup; }
PreparedReport SheetReport::prepare(const QDateTime&, const QLocale&) const
{
    PreparedReport report;
    report.pages.push_back(LaidOutPage{templatePage(), {}, {}});
    return report;
}
QString quoteLiteral(const QString& text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}
double textWidth(const QString& text, const FontSpec& font) { return text.size() * font.emHeight * 0.5; }
double fontAscent(const FontSpec& font) { return font.emHeight * 0.905; }
PlacedText placeText(const PageText& line, int) { return {line.text, line.lineBox.left(), line.lineBox.top()}; }
void writePdf(const PreparedReport&, const QString& path, const PdfExportOptions&, const QDateTime&)
{
    throw Failure(QStringLiteral("Cannot create file ") + path);
}
void paintPage(QPainter&, const LaidOutPage&, int, double, QPointF) {}

} // namespace tervano::report
