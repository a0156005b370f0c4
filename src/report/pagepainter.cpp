#include "report/pagepainter.h"

#include "report/pagegeometry.h"
#include "report/textplacement.h"

#include <QFontDatabase>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

using namespace Qt::StringLiterals;

namespace tervano::report {

namespace {

// Arial where it is installed, else its metric twin.
QString screenFamily(const QString& family)
{
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return family;
    return u"Liberation Sans"_s;
}

QFont deviceFont(const FontSpec& spec, double pixelSize, const QPaintDevice* device)
{
    QFont font(screenFamily(spec.family));
    font.setBold(spec.bold);
    // Point size for the device's resolution gives fractional pixel sizes; hinting and
    // kerning off keep the advances at the metrics the layout used.
    const int dpi = device && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    font.setPointSizeF(pixelSize * 72.0 / dpi);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferQuality);
    return font;
}

} // namespace

void paintPage(QPainter& painter, const LaidOutPage& page, int totalPages, double scale, QPointF paperOrigin)
{
    const QPointF origin = paperOrigin + printableOriginUnits(page.setup) * scale;
    auto toDevice = [&](QPointF units) { return origin + units * scale; };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    QPen pen(Qt::black);
    pen.setCapStyle(Qt::FlatCap);
    for (const PageRule& rule : page.rules) {
        pen.setWidthF(rule.width * scale);
        painter.setPen(pen);
        painter.drawLine(toDevice(rule.from), toDevice(rule.to));
    }

    painter.setPen(Qt::black);
    for (const PageText& line : page.texts) {
        const PlacedText placed = placeText(line, totalPages);
        painter.setFont(deviceFont(line.font, line.font.emHeight * scale, painter.device()));
        painter.save();
        painter.setClipRect(QRectF(toDevice(line.clip.topLeft()), line.clip.size() * scale), Qt::IntersectClip);
        painter.drawText(toDevice(QPointF(placed.x, placed.baseline)), placed.text);
        painter.restore();
    }
    painter.restore();
}

} // namespace tervano::report
