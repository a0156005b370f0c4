#pragma once

#include "report/laidoutpage.h"
#include "report/reportdialogs.h"

#include <QString>

#include <vector>

namespace tervano::report {

// A paper the page settings dialog offers; `code` is the paper code the page stores
// (9 = A4), sizes in portrait.
struct PaperSize
{
    int code = 0;
    QString name;
    double widthMm = 0;
    double heightMm = 0;
};

inline constexpr int kCustomPaperCode = 256;

const std::vector<PaperSize>& paperSizes();
// The listed paper matching the page's code, or nothing for a custom size.
const PaperSize* findPaper(int code);

// The page with another paper, keeping its orientation: width and height of a
// PageSetup are those of the page as laid out, so landscape swaps them.
PageSetup withPaper(PageSetup page, int code, double portraitWidthMm, double portraitHeightMm);
PageSetup withOrientation(PageSetup page, bool landscape);

// Margins and sizes in the dialog's unit.
double toUnit(double mm, MeasureUnit unit);
double fromUnit(double value, MeasureUnit unit);
QString unitSuffix(MeasureUnit unit);

} // namespace tervano::report
