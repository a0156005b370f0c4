#include "app/centring.h"

#include <algorithm>

namespace tervano::app {

QPoint centredPosition(QSize screen, QSize window)
{
    // Integer division truncates towards zero, negative results included.
    const int left = (screen.width() - window.width()) / 2;
    const int top = (screen.height() - window.height()) / 2;
    return {std::max(left, 0), std::max(top, 0)};
}

double layoutScale(double measuredTextHeight, double textHeightAt96Dpi)
{
    if (measuredTextHeight <= 0 || textHeightAt96Dpi <= 0)
        return 1.0;
    return measuredTextHeight / textHeightAt96Dpi;
}

} // namespace tervano::app
