#pragma once

#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace tervano::report {

// Template units: 1/96 inch. The template converts millimetres with this factor.
inline constexpr double kUnitsPerMm = 3.77953;

struct FontSpec
{
    QString family;       // "Arial"; renderers map it to a metric twin when absent
    double emHeight = 13; // character height (em size) in template units
    bool bold = false;
};

enum class HAlign
{
    Left,
    Center,
    Right
};

// One line of text of a text box, ready to draw. The text may still hold the literal
// "[TotalPages#]", which is replaced when the page is drawn, printed or exported.
// Coordinates are template units from the printable area's top-left corner.
struct PageText
{
    QString text;
    FontSpec font;
    HAlign align = HAlign::Left;
    QRectF lineBox; // left/right edges of the text area, top and height of this line
    QRectF clip;    // the text box: nothing of this line is drawn outside it
};

// A rule from `from` to `to` (template units from the printable area's top-left).
struct PageRule
{
    QPointF from;
    QPointF to;
    double width = 1;
};

struct PageSetup
{
    int paperSizeCode = 9; // 9 = A4
    double paperWidthMm = 210;
    double paperHeightMm = 297;
    bool landscape = false;
    double leftMm = 15;
    double rightMm = 10;
    double topMm = 10;
    double bottomMm = 10;
};

// One built page: its setup and what to draw on it. Every output (preview, printer, PDF)
// draws this same list, so what the clerk sees is what prints.
struct LaidOutPage
{
    PageSetup setup;
    std::vector<PageText> texts;
    std::vector<PageRule> rules;
};

struct PreparedReport
{
    std::vector<LaidOutPage> pages;
};

} // namespace tervano::report
