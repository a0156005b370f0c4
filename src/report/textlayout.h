#pragma once

#include "report/laidoutpage.h"

#include <QRectF>
#include <QStringList>

#include <vector>

namespace tervano::report {

// Breaks `text` into lines no wider than `width` (template units): at line breaks in the
// text, then at spaces; a word wider than a whole line is broken between characters.
// Spaces at a break are dropped.
QStringList wrapText(const QString& text, const FontSpec& font, double width);

// The lines of a text box at `box` (template units from the printable area's top-left):
// set from the top of the text area (box less its inner margins), one line box per line,
// 2 units between lines. Lines that do not fit wholly inside the box are left out, so a
// 5 mm box shows exactly one line.
std::vector<PageText> layoutTextBox(const QRectF& box, const FontSpec& font, HAlign align,
                                    const QString& text);

} // namespace tervano::report
