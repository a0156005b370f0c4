#pragma once

#include "report/laidoutpage.h"

#include <QPointF>
#include <QSizeF>

namespace tervano::report {

inline constexpr double kPointsPerMm = 72.0 / 25.4;

inline double unitsFromMm(double mm) { return mm * kUnitsPerMm; }
inline double mmFromUnits(double units) { return units / kUnitsPerMm; }
inline double pointsFromUnits(double units) { return mmFromUnits(units) * kPointsPerMm; }

// The paper as it lies: paperWidthMm/paperHeightMm are the portrait sizes, landscape turns them.
inline QSizeF paperSizeMm(const PageSetup& setup)
{
    const double shortSide = std::min(setup.paperWidthMm, setup.paperHeightMm);
    const double longSide = std::max(setup.paperWidthMm, setup.paperHeightMm);
    if (setup.paperWidthMm <= setup.paperHeightMm)
        return setup.landscape ? QSizeF(longSide, shortSide) : QSizeF(shortSide, longSide);
    return setup.landscape ? QSizeF(setup.paperWidthMm, setup.paperHeightMm)
                           : QSizeF(setup.paperHeightMm, setup.paperWidthMm);
}

// The printable area in template units.
inline QSizeF printableSizeUnits(const PageSetup& setup)
{
    const QSizeF paper = paperSizeMm(setup);
    return {unitsFromMm(paper.width() - setup.leftMm - setup.rightMm),
            unitsFromMm(paper.height() - setup.topMm - setup.bottomMm)};
}

// Where the printable area's top-left corner lies on the paper, in template units.
inline QPointF printableOriginUnits(const PageSetup& setup)
{
    return {unitsFromMm(setup.leftMm), unitsFromMm(setup.topMm)};
}

} // namespace tervano::report
