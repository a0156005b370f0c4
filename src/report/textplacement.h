#pragma once

#include "report/laidoutpage.h"

namespace tervano::report {

// Width in template units of `text` set in `font`, with the Arial metrics that every
// renderer uses, so line breaks and alignment agree on screen, on paper and in the PDF.
double textWidth(const QString& text, const FontSpec& font);

// Ascent of the font in template units (baseline below the line box's top).
double fontAscent(const FontSpec& font);

// Height of one line of the font (ascent plus descent) in template units.
double fontLineHeight(const FontSpec& font);

// `text` with every "[TotalPages#]" (letter case ignored) replaced by the page count.
QString withTotalPages(const QString& text, int totalPages);

// A line as it is finally drawn: "[TotalPages#]" replaced, aligned in its line box.
struct PlacedText
{
    QString text;
    double x = 0;        // left end of the text, template units from the printable area
    double baseline = 0; // baseline, template units from the printable area
};

PlacedText placeText(const PageText& line, int totalPages);

} // namespace tervano::report
