#include "report/sheettemplate.h"

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

FontSpec arial(double emHeight, bool bold) { return FontSpec{u"Arial"_s, emHeight, bold}; }

TemplateTextBox box(const QString& name, double left, double top, double width, double height,
                    FontSpec font, HAlign align, const QString& text)
{
    return TemplateTextBox{name, QRectF(left, top, width, height), std::move(font), align, text};
}

TemplateRule rule(const QString& name, double left, double top, double width)
{
    return TemplateRule{name, QRectF(left, top, width, 0)};
}

constexpr double kRowHeight = 18.89765; // 5 mm
constexpr double kFullWidth = 691.65399;
constexpr double kLabelLeft = 7.55906;
constexpr double kLabelWidth = 128.50402;
constexpr double kValueLeft = 139.84261;
constexpr double kValueWidth = 555.59091;

TemplateBand reportTitle()
{
    TemplateBand band{u"ReportTitle1"_s, BandKind::ReportTitle, 102.04731, {}, {}};
    band.textBoxes = {
        box(u"Memo1"_s, 3.77953, 2.55906, kFullWidth, kRowHeight, arial(15, true), HAlign::Center,
            u"PREFEITURA MUNICIPAL DE VALDORINHA"_s),
        box(u"Memo2"_s, 3.77953, 21.45671, kFullWidth, kRowHeight, arial(13, false), HAlign::Center,
            u"Praça Dom Orlando, 250 - Centro - CEP 19.990-000 - Valdorinha - SP"_s),
        box(u"Memo3"_s, 3.77953, 41.57483, kFullWidth, kRowHeight, arial(13, false), HAlign::Center,
            u"Fone/Fax: (19) 3555-0142 - CNPJ: 11.222.333/0001-81"_s),
        box(u"Memo4"_s, 3.77953, 76.70872, kFullWidth, kRowHeight, arial(13, true), HAlign::Center,
            u"IDENTIFICAÇÃO CADASTRAL DE BOLETO BANCÁRIO"_s),
    };
    band.rules = {
        rule(u"Line3"_s, 3.77953, 73.03154, kFullWidth),
        rule(u"Line2"_s, 3.55906, 97.94496, kFullWidth),
    };
    return band;
}

TemplateBand reportSummary()
{
    struct Row
    {
        const char16_t* labelName;
        const char16_t* label;
        const char16_t* valueName;
        const char16_t* field;
        double top;
    };
    static constexpr Row rows[] = {
        {u"Memo5", u"NOSSO NÚMERO:", u"Memo6", u"[NossoNro]", 12.55906},
        {u"Memo7", u"Código:", u"Memo16", u"[Codigo]", 56.69295},
        {u"Memo8", u"Unidade:", u"Memo17", u"[Unidade]", 79.37013},
        {u"Memo9", u"Tributo:", u"Memo18", u"[Tributo]", 102.04731},
        {u"Memo10", u"Ano:", u"Memo19", u"[Ano]", 124.72449},
        {u"Memo11", u"Sub-Tributo:", u"Memo20", u"[SubTributo]", 147.40167},
        {u"Memo12", u"Parcela:", u"Memo21", u"[Parcela]", 170.07885},
        {u"Memo13", u"Valor:", u"Memo22", u"[Valor]", 192.75603},
        {u"Memo14", u"Data Vencimento:", u"Memo23", u"[DtVencto]", 215.43321},
        {u"Memo15", u"Data de Emissão:", u"Memo24", u"[DtEmissao]", 238.11039},
    };
    TemplateBand band{u"ReportSummary1"_s, BandKind::ReportSummary, 287.24428, {}, {}};
    for (const Row& row : rows) {
        band.textBoxes.push_back(box(QString::fromUtf16(row.labelName), kLabelLeft, row.top, kLabelWidth,
                                     kRowHeight, arial(13, true), HAlign::Left, QString::fromUtf16(row.label)));
        band.textBoxes.push_back(box(QString::fromUtf16(row.valueName), kValueLeft, row.top, kValueWidth,
                                     kRowHeight, arial(13, false), HAlign::Left, QString::fromUtf16(row.field)));
    }
    return band;
}

TemplateBand pageFooter()
{
    TemplateBand band{u"PageFooter1"_s, BandKind::PageFooter, 30.23624, {}, {}};
    band.rules = {rule(u"Line1"_s, 3.77953, 3.77953, kFullWidth)};
    band.textBoxes = {
        box(u"Memo25"_s, 3.77953, 7.55906, 162.51979, kRowHeight, arial(11, false), HAlign::Left,
            u"[Date] - [Time]"_s),
        box(u"Memo26"_s, 532.91373, 7.55906, 162.51979, kRowHeight, arial(11, false), HAlign::Right,
            u"Pág: [Page#]/[TotalPages#]"_s),
    };
    return band;
}

} // namespace

SheetTemplate identificationSheetTemplate()
{
    SheetTemplate sheet;
    sheet.pageName = u"Page1"_s;
    sheet.page = PageSetup{}; // A4 portrait, margins 15/10/10/10 mm
    sheet.bands = {reportTitle(), reportSummary(), pageFooter()};
    return sheet;
}

} // namespace tervano::report
