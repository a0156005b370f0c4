#include "report/papersizes.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace tervano::report {

const std::vector<PaperSize>& paperSizes()
{
    static const std::vector<PaperSize> sizes = {
        {9, u"A4"_s, 210, 297},          {8, u"A3"_s, 297, 420},
        {11, u"A5"_s, 148, 210},         {13, u"B5 (JIS)"_s, 182, 257},
        {1, u"Carta"_s, 215.9, 279.4},   {5, u"Ofício (Legal)"_s, 215.9, 355.6},
        {7, u"Executivo"_s, 184.15, 266.7},
    };
    return sizes;
}

const PaperSize* findPaper(int code)
{
    const auto& sizes = paperSizes();
    const auto it = std::find_if(sizes.begin(), sizes.end(), [code](const PaperSize& p) { return p.code == code; });
    return it == sizes.end() ? nullptr : &*it;
}

PageSetup withPaper(PageSetup page, int code, double portraitWidthMm, double portraitHeightMm)
{
    page.paperSizeCode = code;
    page.paperWidthMm = page.landscape ? portraitHeightMm : portraitWidthMm;
    page.paperHeightMm = page.landscape ? portraitWidthMm : portraitHeightMm;
    return page;
}

PageSetup withOrientation(PageSetup page, bool landscape)
{
    if (page.landscape != landscape) {
        std::swap(page.paperWidthMm, page.paperHeightMm);
        page.landscape = landscape;
    }
    return page;
}

double toUnit(double mm, MeasureUnit unit) { return unit == MeasureUnit::Inches ? mm / 25.4 : mm / 10.0; }
double fromUnit(double value, MeasureUnit unit)
{
    return unit == MeasureUnit::Inches ? value * 25.4 : value * 10.0;
}
QString unitSuffix(MeasureUnit unit) { return unit == MeasureUnit::Inches ? u" pol"_s : u" cm"_s; }

} // namespace tervano::report
