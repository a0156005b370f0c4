#pragma once

#include "report/laidoutpage.h"

#include <QRectF>
#include <QString>

#include <vector>

namespace tervano::report {

enum class BandKind { ReportTitle, ReportSummary, PageFooter };

// A text box: geometry in template units relative to its band's top-left corner.
struct TemplateTextBox
{
    QString name;
    QRectF geometry;
    FontSpec font;
    HAlign align = HAlign::Left;
    QString text;
};

// A rule from the object's left-top corner to its right-bottom corner, 1 unit wide.
struct TemplateRule
{
    QString name;
    QRectF geometry;
};

struct TemplateBand
{
    QString name;
    BandKind kind = BandKind::ReportTitle;
    double height = 0; // template units; bands are as wide as the printable area
    std::vector<TemplateTextBox> textBoxes;
    std::vector<TemplateRule> rules;
};

struct SheetTemplate
{
    QString pageName;
    PageSetup page;
    std::vector<TemplateBand> bands;
};

// The identification sheet as stored: page Page1, its three bands and their objects.
SheetTemplate identificationSheetTemplate();

// Common to every text box: inner margins and the extra space between wrapped lines.
inline constexpr double kInnerMarginX = 2;
inline constexpr double kInnerMarginY = 1;
inline constexpr double kLineSpacing = 2;

} // namespace tervano::report
