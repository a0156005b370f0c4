#include "report/bandplacement.h"

#include "report/pagegeometry.h"

namespace tervano::report {

std::vector<BandPlacement> placeBands(const SheetTemplate& sheet, int& pageCount)
{
    const double printableHeight = printableSizeUnits(sheet.page).height();
    const TemplateBand* footer = nullptr;
    for (const TemplateBand& band : sheet.bands) {
        if (band.kind == BandKind::PageFooter)
            footer = &band;
    }
    const double footerTop = footer ? printableHeight - footer->height : printableHeight;

    std::vector<BandPlacement> placements;
    int page = 0;
    double cursor = 0;
    auto place = [&](BandKind kind) {
        for (const TemplateBand& band : sheet.bands) {
            if (band.kind != kind)
                continue;
            if (cursor > 0 && cursor + band.height > footerTop) {
                ++page; // does not fit above the footer: moves to a new page
                cursor = 0;
            }
            placements.push_back({&band, page, cursor});
            cursor += band.height;
        }
    };
    place(BandKind::ReportTitle);
    place(BandKind::ReportSummary);
    pageCount = page + 1;
    if (footer) {
        for (int p = 0; p < pageCount; ++p)
            placements.push_back({footer, p, footerTop});
    }
    return placements;
}

} // namespace tervano::report
