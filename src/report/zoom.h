#pragma once

#include <QSizeF>
#include <QString>

#include <vector>

namespace tervano::report {

// Preview zoom as a factor (1 = 100 %).
inline constexpr double kZoomStep = 0.25;
inline constexpr double kMinZoom = 0.25;
inline constexpr double kMaxZoom = 10.0;

double zoomIn(double zoom);
double zoomOut(double zoom); // 25 % steps, never below 25 %

enum class ZoomMode { Percent, PageWidth, WholePage };

struct ZoomEntry
{
    QString text;
    ZoomMode mode = ZoomMode::Percent;
    double percent = 100;
};

// The zoom list: 25 % to 200 %, page width, whole page.
const std::vector<ZoomEntry>& zoomList();

// The zoom at which a paper of `paperPx` (at 100 %) fits `viewportPx` with `marginPx` around.
double zoomForPageWidth(const QSizeF& paperPx, const QSizeF& viewportPx, double marginPx);
double zoomForWholePage(const QSizeF& paperPx, const QSizeF& viewportPx, double marginPx);

QString zoomText(double zoom); // "100%"

} // namespace tervano::report
