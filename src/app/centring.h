#pragma once

#include <QPoint>
#include <QSize>

namespace tervano::app {

// Top-left corner that centres a window of outer size `window` on a screen of size
// `screen`, truncated towards zero and never negative.
QPoint centredPosition(QSize screen, QSize window);

// Factor by which the window's fixed layout grows: the window font's measured text
// height here over its height at 96 dots per inch.
double layoutScale(double measuredTextHeight, double textHeightAt96Dpi);

} // namespace tervano::app
