// sheet-pdf [--embed-fonts] [--no-compress] OUT.pdf NOSSONRO CODIGO UNIDADE TRIBUTO ANO
//           SUBTRIBUTO PARCELA VALOR DTVENCTO DTEMISSAO
// Builds the identification sheet from the ten texts as they stand in the window and
// writes it with the PDF export's settings.
#include "common/failure.h"
#include "report/pdfexport.h"
#include "report/sheetreport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace tervano::report;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList variables = {u"NossoNro"_s, u"Codigo"_s,     u"Unidade"_s, u"Tributo"_s,
                                   u"Ano"_s,      u"SubTributo"_s, u"Parcela"_s, u"Valor"_s,
                                   u"DtVencto"_s, u"DtEmissao"_s};
    PdfExportOptions options;
    QStringList positional;
    const QStringList args = app.arguments().mid(1);
    for (const QString& arg : args) {
        if (arg == u"--embed-fonts"_s)
            options.embeddedFonts = true;
        else if (arg == u"--no-compress"_s)
            options.compressed = false;
        else
            positional.append(arg);
    }
    if (positional.size() != variables.size() + 1) {
        err << "usage: sheet-pdf [--embed-fonts] [--no-compress] OUT.pdf NOSSONRO CODIGO UNIDADE TRIBUTO "
               "ANO SUBTRIBUTO PARCELA VALOR DTVENCTO DTEMISSAO\n";
        return 2;
    }

    SheetReport report;
    for (qsizetype i = 0; i < variables.size(); ++i)
        report.setVariable(variables[i], quoteLiteral(positional[i + 1]));
    try {
        const QDateTime now = QDateTime::currentDateTime();
        writePdf(report.prepare(now, QLocale::system()), positional[0], options, now);
    } catch (const BuildError& error) {
        err << "Erro(s) encontrado(s):\n" << error.lines.join(u'\n') << '\n';
        return 1;
    } catch (const tervano::Failure& failure) {
        err << failure.message() << '\n';
        return 1;
    }
    return 0;
}
