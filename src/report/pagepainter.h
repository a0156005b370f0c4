#pragma once

#include "report/laidoutpage.h"

class QPainter;

namespace tervano::report {

// Draws a built page with QPainter on any device (screen, printer, image): `scale` is
// device pixels per template unit and `paperOrigin` the paper's top-left corner on the
// device. The paper itself (white sheet, shadow) is the caller's.
void paintPage(QPainter& painter, const LaidOutPage& page, int totalPages, double scale,
               QPointF paperOrigin = {});

} // namespace tervano::report
