#include "report/zoom.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {
// Steps land on multiples of 25 % even from a fitted zoom such as 87 %.
double snapped(double zoom) { return std::round(zoom / kZoomStep * 1000.0) / 1000.0; }
} // namespace

double zoomIn(double zoom)
{
    return std::min(kMaxZoom, (std::floor(snapped(zoom)) + 1) * kZoomStep);
}

double zoomOut(double zoom)
{
    return std::max(kMinZoom, (std::ceil(snapped(zoom)) - 1) * kZoomStep);
}

const std::vector<ZoomEntry>& zoomList()
{
    static const std::vector<ZoomEntry> list = {
        {u"25%"_s, ZoomMode::Percent, 25},   {u"50%"_s, ZoomMode::Percent, 50},
        {u"75%"_s, ZoomMode::Percent, 75},   {u"100%"_s, ZoomMode::Percent, 100},
        {u"150%"_s, ZoomMode::Percent, 150}, {u"200%"_s, ZoomMode::Percent, 200},
        {u"Largura da página"_s, ZoomMode::PageWidth, 0},
        {u"Página inteira"_s, ZoomMode::WholePage, 0},
    };
    return list;
}

double zoomForPageWidth(const QSizeF& paperPx, const QSizeF& viewportPx, double marginPx)
{
    if (paperPx.width() <= 0)
        return 1;
    return std::max(0.01, (viewportPx.width() - 2 * marginPx) / paperPx.width());
}

double zoomForWholePage(const QSizeF& paperPx, const QSizeF& viewportPx, double marginPx)
{
    if (paperPx.height() <= 0)
        return 1;
    const double byHeight = (viewportPx.height() - 2 * marginPx) / paperPx.height();
    return std::max(0.01, std::min(zoomForPageWidth(paperPx, viewportPx, marginPx), byHeight));
}

QString zoomText(double zoom) { return QString::number(std::lround(zoom * 100)) + u'%'; }

} // namespace tervano::report
