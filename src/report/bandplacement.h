#pragma once

#include "report/sheettemplate.h"

#include <vector>

namespace tervano::report {

// Where one band prints: on which page (0-based) and at which top, in template units from
// the printable area's top-left corner.
struct BandPlacement
{
    const TemplateBand* band = nullptr;
    int page = 0;
    double top = 0;
};

// Places the bands of a sheet with no data bands: the report title at the top of the first
// page, the summary below it (on a new page when it does not fit above the page footer),
// and the page footer on every page with its bottom on the bottom margin.
// Returns the placements in printing order; `pageCount` receives the number of pages.
std::vector<BandPlacement> placeBands(const SheetTemplate& sheet, int& pageCount);

} // namespace tervano::report
